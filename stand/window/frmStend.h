#pragma once

#include "stand/Placement.h"
#include "stand/ShowCycle.h"
#include "stand/StandLayout.h"
#include "stand/TargetScale.h"
#include "stand/drawing/DrawingSurface.h"
#include "stand/window/IdlePointer.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
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
    uint32_t colour = 0;
    bool visible = true;
};

// The borderless window that the projector throws onto the stand. It works in twips;
// the drawing surface and the controls convert to pixels.
class frmStend : public QWidget, private ShowActions {
    Q_OBJECT
public:
    frmStend(Base& base, platform::Platform& platform, QWidget* owner = nullptr);
    ~frmStend() override;

    // Before every showing: the start and calibration buttons, no lines, the settings' colour,
    // nothing drawn, and the start button with the focus.
    void prepareForShowing();

signals:
    // The window has been hidden by the program (not minimised).
    void hidden();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    static constexpr double kDesignWidth = 10305; // twips
    static constexpr double kDesignHeight = 6555;

    friend struct StandDesign;
    friend class StandProbe; // the tests' view of the window's state

    void createControls();
    void place(QWidget* control, const TwipsRect& twips);
    void layOutControls();
    void followScreen();
    // Outer size in twips.
    double twipsWidth() const;
    double twipsHeight() const;
    TwipsRect twipsGeometry(const QWidget* control) const;
    StandLine& line(LineId id) { return m_lines.at(size_t(id)); }
    void setBackColor(uint32_t bgr);
    void recolourForBackground();

    void layOutLanes();
    // The start of a show: the lanes laid out and their lines shown.
    void PrepZona();
    // Scale and target sizes from the calibration; false (and the window hidden) when a
    // calibration length is out of range.
    bool PrepForm();

    void knGoClick();
    void knKalibrovkaClick();
    void keyTyped(int16_t characterCode);
    void closeMarkClick();
    bool askToStop(); // true for Yes

    // What the show cycle asks of the window.
    void beep() override;
    void setTimerCaption(const QString& caption) override;
    bool PlaceTargets() override;
    void ShowTekTarget() override;
    void clearDrawing() override;
    void inform(const QString& text) override;
    void showKeyPrompt(bool shown) override;

    Base& m_base;
    platform::Platform& m_platform;
    DrawingSurface m_surface;
    Lanes m_lanes;
    std::array<StandLine, kLineCount> m_lines;
    std::vector<std::pair<const QWidget*, TwipsRect>> m_geometry;
    QTimer m_tik;
    TargetSizes m_sizes;
    Spans m_spans;
    Series m_series;
    ShowCycle m_cycle;
    IdlePointer m_idlePointer{this}; // from the start of a show until the window hides

    QPushButton* m_knStopKalibr = nullptr;
    QPushButton* m_knKalibrovka = nullptr;
    QPushButton* m_knGo = nullptr;
    QLabel* m_labExit0 = nullptr;
    QLabel* m_labExit1 = nullptr;
    QLabel* m_labMsg = nullptr;
    QLabel* m_labTimer = nullptr;
};
