// psychro_accuracy: how far the moist-air equations of src/core/model/ are
// from published reference values.
//
// It compares, at each reference's own pressure:
//   - with the ASHRAE Handbook - Fundamentals 2017 (SI), chapter 1: the
//     saturation pressure SaturationPressure(t) from -60 to 150 °C (table 3),
//     the humidity ratio and the enthalpy of saturated air from -50 to 85 °C
//     (table 2), dry air at 25 °C, and the chapter's example 1 solved by the
//     "Un point" calculation from its dry and wet bulbs;
//   - the saturation vapour pressure against two other tables, from -40 to 50 °C;
//   - the wet-bulb temperature WetBulbFromPv(TS, Pv), for published psychrometer
//     readings (dry bulb, wet-bulb depression, relative humidity);
// and prints the deviations twice: as plain text, then as HTML table rows in
// the French number format, ready to paste into the "Précision" section of
// data/help/brumelle.html.
//
// Usage: brumelle_accuracy [--check [HELP.html]]
//   --check  also exits with status 1 when a deviation leaves the bound that
//            the help file states (see kBound* below), or when HELP.html lacks
//            one of the HTML rows printed, so that a change of the model that
//            makes the help wrong does not go unnoticed.
//
// Every reference value below was copied by hand from the source cited next
// to it; none is computed.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calculations.h"
#include "calculators/evolutions.h"
#include "model/fault.h"
#include "model/moist_air.h"
#include "presentation/messages.h"
#include "presentation/number_format.h"
#include "program_state.h"

