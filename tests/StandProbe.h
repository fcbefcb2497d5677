#pragma once

#include "stand/window/frmStend.h"

// What tests and benchmarks read of the stand window, and the events they give it by hand:
// a tick of the show's timer, the start and calibration buttons.
class StandProbe {
public:
    explicit StandProbe(frmStend& stand)
        : m_stand(stand)
    {
    }

    void tick() { m_stand.m_cycle.tick(); }
    void knGoClick() { m_stand.knGoClick(); }
    void knKalibrovkaClick() { m_stand.knKalibrovkaClick(); }

    const ShowCycle& cycle() const { return m_stand.m_cycle; }
    QTimer& tik() { return m_stand.m_tik; }
    IdlePointer& idlePointer() { return m_stand.m_idlePointer; }
    const StandLine& line(LineId id) const { return m_stand.m_lines.at(size_t(id)); }
    const Lanes& lanes() const { return m_stand.m_lanes; }
    const DrawingSurface& surface() const { return m_stand.m_surface; }

private:
    frmStend& m_stand;
};
