#include "chart/readout.h"

#include "model/fault.h"

namespace brumelle {

std::string CursorReadout(const ChartSettings &settings, const ChartGeometry &geometry, int32_t x, int32_t y,
                          MoistAirState &scratch, const NumberSeparators &sep, const HourCells *hours)
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
    struct Field {
        const char *label;
        long double value;
        int decimals;
        const char *unit;
    };
    const Field fields[] = {{"TS = ", m.TS, 2, " °C"},          {"R = ", m.R * 1000, 2, " g/kgas"},
                            {"HR = ", m.HR, 2, " %"},           {"H = ", m.H, 2, " kJ/kgas"},
                            {"V = ", m.V, 4, " m3/kgas"},       {"TH = ", m.TH, 2, " °C"},
                            {"TR = ", m.TR, 2, " °C"}};
    // One string built in place: this runs at every pointer move.
    std::string text;
    text.reserve(192);
    for (const Field &f : fields) {
        if (!text.empty())
            text += "     ";
        text += f.label;
        AppendFixed(text, f.value, f.decimals, sep);
        text += f.unit;
    }
    if (const int32_t count = hours ? hours->HoursAt(m.TS, m.R) : 0; count > 0)
        text += "     Météo : " + std::to_string(count) + " h";
    return text;
}

} // namespace brumelle
