#pragma once

#include <QObject>
#include <QTimer>

class QWidget;

// A pointer left over the stand is projected onto the board, in the middle of the lanes.
// While watching, the pointer over the window disappears after a spell without movement and
// comes back at the first movement, so that the operator can still reach the close marks.
class IdlePointer : public QObject {
    Q_OBJECT
public:
    static constexpr int kIdleMs = 3000;

    explicit IdlePointer(QWidget* window);

    void start();
    // The pointer shows again and stays.
    void stop();
    // What the spell without movement ends in; the timer calls it.
    void idleElapsed();

    bool hidden() const { return m_hidden; }
    QTimer& idleTimer() { return m_idle; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show();

    QWidget* m_window;
    QTimer m_idle;
    bool m_watching{};
    bool m_hidden{};
};
