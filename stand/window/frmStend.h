#pragma once

#include "platform/core/Units.h"
#include "settings/Palette.h"
#include "stand/Show.h"
#include "stand/StandLayout.h"
#include "stand/drawing/DrawingSurface.h"
#include "stand/window/IdlePointer.h"

#include <QDialog>
#include <QTimer>

#include <array>
#include <utility>
#include <vector>

struct Base;
class QLabel;
class QPushButton;

namespace platform {
class Platform;
}

// The lines of the stand window, in its control order.
enum class LineId { MenBorder2, kalibr_H, Kalibr_W, BorderRight, BorderLeft, BorderBottom, BorderTop, MenBorder };
constexpr int kLineCount = 8;

struct StandLine {
    LineEnds ends; // twips, fractions kept
    Bgr colour;
    bool visible = true;
};

// The borderless window that the projector throws onto the stand. It works in twips; the drawing
// surface and the controls convert to pixels. It paints, forwards the operator's input and the timer's
// ticks to the show, and shows itself modally until it hides.
class frmStend : public QDialog, private ShowWindow {
    Q_OBJECT
public:
    frmStend(Base& base, platform::Platform& platform, QWidget* owner = nullptr);

    // Before every showing: the start and calibration buttons, no lines, the settings' colour,
    // nothing drawn, and the start button with the focus.
    void prepareForShowing();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    friend struct StandDesign;
    friend class StandProbe; // the tests' view of the window's state

    void createControls();
    void place(QWidget* control, const TwipsRect& twips);
    void layOutControls();
    void layOutLanes();
    // The start of a show: the lanes laid out and their lines shown.
    void PrepZona();
    void followScreen();
    // Outer size in twips.
    double twipsWidth() const;
    double twipsHeight() const;
    TwipsRect twipsGeometry(const QWidget* control) const;
    StandLine& line(LineId id) { return m_lines.at(size_t(id)); }
    void setBackColor(Bgr colour);
    void recolourForBackground();

    void knGoClick();
    void knKalibrovkaClick();

    // What the show asks of the window.
    void beep() override;
    void setTimerCaption(const QString& caption) override;
    void drawSeries(const Series& series) override;
    void clearDrawing() override;
    void showKeyPrompt(bool shown) override;
    void tellError(const QString& text) override;
    void inform(const QString& text) override;
    bool askToStop() override;
    void setTicking(bool ticking) override;
    void hideStand() override { hide(); }

    Base& m_base;
    platform::Platform& m_platform;
    DrawingSurface m_surface;
    std::array<StandLine, kLineCount> m_lines;
    std::vector<std::pair<const QWidget*, TwipsRect>> m_geometry;
    QTimer m_tik;
    Show m_show;
    IdlePointer m_idlePointer{this}; // from the start of a show until the window hides

    QPushButton* m_knStopKalibr = nullptr;
    QPushButton* m_knKalibrovka = nullptr;
    QPushButton* m_knGo = nullptr;
    QLabel* m_labExit0 = nullptr;
    QLabel* m_labExit1 = nullptr;
    QLabel* m_labMsg = nullptr;
    QLabel* m_labTimer = nullptr;
};
