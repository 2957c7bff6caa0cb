// The AHU sizing, second half: from the treatment inlet (the air leaving the
// fresh-air stage) to the supply point, the coils, the humidifier, their
// points and the equipment block that ends the result grid.
#include "calculators/calculation_steps.h"
#include "model/fault.h"
#include "sizing/ahu_sizing.h"
#include "sizing/sizing_messages.h"

namespace brumelle {

namespace {
constexpr long double kEfficiencyLimit = 0.95L;
constexpr long double kSurfaceStepK = 0.01L;
} // namespace

std::string AhuSizing::Power(long double kW) const
{
    return FormatFixed(checked::finite(kW, "power"), 2, sep_) + " [kW]";
}

void AhuSizing::AppendFlows(Block &rows) const
{
    rows.push_back({"Qm soufflage", FormatFixed(Qm_, 2, sep_) + " [kg/s]"});
    rows.push_back({"Qv soufflage", FormatFixed(QvSoufflage_ * 3600.0L, 2, sep_) + " [m3/h]"});
    rows.push_back({"Qv air neuf", FormatFixed(QvAN_ * 3600.0L, 2, sep_) + " [m3/h]"});
}

void AhuSizing::WriteBlock(int col, const Block &rows)
{
    ResultGrid &g = d_.grille_resultats;
    g.SetColWidth(col, 80);
    g.SetColWidth(col + 1, 75);
    g.SetCell(col, 0, "Caractéristiques");
    g.SetCell(col + 1, 0, "des matériels");
    // Every row below the last label is empty, the pressure row included.
    for (int row = 1; row < g.RowCount(); ++row) {
        const bool filled = static_cast<size_t>(row) <= rows.size();
        g.SetCell(col, row, filled ? rows[static_cast<size_t>(row - 1)].first : "");
        g.SetCell(col + 1, row, filled ? rows[static_cast<size_t>(row - 1)].second : "");
    }
}

void AhuSizing::Humidify(const char *waterLabel, bool coil, bool heating)
{
    const Point &in = inlet_;
    Block rows;
    if (coil) {
        const long double hOut = ctx_.point.H; // the coil outlet just computed
        rows.push_back({heating ? "Puissance BC" : "Puissance BFS",
                        Power(heating ? (hOut - in.H) * Qm_ : (in.H - hOut) * Qm_)});
    }
    const long double waterKgH = checked::finite((rSou_ - in.R) * Qm_ * 3600.0L, "water flow");
    rows.push_back({waterLabel, FormatFixed(waterKgH, 2, sep_) + " [kge/h]"});
    AppendFlows(rows);
    SetColCount(k_ + (coil ? 3 : 2));
    if (coil)
        WritePoint(k_, heating ? "Sortie BC" : "Sortie BFS", Keep());
    WriteBlock(coil ? k_ + 1 : k_, rows);
}

void AhuSizing::Treatment()
{
    MoistAirState &p = ctx_.point;
    const Point &in = inlet_;
    const long double qm = Qm_;

    if (in.R < rSou_) {
        // Humidification.
        if (!d_.R_Lav && !d_.R_Vap)
            throw StopRun{kNoHumidifier};
        if (d_.R_Lav) {
            // The washer humidifies at constant enthalpy: a coil first brings
            // the inlet to the supply's enthalpy.
            const bool coil = in.H != hSou_;
            d_.TreatmentMode = coil ? 1 : 2;
            if (coil)
                PointFromHR(p, hSou_, in.R, patm_);
            Humidify("Débit Laveur", coil, in.H < hSou_);
        }
        if (d_.R_Vap) {
            // Steam humidifies at constant dry bulb: a coil first brings the
            // inlet to the supply's temperature.
            const bool coil = in.TS != tsSoufflage_;
            d_.TreatmentMode = coil ? 1 : 2;
            if (coil)
                PointFromTsR(p, tsSoufflage_, in.R, patm_);
            Humidify("Débit Vapeur", coil, in.TS < tsSoufflage_);
        }
    } else if (in.R == rSou_) {
        // Same humidity: one dry coil, or nothing at all to do.
        d_.TreatmentMode = 2;
        Block rows;
        if (in.TS < tsSoufflage_)
            rows.push_back({"Puissance BC", Power((hSou_ - in.H) * qm)});
        else if (in.TS > tsSoufflage_)
            rows.push_back({"Puissance BFS", Power((in.H - hSou_) * qm)});
        AppendFlows(rows);
        SetColCount(k_ + 2);
        WriteBlock(k_, rows);
    } else {
        Dehumidification();
    }
}

void AhuSizing::ComputeSurface(long double tsSurfaceC)
{
    tsSurface_ = tsSurfaceC;
    const long double pv = SaturationPressure(tsSurface_);
    rSurface_ = HumidityRatioFromPv(pv, patm_);
    hSurface_ = Enthalpy(tsSurface_, rSurface_);
    vSurface_ = SpecificVolume(tsSurface_, rSurface_, patm_);
}

void AhuSizing::Dehumidification()
{
    MoistAirState &p = ctx_.point;
    const Point &in = inlet_;
    const long double qm = Qm_;
    const long double rOut = rSou_;
    auto efficiency = [&] { return checked::div(in.R - rOut, in.R - rSurface_, "coil efficiency"); };
    auto outletEnthalpy = [&](long double e) { return checked::finite(in.H - (in.H - hSurface_) * e, "coil outlet"); };

    ComputeSurface(Box(d_.E_T_Surface));
    long double eBF = efficiency();
    // A colder surface dries more, so the same outlet needs less of the way.
    while (eBF >= kEfficiencyLimit) {
        if (++steps_.surfaceLowering > searchBound_)
            throw ComputeFault("surface lowering: no end");
        ComputeSurface(tsSurface_ - kSurfaceStepK);
        eBF = efficiency();
    }
    if (Box(d_.E_T_Surface) != tsSurface_)
        messages_.message(kSurfaceLowered);

    // Only the outlet's dry bulb decides whether the surface must be raised;
    // the full point is computed once, for the outlet that is kept.
    long double hOut = outletEnthalpy(eBF);
    long double tsOut = DryBulbFromEnthalpy(hOut, rOut);
    bool raised = false;
    if (tsOut > tsSoufflage_) {
        // The outlet must not be warmer than the supply: a warmer surface lowers it.
        do {
            d_.TreatmentMode = 3;
            if (++steps_.surfaceRaising > searchBound_)
                throw ComputeFault("surface raising: no end");
            ComputeSurface(tsSurface_ + kSurfaceStepK);
            eBF = efficiency();
            hOut = outletEnthalpy(eBF);
            tsOut = DryBulbFromEnthalpy(hOut, rOut);
        } while (!(tsOut < tsSoufflage_));
        raised = true;
    }
    PointFromHR(p, hOut, rOut, patm_);
    d_.TreatmentMode = 3;
    const Point outlet = Keep();

    Block rows = {{"Puissance BF", Power((in.H - hOut) * qm)}};
    if (outlet.TS < tsSoufflage_ && !raised)
        rows.push_back({"Puissance BC", Power((hSou_ - hOut) * qm)});
    AppendFlows(rows);
    rows.push_back({"Efficacité BF", FormatFixed(checked::finite(eBF * 100.0L, "coil efficiency"), 0, sep_) + " %"});

    SetColCount(k_ + 4);
    // The surface point is saturated: its wet bulb and dew point are its dry bulb.
    WritePoint(k_, "Surface BF", {tsSurface_, 100, rSurface_, hSurface_, vSurface_, tsSurface_, tsSurface_});
    WritePoint(k_ + 1, "Sortie BF", outlet);
    WriteBlock(k_ + 2, rows);
    if (raised)
        messages_.message(kSurfaceRaised);
}

} // namespace brumelle
