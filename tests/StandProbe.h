#pragma once

#include "stand/window/frmStend.h"

#include <QPushButton>

// What tests and benchmarks read of the stand window, a tick of the show's timer given by hand,
// and its two buttons clicked whether shown or not.
class StandProbe {
public:
    explicit StandProbe(frmStend& stand)
        : m_stand(stand)
    {
    }

    void tick() { m_stand.m_show.tick(); }
    void knGoClick() { m_stand.m_knGo->click(); }
    void knKalibrovkaClick() { m_stand.m_knKalibrovka->click(); }

    const Show& show() const { return m_stand.m_show; }
    const ShowCycle& cycle() const { return m_stand.m_show.cycle(); }
    const Lanes& lanes() const { return m_stand.m_show.lanes(); }
    QTimer& tik() { return m_stand.m_tik; }
    IdlePointer& idlePointer() { return m_stand.m_idlePointer; }
    const StandLine& line(LineId id) const { return m_stand.m_lines.at(size_t(id)); }
    const DrawingSurface& surface() const { return m_stand.m_surface; }

private:
    frmStend& m_stand;
};
