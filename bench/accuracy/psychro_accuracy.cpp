// psychro_accuracy: how far the moist-air equations of src/core/model/moist_air.cpp
// are from published reference tables.
//
// It compares, at the reference table's own pressure:
//   - the saturation vapour pressure SaturationPressure(t), from -40 to 50 °C;
//   - the wet-bulb temperature WetBulbFromPv(TS, Pv), for published psychrometer
//     readings (dry bulb, wet-bulb depression, relative humidity).
// and prints the deviations twice: as plain text, then as HTML table rows in
// the French number format, ready to paste into the "Précision" section of
// data/help/brumelle.html.
//
// Usage: brumelle_accuracy [--check]
//   --check  also exits with status 1 when a deviation leaves the bound that
//            the help file states (see kBound* below), so that a change of the
//            model that makes the help wrong does not go unnoticed.
//
// Every reference value below was copied by hand from the page cited next to
// it; none is computed. The tables in the ASHRAE Handbook - Fundamentals
// (chapter 1, Table 2: Ws, hs, pws at 101.325 kPa) could not be consulted
// when this program was written, so the saturation humidity ratio and the
// enthalpy of saturated air are not compared here (see the help file).

#include "model/fault.h"
#include "model/moist_air.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using brumelle::ComputeFault;
using brumelle::MoistAirState;

constexpr double kPaPerMmHg = 133.322387415; // conventional millimetre of mercury
constexpr double kPaPerKPa = 1000.0;

// ---------------------------------------------------------------------------
// Saturation vapour pressure.
//
// [CRC] Over liquid water. "Vapor Pressure of Water (Handbook of Chemistry and
//       Physics (1992-93))", values in kPa, as reproduced at
//       https://lcm91.tripod.com/documents/vp_H2O.htm
// [GE]  Over ice. GE Panametrics PM880 hygrometer manual, appendix A,
//       "Table A-1: Vapor Pressure of Water", part "Water Vapor Pressure Over
//       Ice", pages A-17 and A-18, values in mm Hg:
//       https://www.easymanua.ls/ge/pm880/manual?p=199 (-40 and -30 °C)
//       https://www.easymanua.ls/ge/pm880/manual?p=200 (-20 and -10 °C)
// ---------------------------------------------------------------------------
struct PressureReference {
    double tC;
    double refPa;
    const char *over;   // "glace" or "eau"
    const char *source; // short tag, see above
};

const std::vector<PressureReference> &PressureReferences()
{
    static const std::vector<PressureReference> refs = {
        {-40.0, 0.096600 * kPaPerMmHg, "glace", "GE"},
        {-30.0, 0.285900 * kPaPerMmHg, "glace", "GE"},
        {-20.0, 0.776 * kPaPerMmHg, "glace", "GE"},
        {-10.0, 1.950 * kPaPerMmHg, "glace", "GE"},
        {0.0, 0.61129 * kPaPerKPa, "eau", "CRC"},
        {10.0, 1.2281 * kPaPerKPa, "eau", "CRC"},
        {20.0, 2.3388 * kPaPerKPa, "eau", "CRC"},
        {30.0, 4.2455 * kPaPerKPa, "eau", "CRC"},
        {40.0, 7.3814 * kPaPerKPa, "eau", "CRC"},
        {50.0, 12.344 * kPaPerKPa, "eau", "CRC"},
    };
    return refs;
}

// ---------------------------------------------------------------------------
// Wet bulb. Each reference is a published psychrometer reading: dry bulb TS,
// wet-bulb depression TS - TH and the relative humidity the table gives for
// them, at the table's pressure. The model is given TS and that relative
// humidity and must find the wet bulb TS - depression.
//
// [USWB] "Relative Humidity Table", computed for a pressure of 74.27 cm Hg,
//        "condensed from Bulletin of the U.S. Weather Bureau No. 1071", as
//        reproduced by NovaLynx:
//        http://novalynx.com/store/pc/Relative-Humidity-Table-d44.htm
//        (only its rows below 0 °C could be read; relative humidity in whole %).
// [TM]   US Army technical manual TM 5-3610-285-14, worked example: dry bulb
//        68 °F, wet bulb 62 °F, relative humidity 71 %; the manual states no
//        pressure, 101 325 Pa is assumed.
//        https://topography.tpub.com/TM-5-3610-285-14/css/TM-5-3610-285-14_710.htm
// ---------------------------------------------------------------------------
struct WetBulbReference {
    double tsC;
    double depressionK;
    double hrPct;
    uint32_t patmPa;
    const char *source;
};

