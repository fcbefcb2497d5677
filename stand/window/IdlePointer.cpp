#include "stand/window/IdlePointer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

IdlePointer::IdlePointer(QWidget* window)
    : m_window(window)
{
    m_idle.setSingleShot(true);
    m_idle.setInterval(kIdleMs);
    connect(&m_idle, &QTimer::timeout, this, &IdlePointer::idleElapsed);
}

// Watched at the application: a movement over a label or button of the window, which tracks
// no movement of its own, reaches only the application's filters.
void IdlePointer::start()
{
    if (!m_watching)
        QCoreApplication::instance()->installEventFilter(this);
    m_watching = true;
    m_idle.start();
}

void IdlePointer::stop()
{
    if (m_watching)
        QCoreApplication::instance()->removeEventFilter(this);
    m_watching = false;
    m_idle.stop();
    show();
}

void IdlePointer::idleElapsed()
{
    if (!m_watching)
        return;
    m_hidden = true;
    m_window->setCursor(Qt::BlankCursor);
}

void IdlePointer::show()
{
    if (!m_hidden)
        return;
    m_hidden = false;
    m_window->unsetCursor();
}

bool IdlePointer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == m_window) {
        show();
        m_idle.start();
    }
    return QObject::eventFilter(watched, event);
}
