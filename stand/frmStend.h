#pragma once

#include "DrawingSurface.h"
#include "IdlePointer.h"
#include "Placement.h"
#include "ShowCycle.h"
#include "StandLayout.h"
#include "TargetScale.h"
#include "platform/Platform.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

struct Base;
class QLabel;
class QPushButton;

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
    static constexpr double kDesignWidth = 10305;
    static constexpr double kDesignHeight = 6555;

    frmStend(Base& base, platform::Platform& platform, QWidget* owner = nullptr);
    ~frmStend() override;

    // Outer size in twips.
    double twipsWidth() const;
    double twipsHeight() const;
    double twipsPerPixel() const { return m_surface.twipsPerPixel(); }

    // Each time before the window is shown: the controls and lines as a show starts, the
    // settings' colour and top margin, nothing drawn, and the focus on knGo.
    void prepareForShowing();

    void PrepZona();
    const Lanes& lanes() const { return m_lanes; }
    void setZonaH0(int32_t twips) { m_lanes.ZonaH0 = twips; }

    // Controls, for the window's own units and for the settings window that prepares it.
    QPushButton* knGo() const { return m_knGo; }
    QPushButton* knKalibrovka() const { return m_knKalibrovka; }
    QPushButton* knStopKalibr() const { return m_knStopKalibr; }
    QLabel* labTimer() const { return m_labTimer; }
    QLabel* LabMSG() const { return m_labMsg; }
    QLabel* LabExit(int index) const { return index == 0 ? m_labExit0 : m_labExit1; }
    StandLine& line(LineId id) { return m_lines.at(size_t(id)); }
    const StandLine& line(LineId id) const { return m_lines.at(size_t(id)); }
    QTimer& tik() { return m_tik; }
    IdlePointer& idlePointer() { return m_idlePointer; }

    // Position of a control in twips as the layout left it.
    TwipsRect twipsGeometry(const QWidget* control) const;

    DrawingSurface& surface() { return m_surface; }
    void setBackColor(uint32_t bgr);
    void clearDrawing() override;

    // Scale and target sizes from the calibration; false (and the window hidden) when a
    // calibration length is out of range.
    bool PrepForm();
    // The spans, after PrepForm and PrepZona.
    void PrepSpans();
    const TargetSizes& sizes() const { return m_sizes; }
    const Spans& spans() const { return m_spans; }

    void Draw_Unifight(int32_t x, int32_t y);
    void Draw_Euro(int32_t x, int32_t y);
    void Draw_Krug(int32_t x, int32_t y);
    void Draw_Kvadrat(int32_t x, int32_t y);

    void PlaceTargets();
    void ShowNextTarget() override;
    void ShowTekTarget() override;
    const Series& series() const { return m_series; }
    ShowCycle& cycle() { return m_cycle; }

    // Handlers of the window's events, callable directly by tests.
    void knGoClick();
    void knKalibrovkaClick();
    void tikTimer() { m_cycle.tick(); }
    void keyTyped(int16_t characterCode);
    void closeMarkClick();

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
    friend struct StandDesign;

    void createControls();
    void place(QWidget* control, const TwipsRect& twips);
    void layOutControls();
    void recolourForBackground();
    platform::Answer askToStop();

    // What the show cycle asks of the window.
    void beep() override;
    void setTimerCaption(const QString& caption) override;
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
