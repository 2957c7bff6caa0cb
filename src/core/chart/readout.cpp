#include "readout.h"

#include "model/fault.h"

namespace brumelle {

std::string CursorReadout(const ChartSettings &settings, const ChartGeometry &geometry, int32_t x, int32_t y,
                          MoistAirState &scratch, const NumberSeparators &sep)
{
    if (!geometry.Drawable())
        return {};
    const uint32_t patm = settings.Patm;
    MoistAirState &m = scratch;
    try {
        m.TS = geometry.TSAtPixel(x);
        m.R = geometry.RAtPixel(y);
        m.Pvs = SaturationPressure(m.TS);
        m.H = Enthalpy(m.TS, m.R);
        m.V = SpecificVolume(m.TS, m.R, patm);
        m.Pv = PvFromHumidityRatio(m.R, patm);
        m.HR = checked::div(100.0L * m.Pv, m.Pvs, "CursorReadout");
        // Beyond the saturation curve or outside the plot; the edges are inside.
        if (m.HR > 100 || m.TS > settings.TS.Maxi || m.R * 1000 < settings.R.Mini || m.TS < settings.TS.Mini ||
            m.R * 1000 > settings.R.Maxi)
            return {};
        DewPointFromPv(m);
        WetBulbFromPv(m, patm, PvPrecision::Single);
        CheckPhysical(m);
    } catch (const ComputeFault &) {
        return {};
    }
    const std::string gap = "     ";
    return "TS = " + FormatFixed(m.TS, 2, sep) + " °C" + gap +
           "R = " + FormatFixed(m.R * 1000, 2, sep) + " g/kgas" + gap +
           "HR = " + FormatFixed(m.HR, 2, sep) + " %" + gap +
           "H = " + FormatFixed(m.H, 2, sep) + " kJ/kgas" + gap +
           "V = " + FormatFixed(m.V, 4, sep) + " m3/kgas" + gap +
           "TH = " + FormatFixed(m.TH, 2, sep) + " °C" + gap +
           "TR = " + FormatFixed(m.TR, 2, sep) + " °C";
}

} // namespace brumelle