namespace {

using brumelle::ComputeFault;
using brumelle::MoistAirState;

constexpr double kPaPerMmHg = 133.322387415; // conventional millimetre of mercury
constexpr double kPaPerKPa = 1000.0;

// ---------------------------------------------------------------------------
// [ASHRAE] ASHRAE Handbook - Fundamentals 2017 (SI), chapter 1 "Psychrometrics",
//          tables 2 and 3 and example 1, as quoted value by value in the test
//          suite of PsychroLib 2.x (tests/test_psychrolib_si.py), which checks
//          its own functions against them. Each value is kept as the text
//          printed there, so the help shows it with its published digits.
// ---------------------------------------------------------------------------

// Table 3: saturation pressure of water vapour, over ice below 0 °C.
struct AshraePressure {
    double tC;
    const char *pwsPa;
    const char *over; // "glace" or "eau"
};

const std::vector<AshraePressure> &AshraeTable3()
{
    static const std::vector<AshraePressure> refs = {
        {-60.0, "1.08", "glace"},  {-20.0, "103.24", "glace"},  {-5.0, "401.74", "glace"},
        {5.0, "872.6", "eau"},     {25.0, "3169.7", "eau"},     {50.0, "12351.3", "eau"},
        {100.0, "101418.0", "eau"}, {150.0, "476101.4", "eau"},
    };
    return refs;
}

// Table 2: moist air at saturation at 101.325 kPa, over ice below 0 °C. Ws in
// kg of water per kg of dry air, hs in J/kg of dry air (zero for dry air at 0 °C).
struct AshraeSaturation {
    double tC;
    const char *wsKgKg;
    const char *hsJKg;
};

const std::vector<AshraeSaturation> &AshraeTable2()
{
    static const std::vector<AshraeSaturation> refs = {
        {-50.0, "0.0000243", "-50222"}, {-20.0, "0.0006373", "-18542"}, {-5.0, "0.0024863", "1164"},
        {5.0, "0.005425", "18639"},     {25.0, "0.020173", "76504"},    {50.0, "0.086863", "275353"},
        {85.0, "0.838105", "2307539"},
    };
    return refs;
}

// Table 2's dry air at 25 °C, 101.325 kPa: enthalpy in J/kg, volume in m3/kg.
constexpr double kAshraeDryAirTC = 25.0;
constexpr const char *kAshraeDryAirHJKg = "25148";
constexpr const char *kAshraeDryAirVM3Kg = "0.8443";

// Example 1: dry bulb 40 °C, thermodynamic wet bulb 20 °C, 101.325 kPa. The
// Handbook's answer, in the units the program shows (W = 0.0065 kg/kg).
constexpr const char *kExampleTS = "40";
constexpr const char *kExampleTH = "20";
struct ExampleFigure {
    const char *name;    // as the help names it
    int row;             // row of grille_un_point
    const char *ashrae;  // the Handbook's figure
    const char *approx;  // "&asymp; " where the Handbook gives an approximation
    int deltaDecimals;   // of the deviation shown
};

const std::vector<ExampleFigure> &ExampleAnswer()
{
    static const std::vector<ExampleFigure> figures = {
        {"Humidité spécifique R (g/kgas)", 3, "6.5", "", 2},
        {"Température de rosée TR (°C)", 7, "7", "&asymp; ", 2},
        {"Hygrométrie HR (%)", 2, "14", "", 1},
        {"Enthalpie H (kJ/kgas)", 4, "56.7", "", 2},
        {"Volume massique V (m<sup>3</sup>/kgas)", 5, "0.896", "", 4},
    };
    return figures;
}

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
constexpr double kBoundAshraeWaterPct = 0.5;     // ASHRAE pws over water, 5 to 50 °C, in %
constexpr double kBoundAshraeSaturatedPct = 1.0; // ASHRAE Ws and hs, 5 to 50 °C, in %

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

struct AshraePressureRow {
    AshraePressure ref;
    double modelPa, deltaPa, deltaPct;
};

struct AshraeSaturationRow {
    AshraeSaturation ref;
    double wsModelG, wsDeltaG, wsDeltaPct; // g/kgas
    double hsModelKJ, hsDeltaKJ;           // kJ/kgas
};

struct ExampleRow {
    ExampleFigure figure;
    std::string shown; // as "Un point" shows it
    double delta;      // model before rounding minus the Handbook's figure
};

double Number(const char *text) { return std::strtod(text, nullptr); }

// Digits after the decimal point of a published figure.
int DecimalsOf(const char *text)
{
    const char *dot = std::strchr(text, '.');
    return dot ? static_cast<int>(std::strlen(dot + 1)) : 0;
}

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

// A published figure in a unit 1000 times larger (kg/kg to g/kg, J to kJ),
// with all its digits and none added.
std::string FrenchPublishedTimes1000(const char *text) { return French(Number(text) * 1000.0, DecimalsOf(text) - 3); }
std::string FrenchPublishedPer1000(const char *text) { return French(Number(text) / 1000.0, DecimalsOf(text) + 3); }
std::string FrenchPublished(const char *text) { return French(Number(text), DecimalsOf(text)); }

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

constexpr uint32_t kAshraePa = 101325;

std::vector<AshraePressureRow> CompareAshraePressures()
{
    std::vector<AshraePressureRow> rows;
    for (const AshraePressure &r : AshraeTable3()) {
        const long double model = brumelle::SaturationPressure(r.tC);
        const long double ref = Number(r.pwsPa);
        rows.push_back({r, static_cast<double>(model), static_cast<double>(model - ref),
                        static_cast<double>(100.0L * (model - ref) / ref)});
    }
    return rows;
}

std::vector<AshraeSaturationRow> CompareAshraeSaturation()
{
    std::vector<AshraeSaturationRow> rows;
    for (const AshraeSaturation &r : AshraeTable2()) {
        const long double ws = brumelle::SaturationHumidityRatio(r.tC, kAshraePa);
        const long double hs = brumelle::Enthalpy(r.tC, ws);
        const long double wsRef = Number(r.wsKgKg), hsRef = Number(r.hsJKg) / 1000.0L;
        rows.push_back({r, static_cast<double>(1000.0L * ws), static_cast<double>(1000.0L * (ws - wsRef)),
                        static_cast<double>(100.0L * (ws - wsRef) / wsRef), static_cast<double>(hs),
                        static_cast<double>(hs - hsRef)});
    }
    return rows;
}

// The calculations' messages, which a reference point should never raise.
class CollectedMessages : public brumelle::Messages {
public:
    void information(const std::string &t) override { texts.push_back(t); }
    void message(const std::string &t) override { texts.push_back(t); }
    void error(const std::string &t) override { texts.push_back(t); }
    bool confirm(const std::string &t) override
    {
        texts.push_back(t);
        return false;
    }
    Answer ask(const std::string &t) override
    {
        texts.push_back(t);
        return Answer::Cancel;
    }
    std::vector<std::string> texts;
};

// Example 1 typed into "Un point" as a user would (dry bulb and wet bulb, the
// default 101325 Pa), with the figures the grid then shows. Empty when the
// calculation refuses the point.
std::vector<ExampleRow> SolveAshraeExample(std::string &problem)
{
    brumelle::ProgramState state;
    CollectedMessages messages;
    const brumelle::NumberSeparators french{",", "\xE2\x80\xAF"};
    brumelle::Evolutions evolutions(state.evolutions, brumelle::EvolutionsContext(state), messages, [] {}, french);
    brumelle::ResultGrid &grid = state.evolutions.grille_un_point;
    grid.SetCell(1, 1, kExampleTS);
    grid.SetCell(1, 6, kExampleTH);
    evolutions.SolvePoint();
    if (!messages.texts.empty()) {
        problem = messages.texts.front();
        return {};
    }

    const MoistAirState &p = state.EvolutionState;
    std::vector<ExampleRow> rows;
    for (const ExampleFigure &f : ExampleAnswer()) {
        long double model = 0;
        switch (f.row) {
        case 2: model = p.HR; break;
        case 3: model = 1000.0L * p.R; break;
        case 4: model = p.H; break;
        case 5: model = p.V; break;
        default: model = p.TR; break;
        }
        std::string shown = grid.Cell(1, f.row);
        rows.push_back({f, shown, static_cast<double>(model - Number(f.ashrae))});
    }
    return rows;
}

struct Comparisons {
    std::vector<AshraePressureRow> ashraePressures;
    std::vector<AshraeSaturationRow> ashraeSaturation;
    double dryAirH, dryAirV; // model, at 25 °C and 101325 Pa
    std::vector<ExampleRow> example;
    std::string exampleProblem;
    std::vector<PressureRow> pressures;
    std::vector<WetBulbRow> wetBulbs;
};

void PrintText(const Comparisons &c)
{
    std::printf("ASHRAE Handbook 2017, ch. 1, table 3: saturation pressure (over ice below 0 °C)\n");
    std::printf("%8s %-6s %12s %12s %10s %9s\n", "t (°C)", "over", "ref (Pa)", "model (Pa)", "dP (Pa)", "dP (%)");
    for (const AshraePressureRow &r : c.ashraePressures)
        std::printf("%8.1f %-6s %12s %12.2f %+10.2f %+9.2f\n", r.ref.tC, r.ref.over, r.ref.pwsPa, r.modelPa, r.deltaPa,
                    r.deltaPct);

    std::printf("\nASHRAE Handbook 2017, ch. 1, table 2: saturated air at 101325 Pa (over ice below 0 °C)\n");
    std::printf("%8s %12s %12s %10s %9s %11s %11s %9s\n", "t (°C)", "Ws ref g/kg", "Ws model", "dWs", "dWs (%)",
                "hs ref kJ/kg", "hs model", "dhs");
    for (const AshraeSaturationRow &r : c.ashraeSaturation)
        std::printf("%8.1f %12.4f %12.4f %+10.4f %+9.2f %11.3f %11.3f %+9.3f\n", r.ref.tC, 1000.0 * Number(r.ref.wsKgKg),
                    r.wsModelG, r.wsDeltaG, r.wsDeltaPct, Number(r.ref.hsJKg) / 1000.0, r.hsModelKJ, r.hsDeltaKJ);
    std::printf("dry air at 25 °C: h ref %s J/kg, model %.3f kJ/kg; v ref %s m3/kg, model %.5f m3/kg\n",
                kAshraeDryAirHJKg, c.dryAirH, kAshraeDryAirVM3Kg, c.dryAirV);

    std::printf("\nASHRAE Handbook 2017, ch. 1, example 1: TS %s °C, TH %s °C, 101325 Pa, solved by \"Un point\"\n",
                kExampleTS, kExampleTH);
    if (!c.exampleProblem.empty())
        std::printf("  refused: %s\n", c.exampleProblem.c_str());
    for (const ExampleRow &r : c.example)
        std::printf("  row %d: ref %s, shown %s, deviation %+.*f\n", r.figure.row, r.figure.ashrae, r.shown.c_str(),
                    r.figure.deltaDecimals, r.delta);

    std::printf("\nSaturation vapour pressure: model SaturationPressure(t) against published tables\n");
    std::printf("%8s %-6s %-5s %12s %12s %10s %9s\n", "t (°C)", "over", "src", "ref (Pa)", "model (Pa)", "dP (Pa)",
                "dP (%)");
    for (const PressureRow &r : c.pressures)
        std::printf("%8.1f %-6s %-5s %12.2f %12.2f %+10.2f %+9.2f\n", r.ref.tC, r.ref.over, r.ref.source, r.ref.refPa,
                    r.modelPa, r.deltaPa, r.deltaPct);

    std::printf("\nWet bulb: model WetBulbFromPv(TS, HR x Pvs(TS)) against published psychrometer readings\n");
    std::printf("%8s %9s %7s %8s %-5s %10s %10s %9s\n", "TS (°C)", "TS-TH (K)", "HR (%)", "P (Pa)", "src",
                "TH ref", "TH model", "dTH (K)");
    for (const WetBulbRow &r : c.wetBulbs) {
        if (r.ok)
            std::printf("%8.2f %9.2f %7.0f %8u %-5s %10.2f %10.2f %+9.2f\n", r.ref.tsC, r.ref.depressionK, r.ref.hrPct,
                        r.ref.patmPa, r.ref.source, r.refThC, r.modelThC, r.deltaK);
        else
            std::printf("%8.2f %9.2f %7.0f %8u %-5s %10.2f %10s %9s\n", r.ref.tsC, r.ref.depressionK, r.ref.hrPct,
                        r.ref.patmPa, r.ref.source, r.refThC, "fault", "-");
    }
}

// The HTML rows, in the order of the help's tables.
std::vector<std::string> HtmlRows(const Comparisons &c)
{
    std::vector<std::string> rows;
    char buf[1024];
    for (const AshraePressureRow &r : c.ashraePressures) {
        std::snprintf(buf, sizeof buf, "<tr><td>%s</td><td>%s (%s)</td><td>%s</td><td>%s</td><td>%s</td></tr>",
                      French(r.ref.tC, 0).c_str(), FrenchPublished(r.ref.pwsPa).c_str(), r.ref.over,
                      French(r.modelPa, 2).c_str(), FrenchSigned(r.deltaPa, 2).c_str(),
                      FrenchSigned(r.deltaPct, 2).c_str());
        rows.push_back(buf);
    }
    for (const AshraeSaturationRow &r : c.ashraeSaturation) {
        std::snprintf(buf, sizeof buf,
                      "<tr><td>%s</td><td>%s</td><td>%s</td><td>%s</td><td>%s</td><td>%s</td><td>%s</td><td>%s</td></tr>",
                      French(r.ref.tC, 0).c_str(), FrenchPublishedTimes1000(r.ref.wsKgKg).c_str(),
                      French(r.wsModelG, 4).c_str(), FrenchSigned(r.wsDeltaG, 4).c_str(),
                      FrenchSigned(r.wsDeltaPct, 2).c_str(), FrenchPublishedPer1000(r.ref.hsJKg).c_str(),
                      French(r.hsModelKJ, 3).c_str(), FrenchSigned(r.hsDeltaKJ, 3).c_str());
        rows.push_back(buf);
    }
    const double hRef = Number(kAshraeDryAirHJKg) / 1000.0, vRef = Number(kAshraeDryAirVM3Kg);
    std::snprintf(buf, sizeof buf, "<tr><td>Enthalpie (kJ/kgas)</td><td>%s</td><td>%s</td><td>%s</td></tr>",
                  FrenchPublishedPer1000(kAshraeDryAirHJKg).c_str(), French(c.dryAirH, 3).c_str(),
                  FrenchSigned(c.dryAirH - hRef, 3).c_str());
    rows.push_back(buf);
    std::snprintf(buf, sizeof buf, "<tr><td>Volume massique (m<sup>3</sup>/kgas)</td><td>%s</td><td>%s</td><td>%s</td></tr>",
                  FrenchPublished(kAshraeDryAirVM3Kg).c_str(), French(c.dryAirV, 5).c_str(),
                  FrenchSigned(c.dryAirV - vRef, 5).c_str());
    rows.push_back(buf);
    for (const ExampleRow &r : c.example) {
        std::snprintf(buf, sizeof buf, "<tr><td>%s</td><td>%s%s</td><td>%s</td><td>%s</td></tr>", r.figure.name,
                      r.figure.approx, FrenchPublished(r.figure.ashrae).c_str(), r.shown.c_str(),
                      FrenchSigned(r.delta, r.figure.deltaDecimals).c_str());
        rows.push_back(buf);
    }
    for (const PressureRow &r : c.pressures) {
        std::snprintf(buf, sizeof buf, "<tr><td>%s</td><td>%s (%s)</td><td>%s</td><td>%s</td><td>%s</td><td>%s</td></tr>",
                      French(r.ref.tC, 0).c_str(), French(r.ref.refPa, 2).c_str(), r.ref.over, r.ref.source,
                      French(r.modelPa, 2).c_str(), FrenchSigned(r.deltaPa, 2).c_str(),
                      FrenchSigned(r.deltaPct, 2).c_str());
        rows.push_back(buf);
    }
    for (const WetBulbRow &r : c.wetBulbs) {
        std::snprintf(buf, sizeof buf,
                      "<tr><td>%s</td><td>%s</td><td>%s</td><td>%u</td><td>%s</td><td>%s</td><td>%s</td><td>%s</td></tr>",
                      French(r.ref.tsC, 2).c_str(), French(r.ref.depressionK, 2).c_str(), French(r.ref.hrPct, 0).c_str(),
                      r.ref.patmPa, r.ref.source, French(r.refThC, 2).c_str(),
                      r.ok ? French(r.modelThC, 2).c_str() : "&mdash;", r.ok ? FrenchSigned(r.deltaK, 2).c_str() : "&mdash;");
        rows.push_back(buf);
    }
    return rows;
}

// Largest |deviation| of the rows that pass `keep`.
template <typename Row, typename Keep, typename Deviation>
double MaxAbs(const std::vector<Row> &rows, Keep keep, Deviation deviation)
{
    double m = 0;
    for (const Row &r : rows)
        if (keep(r))
            m = std::fmax(m, std::fabs(deviation(r)));
    return m;
}

// The largest deviations, by quantity and reference.
struct Maxima {
    double ashraeWaterPct, crcWaterPct; // pws over water, 0 to 50 °C
    double ashraeIcePct, geIcePct;      // pws below 0 °C against ice
    double wsPct, hsKJ, hsPct;          // ASHRAE Ws and hs, 5 to 50 °C
    double wetWarmK, wetColdK;          // wet bulb, dry bulb above and below 0 °C
};

Maxima MaximaOf(const Comparisons &c)
{
    auto water = [](const auto &r) { return r.ref.tC >= 0 && r.ref.tC <= 50; };
    auto ice = [](const auto &r) { return r.ref.tC < 0; };
    auto pct = [](const auto &r) { return r.deltaPct; };
    auto wetK = [](const WetBulbRow &r) { return r.deltaK; };
    Maxima m;
    m.ashraeWaterPct = MaxAbs(c.ashraePressures, water, pct);
    m.crcWaterPct = MaxAbs(c.pressures, water, pct);
    m.ashraeIcePct = MaxAbs(c.ashraePressures, ice, pct);
    m.geIcePct = MaxAbs(c.pressures, ice, pct);
    m.wsPct = MaxAbs(c.ashraeSaturation, water, [](const AshraeSaturationRow &r) { return r.wsDeltaPct; });
    m.hsKJ = MaxAbs(c.ashraeSaturation, water, [](const AshraeSaturationRow &r) { return r.hsDeltaKJ; });
    m.hsPct = MaxAbs(c.ashraeSaturation, water,
                     [](const AshraeSaturationRow &r) { return 100.0 * r.hsDeltaKJ / (Number(r.ref.hsJKg) / 1000.0); });
    m.wetWarmK = MaxAbs(c.wetBulbs, [](const WetBulbRow &r) { return r.ok && r.ref.tsC >= 0; }, wetK);
    m.wetColdK = MaxAbs(c.wetBulbs, [](const WetBulbRow &r) { return r.ok && r.ref.tsC < 0; }, wetK);
    return m;
}

// The rows of the "Écarts maximaux" table.
std::vector<std::string> SummaryRows(const Maxima &m)
{
    struct Summary {
        const char *quantity, *reference, *range;
        double value;
        int decimals;
        const char *unit;
    };
    const Summary table[] = {
        {"Pression de vapeur saturante (eau)", "ASHRAE, table 3", "5 à 50 °C", m.ashraeWaterPct, 2, "%"},
        {"Pression de vapeur saturante (eau)", "CRC", "0 à 50 °C", m.crcWaterPct, 2, "%"},
        {"Pression de vapeur saturante (glace)", "ASHRAE, table 3", "&minus;60 à &minus;5 °C", m.ashraeIcePct, 2, "%"},
        {"Pression de vapeur saturante (glace)", "GE", "&minus;40 à &minus;10 °C", m.geIcePct, 2, "%"},
        {"Humidité spécifique à saturation Ws", "ASHRAE, table 2", "5 à 50 °C", m.wsPct, 2, "%"},
        {"Enthalpie de l'air saturé hs", "ASHRAE, table 2", "5 à 50 °C", m.hsKJ, 3, "kJ/kgas"},
        {"Température humide", "TM", "TS au-dessus de 0 °C (1 point)", m.wetWarmK, 2, "K"},
        {"Température humide", "USWB", "TS au-dessous de 0 °C", m.wetColdK, 2, "K"},
    };
    std::vector<std::string> rows;
    for (const Summary &r : table)
        rows.push_back(std::string("<tr><td>") + r.quantity + "</td><td>" + r.reference + "</td><td>" + r.range +
                       "</td><td>" + French(r.value, r.decimals) + " " + r.unit + "</td></tr>");
    return rows;
}

// The rows of the help file missing from it, or the file's name when it cannot be read.
std::vector<std::string> MissingFromHelp(const std::vector<std::string> &rows, const char *helpPath)
{
    std::ifstream in(helpPath, std::ios::binary);
    if (!in)
        return {std::string("cannot read ") + helpPath};
    std::ostringstream text;
    text << in.rdbuf();
    const std::string help = text.str();
    std::vector<std::string> missing;
    for (const std::string &row : rows)
        if (help.find(row) == std::string::npos)
            missing.push_back(row);
    return missing;
}

} // namespace

