#pragma once

#include "DrawingSurface.h"
#include "StandLayout.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <utility>
#include <vector>
#include <cstdint>

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
class frmStend : public QWidget {
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

    // Position of a control in twips as the layout left it.
    TwipsRect twipsGeometry(const QWidget* control) const;

    DrawingSurface& surface() { return m_surface; }
    void setBackColor(uint32_t bgr);
    void clearDrawing();

signals:
    // The window has been hidden by the program (not minimised).
    void hidden();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    friend struct StandDesign;

    void createControls();
    void place(QWidget* control, const TwipsRect& twips);
    void layOutControls();

    Base& m_base;
    platform::Platform& m_platform;
    DrawingSurface m_surface;
    Lanes m_lanes;
    std::array<StandLine, kLineCount> m_lines;
    std::vector<std::pair<const QWidget*, TwipsRect>> m_geometry;
    QTimer m_tik;

    QPushButton* m_knStopKalibr = nullptr;
    QPushButton* m_knKalibrovka = nullptr;
    QPushButton* m_knGo = nullptr;
    QLabel* m_labExit0 = nullptr;
    QLabel* m_labExit1 = nullptr;
    QLabel* m_labMsg = nullptr;
    QLabel* m_labTimer = nullptr;
};