constexpr uint32_t kUswbPa = 99018; // 74.27 cm Hg

const std::vector<WetBulbReference> &WetBulbReferences()
{
    static const std::vector<WetBulbReference> refs = {
        {-10.0, 1.0, 67.0, kUswbPa, "USWB"},
        {-5.0, 2.0, 52.0, kUswbPa, "USWB"},
        {-1.0, 1.0, 81.0, kUswbPa, "USWB"},
        {-1.0, 4.0, 26.0, kUswbPa, "USWB"},
        {20.0, 10.0 / 3.0, 71.0, 101325, "TM"}, // 68 °F dry, 62 °F wet
    };
    return refs;
}

// Bounds that the help file states; --check fails when one is exceeded.
constexpr double kBoundWaterPct = 0.5;          // pws over water, 0 to 50 °C, in %
constexpr double kBoundIcePct = 45.0;           // pws below 0 °C against ice, in %
constexpr double kBoundWetBulbAboveZeroK = 0.2; // wet bulb, dry bulb above 0 °C, in K
constexpr double kBoundWetBulbBelowZeroK = 0.7; // wet bulb, dry bulb below 0 °C (iced wick), in K

// ---------------------------------------------------------------------------

struct PressureRow {
    PressureReference ref;
    double modelPa;
    double deltaPa;
    double deltaPct;
};

struct WetBulbRow {
    WetBulbReference ref;
    double refThC;
    double modelThC;
    double deltaK;
    bool ok;
};

std::string French(double v, int decimals)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    std::string s = buf;
    for (char &c : s)
        if (c == '.')
            c = ',';
    if (s[0] == '-')
        s = "&minus;" + s.substr(1);
    return s;
}

std::string FrenchSigned(double v, int decimals)
{
    std::string s = French(v, decimals);
    if (v >= 0)
        s = "+" + s;
    return s;
}

std::vector<PressureRow> ComparePressures()
{
    std::vector<PressureRow> rows;
    for (const PressureReference &r : PressureReferences()) {
        const double model = static_cast<double>(brumelle::SaturationPressure(r.tC));
        rows.push_back({r, model, model - r.refPa, 100.0 * (model - r.refPa) / r.refPa});
    }
    return rows;
}

std::vector<WetBulbRow> CompareWetBulbs()
{
    std::vector<WetBulbRow> rows;
    for (const WetBulbReference &r : WetBulbReferences()) {
        WetBulbRow row{r, r.tsC - r.depressionK, 0.0, 0.0, true};
        try {
            MoistAirState s;
            s.TS = r.tsC;
            s.Pv = brumelle::SaturationPressure(r.tsC) * r.hrPct / 100.0L;
            // As the calculators and the sizing do (double-precision psychrometric pressure).
            brumelle::WetBulbFromPv(s, r.patmPa, brumelle::PvPrecision::Double);
            row.modelThC = static_cast<double>(s.TH);
            row.deltaK = row.modelThC - row.refThC;
        } catch (const ComputeFault &) {
            row.ok = false;
        }
        rows.push_back(row);
    }
    return rows;
}