int main(int argc, char **argv)
{
    const bool check = argc > 1 && std::strcmp(argv[1], "--check") == 0;
    if (argc > 3 || (argc >= 2 && !check)) {
        std::fprintf(stderr, "usage: %s [--check [HELP.html]]\n", argv[0]);
        return 2;
    }
    const char *helpPath = argc == 3 ? argv[2] : nullptr;

    Comparisons c;
    c.ashraePressures = CompareAshraePressures();
    c.ashraeSaturation = CompareAshraeSaturation();
    c.dryAirH = static_cast<double>(brumelle::Enthalpy(kAshraeDryAirTC, 0.0L));
    c.dryAirV = static_cast<double>(brumelle::SpecificVolume(kAshraeDryAirTC, 0.0L, kAshraePa));
    c.example = SolveAshraeExample(c.exampleProblem);
    c.pressures = ComparePressures();
    c.wetBulbs = CompareWetBulbs();
    PrintText(c);
    const Maxima m = MaximaOf(c);
    std::vector<std::string> rows = HtmlRows(c);
    for (const std::string &row : SummaryRows(m))
        rows.push_back(row);
    std::printf("\n<!-- Rows of the \"Précision\" tables, in the order of the help -->\n");
    for (const std::string &row : rows)
        std::printf("%s\n", row.c_str());

    bool faults = !c.exampleProblem.empty();
    for (const WetBulbRow &r : c.wetBulbs)
        faults = faults || !r.ok;
    std::printf("\nMaximum |deviation|: pws over water (0 to 50 °C) %.2f %% (ASHRAE from 5 °C: %.2f %%), pws against\n"
                "ice (-40 to -10 °C) %.1f %%, ASHRAE Ws and hs at saturation (5 to 50 °C) %.2f %% and %.2f %%,\n"
                "wet bulb with TS above 0 °C %.2f K, with TS below 0 °C %.2f K%s\n",
                m.crcWaterPct, m.ashraeWaterPct, m.geIcePct, m.wsPct, m.hsPct, m.wetWarmK, m.wetColdK,
                faults ? " (some computations faulted)" : "");

    if (!check)
        return 0;
    bool failed = false;
    if (faults || m.crcWaterPct > kBoundWaterPct || m.geIcePct > kBoundIcePct || m.wetWarmK > kBoundWetBulbAboveZeroK ||
        m.wetColdK > kBoundWetBulbBelowZeroK || m.ashraeWaterPct > kBoundAshraeWaterPct ||
        m.wsPct > kBoundAshraeSaturatedPct || m.hsPct > kBoundAshraeSaturatedPct) {
        std::fprintf(stderr, "deviation beyond the bounds stated in the help file\n");
        failed = true;
    }
    if (helpPath)
        for (const std::string &row : MissingFromHelp(rows, helpPath)) {
            std::fprintf(stderr, "not in %s: %s\n", helpPath, row.c_str());
            failed = true;
        }
    return failed ? 1 : 0;
}
