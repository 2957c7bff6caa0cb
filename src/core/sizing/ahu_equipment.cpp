// The AHU sizing, second half: from the treatment inlet (the air leaving the
// fresh-air stage) to the supply point, the coils, the humidifier, their
// points and the equipment block that ends the result grid.
#include <utility>
#include <vector>

#include "calculators/calculation_steps.h"
#include "model/fault.h"
#include "sizing/ahu_sizing.h"
#include "sizing/sizing_messages.h"

namespace brumelle {

namespace {
constexpr long double kEfficiencyLimit = 0.95L;
constexpr long double kSurfaceStepK = 0.01L;
} // namespace

EquipmentRow AhuSizing::Power(const char *label, long double kW) const
{
    return {label, checked::finite(kW, "power"), 2, "[kW]"};
}

void AhuSizing::AppendFlows(std::vector<EquipmentRow> &rows) const
{
    // Checked here, where the block is made, so that a value too large for
    // the arithmetic stops the run before the grid grows.
    rows.push_back({"Qm soufflage", checked::finite(supplyMassFlowKgS_, "flow"), 2, "[kg/s]"});
    rows.push_back({"Qv soufflage", checked::finite(supplyVolumeFlowM3S_ * 3600.0L, "flow"), 2, "[m3/h]"});
    rows.push_back({"Qv air neuf", checked::finite(freshAirVolumeFlowM3S_ * 3600.0L, "flow"), 2, "[m3/h]"});
}

void AhuSizing::WriteBlock(int col, std::vector<EquipmentRow> rows)
{
    WriteEquipmentBlock(d_.grille_resultats, col, rows, sep_);
    d_.equipment = std::move(rows);
}

void AhuSizing::Humidify(const char *waterLabel, bool coil, bool heating)
{
    const MoistAirState &in = inlet_;
    std::vector<EquipmentRow> rows;
    if (coil) {
        const long double hOut = ctx_.point.H; // the coil outlet just computed
        rows.push_back(Power(heating ? "Puissance BC" : "Puissance BFS",
                             heating ? (hOut - in.H) * supplyMassFlowKgS_ : (in.H - hOut) * supplyMassFlowKgS_));
    }
    const long double waterKgH = checked::finite((supplyRKgKg_ - in.R) * supplyMassFlowKgS_ * 3600.0L, "water flow");
    rows.push_back({waterLabel, waterKgH, 2, "[kge/h]"});
    AppendFlows(rows);
    d_.grille_resultats.SetColCount(nextColumn_ + (coil ? 3 : 2));
    if (coil)
        WritePoint(nextColumn_, heating ? "Sortie BC" : "Sortie BFS", CurrentPoint());
    WriteBlock(coil ? nextColumn_ + 1 : nextColumn_, std::move(rows));
}

void AhuSizing::Treatment()
{
    MoistAirState &p = ctx_.point;
    const MoistAirState &in = inlet_;
    const long double qm = supplyMassFlowKgS_;

    if (in.R < supplyRKgKg_) {
        // Humidification.
        if (!d_.R_Lav && !d_.R_Vap)
            throw StopRun{kNoHumidifier};
        if (d_.R_Lav) {
            // The washer humidifies at constant enthalpy: a coil first brings
            // the inlet to the supply's enthalpy.
            const bool coil = in.H != supplyHKJ_;
            d_.TreatmentMode = coil ? 1 : 2;
            if (coil)
                PointFromHR(p, supplyHKJ_, in.R, Patm());
            Humidify("Débit Laveur", coil, in.H < supplyHKJ_);
        }
        if (d_.R_Vap) {
            // Steam humidifies at constant dry bulb: a coil first brings the
            // inlet to the supply's temperature.
            const bool coil = in.TS != supplyTsC_;
            d_.TreatmentMode = coil ? 1 : 2;
            if (coil)
                PointFromTsR(p, supplyTsC_, in.R, Patm());
            Humidify("Débit Vapeur", coil, in.TS < supplyTsC_);
        }
    } else if (in.R == supplyRKgKg_) {
        // Same humidity: one dry coil, or nothing at all to do.
        d_.TreatmentMode = 2;
        std::vector<EquipmentRow> rows;
        if (in.TS < supplyTsC_)
            rows.push_back(Power("Puissance BC", (supplyHKJ_ - in.H) * qm));
        else if (in.TS > supplyTsC_)
            rows.push_back(Power("Puissance BFS", (in.H - supplyHKJ_) * qm));
        AppendFlows(rows);
        d_.grille_resultats.SetColCount(nextColumn_ + 2);
        WriteBlock(nextColumn_, std::move(rows));
    } else {
        Dehumidification();
    }
}

void AhuSizing::ComputeSurface(long double tsSurfaceC)
{
    surface_.TS = tsSurfaceC;
    const long double pv = SaturationPressure(surface_.TS);
    surface_.R = HumidityRatioFromPv(pv, Patm());
    surface_.H = Enthalpy(surface_.TS, surface_.R);
    surface_.V = SpecificVolume(surface_.TS, surface_.R, Patm());
}

void AhuSizing::Dehumidification()
{
    MoistAirState &p = ctx_.point;
    const MoistAirState &in = inlet_;
    const long double qm = supplyMassFlowKgS_;
    const long double rOut = supplyRKgKg_;
    auto efficiency = [&] { return checked::div(in.R - rOut, in.R - surface_.R, "coil efficiency"); };
    auto outletEnthalpy = [&](long double e) { return checked::finite(in.H - (in.H - surface_.H) * e, "coil outlet"); };

    ComputeSurface(BoxNumber(d_.E_T_Surface));
    long double eBF = efficiency();
    // A colder surface dries more, so the same outlet needs less of the way.
    while (eBF >= kEfficiencyLimit) {
        if (++steps_.surfaceLowering > searchBound_)
            throw ComputeFault("surface lowering: no end");
        ComputeSurface(surface_.TS - kSurfaceStepK);
        eBF = efficiency();
    }
    if (BoxNumber(d_.E_T_Surface) != surface_.TS)
        messages_.message(kSurfaceLowered);

    // Only the outlet's dry bulb decides whether the surface must be raised;
    // the full point is computed once, for the outlet that is kept.
    long double hOut = outletEnthalpy(eBF);
    long double tsOut = DryBulbFromEnthalpy(hOut, rOut);
    bool raised = false;
    if (tsOut > supplyTsC_) {
        // The outlet must not be warmer than the supply: a warmer surface lowers it.
        do {
            d_.TreatmentMode = 3;
            if (++steps_.surfaceRaising > searchBound_)
                throw ComputeFault("surface raising: no end");
            ComputeSurface(surface_.TS + kSurfaceStepK);
            eBF = efficiency();
            hOut = outletEnthalpy(eBF);
            tsOut = DryBulbFromEnthalpy(hOut, rOut);
        } while (!(tsOut < supplyTsC_));
        raised = true;
    }
    PointFromHR(p, hOut, rOut, Patm());
    d_.TreatmentMode = 3;
    const MoistAirState outlet = CurrentPoint();

    std::vector<EquipmentRow> rows = {Power("Puissance BF", (in.H - hOut) * qm)};
    if (outlet.TS < supplyTsC_ && !raised)
        rows.push_back(Power("Puissance BC", (supplyHKJ_ - hOut) * qm));
    AppendFlows(rows);
    rows.push_back({"Efficacité BF", checked::finite(eBF * 100.0L, "coil efficiency"), 0, "%"});

    d_.grille_resultats.SetColCount(nextColumn_ + 4);
    // The surface point is saturated: its wet bulb and dew point are its dry bulb.
    MoistAirState saturated = surface_;
    saturated.HR = 100;
    saturated.TH = saturated.TR = surface_.TS;
    WritePoint(nextColumn_, "Surface BF", saturated);
    WritePoint(nextColumn_ + 1, "Sortie BF", outlet);
    WriteBlock(nextColumn_ + 2, std::move(rows));
    if (raised)
        messages_.message(kSurfaceRaised);
}

} // namespace brumelle