void PrintText(const std::vector<PressureRow> &p, const std::vector<WetBulbRow> &w)
{
    std::printf("Saturation vapour pressure: model SaturationPressure(t) against published tables\n");
    std::printf("%8s %-6s %-5s %12s %12s %10s %9s\n", "t (°C)", "over", "src", "ref (Pa)", "model (Pa)", "dP (Pa)",
                "dP (%)");
    for (const PressureRow &r : p)
        std::printf("%8.1f %-6s %-5s %12.2f %12.2f %+10.2f %+9.2f\n", r.ref.tC, r.ref.over, r.ref.source, r.ref.refPa,
                    r.modelPa, r.deltaPa, r.deltaPct);

    std::printf("\nWet bulb: model WetBulbFromPv(TS, HR x Pvs(TS)) against published psychrometer readings\n");
    std::printf("%8s %9s %7s %8s %-5s %10s %10s %9s\n", "TS (°C)", "TS-TH (K)", "HR (%)", "P (Pa)", "src",
                "TH ref", "TH model", "dTH (K)");
    for (const WetBulbRow &r : w) {
        if (r.ok)
            std::printf("%8.2f %9.2f %7.0f %8u %-5s %10.2f %10.2f %+9.2f\n", r.ref.tsC, r.ref.depressionK, r.ref.hrPct,
                        r.ref.patmPa, r.ref.source, r.refThC, r.modelThC, r.deltaK);
        else
            std::printf("%8.2f %9.2f %7.0f %8u %-5s %10.2f %10s %9s\n", r.ref.tsC, r.ref.depressionK, r.ref.hrPct,
                        r.ref.patmPa, r.ref.source, r.refThC, "fault", "-");
    }
}

void PrintHtml(const std::vector<PressureRow> &p, const std::vector<WetBulbRow> &w)
{
    std::printf("\n<!-- Pression de vapeur saturante : t, référence, source, modèle, écart Pa, écart %% -->\n");
    for (const PressureRow &r : p)
        std::printf("<tr><td>%s</td><td>%s (%s)</td><td>%s</td><td>%s</td><td>%s</td><td>%s</td></tr>\n",
                    French(r.ref.tC, 0).c_str(), French(r.ref.refPa, 2).c_str(), r.ref.over, r.ref.source,
                    French(r.modelPa, 2).c_str(), FrenchSigned(r.deltaPa, 2).c_str(),
                    FrenchSigned(r.deltaPct, 2).c_str());

    std::printf("\n<!-- Température humide : TS, TS - TH, HR, pression, source, TH référence, TH modèle, écart K -->\n");
    for (const WetBulbRow &r : w)
        std::printf("<tr><td>%s</td><td>%s</td><td>%s</td><td>%u</td><td>%s</td><td>%s</td><td>%s</td><td>%s</td></tr>\n",
                    French(r.ref.tsC, 2).c_str(), French(r.ref.depressionK, 2).c_str(), French(r.ref.hrPct, 0).c_str(),
                    r.ref.patmPa, r.ref.source, French(r.refThC, 2).c_str(),
                    r.ok ? French(r.modelThC, 2).c_str() : "&mdash;", r.ok ? FrenchSigned(r.deltaK, 2).c_str() : "&mdash;");
}

} // namespace

int main(int argc, char **argv)
{
    const bool check = argc > 1 && std::strcmp(argv[1], "--check") == 0;
    if (argc > 2 || (argc == 2 && !check)) {
        std::fprintf(stderr, "usage: %s [--check]\n", argv[0]);
        return 2;
    }

    const std::vector<PressureRow> p = ComparePressures();
    const std::vector<WetBulbRow> w = CompareWetBulbs();
    PrintText(p, w);
    PrintHtml(p, w);

    double maxWater = 0, maxIce = 0, maxWetWarm = 0, maxWetCold = 0;
    bool faults = false;
    for (const PressureRow &r : p) {
        double &m = r.ref.tC < 0 ? maxIce : maxWater;
        m = std::fmax(m, std::fabs(r.deltaPct));
    }
    for (const WetBulbRow &r : w) {
        faults = faults || !r.ok;
        if (!r.ok)
            continue;
        double &m = r.ref.tsC < 0 ? maxWetCold : maxWetWarm;
        m = std::fmax(m, std::fabs(r.deltaK));
    }
    std::printf("\nMaximum |deviation|: pws over water (0 to 50 °C) %.2f %%, pws against ice (-40 to -10 °C) %.1f %%,\n"
                "wet bulb with TS above 0 °C %.2f K, with TS below 0 °C %.2f K%s\n",
                maxWater, maxIce, maxWetWarm, maxWetCold, faults ? " (some wet-bulb searches faulted)" : "");

    if (check && (faults || maxWater > kBoundWaterPct || maxIce > kBoundIcePct || maxWetWarm > kBoundWetBulbAboveZeroK ||
                  maxWetCold > kBoundWetBulbBelowZeroK)) {
        std::fprintf(stderr, "deviation beyond the bounds stated in the help file\n");
        return 1;
    }
    return 0;
}
