// The AHU sizing, first half: the grid frame, the inputs and their checks,
// the room, supply and outdoor points, the flows and the fresh-air stage.
// The treatment and the equipment block are in ahu_equipment.cpp.
#include "sizing/ahu_sizing.h"

#include <cmath>
#include <utility>

#include "calculators/calculation_steps.h"
#include "model/fault.h"
#include "sizing/ahu_boxes.h"
#include "sizing/sizing_messages.h"

namespace brumelle {

AhuData::AhuData()
{
    for (const AhuTextBox &box : AhuTextBoxes())
        this->*box.field = box.initialText;
    for (int col = 0; col < grille_resultats.ColCount(); ++col)
        grille_resultats.SetColWidth(col, kAhuDesignWidths[col]);
}

void ApplyFreshAirEnabling(AhuData &d)
{
    d.E_QM_AN_Enabled = d.R_melange;
    d.E_eff_echangeur_Enabled = d.R_Echange_plaques;
}

bool &RadioState(AhuData &d, AhuRadio button)
{
    switch (button) {
    case AhuRadio::Vap: return d.R_Vap;
    case AhuRadio::Lav: return d.R_Lav;
    case AhuRadio::tout_AN: return d.R_tout_AN;
    case AhuRadio::Echange_plaques: return d.R_Echange_plaques;
    default: return d.R_melange;
    }
}

void SelectRadio(AhuData &d, AhuRadio button)
{
    if (button == AhuRadio::Vap || button == AhuRadio::Lav) {
        d.R_Vap = d.R_Lav = false;
    } else {
        d.R_tout_AN = d.R_Echange_plaques = d.R_melange = false;
    }
    RadioState(d, button) = true;
}

AhuSizing::AhuSizing(AhuData &record, CalculationContext context, Messages &messages,
                     std::function<void()> repaintMainWindow, NumberSeparators separators)
    : CalculationBase(context, messages, std::move(repaintMainWindow), std::move(separators)), d_(record)
{
}

void AhuSizing::SizeAhu()
{
    RecordedRun run(messages_, d_.lastRun, CurrentInputs(d_));
    steps_ = {};
    // 1. Frame. Row 8 of every column a run can write shows the pressure.
    pressureRow_ = ctx_.pressure.RowText();
    WriteSizingFrame(d_.grille_resultats, pressureRow_);
    if (!ReadPressure()) {
        run.Abandoned();
        return;
    }
    d_.points.clear();
    d_.points.reserve(8); // the most a run writes
    d_.equipment.clear();
    const bool completed = Guarded([this] { Run(); },
                                   [this] {
                                       d_.points.clear();
                                       d_.equipment.clear();
                                       EmptyResults(d_.grille_resultats, {}, repaint_, true);
                                   });
    if (completed)
        run.Completed();
}

void AhuSizing::WritePoint(int col, const std::string &heading, const MoistAirState &p)
{
    WriteSizingPoint(d_.grille_resultats, col, heading, p, pressureRow_, sep_);
    d_.points.push_back({heading, p});
}

void AhuSizing::Run()
{
    MoistAirState &p = ctx_.point;

    // 2 to 5. Inputs, each checked as soon as it is read.
    roomTsC_ = BoxNumber(d_.E_TS_loc);
    if (!InChartTemperature(roomTsC_))
        throw StopRun{kRoomTemperature};
    const long double qLatent = BoxNumber(d_.E_charge_lat);   // kge/s
    const long double qSensible = BoxNumber(d_.E_Charge_sens); // kW
    // Room load ratio, kJ per kg of water; a dry load is an almost vertical line.
    const long double epsilon = qLatent != 0.0L
                                    ? checked::div(qLatent * kLatentHeatKJKg + qSensible, qLatent, "room load ratio")
                                    : checked::finite(qSensible * 1e12L, "room load ratio");
    const long double roomHrPercent = BoxNumber(d_.E_HR_loc);
    if (!InPercent(roomHrPercent))
        throw StopRun{kRoomHumidity};
    supplyTsC_ = BoxNumber(d_.E_TS_sou);
    if (!InChartTemperature(supplyTsC_))
        throw StopRun{kSupplyTemperature};

    // 6. Room point; its rounded humidity ratio is the room's from here on.
    PointFromTsHr(p, roomTsC_, roomHrPercent, Patm());
    room_ = CurrentPoint();
    room_.R = RoundSignificant(p.R, 3);
    WritePoint(1, "Intérieur", room_);
    room_.TR = RoundSignificant(p.TR, 1);
    room_.TH = RoundSignificant(p.TH, 1);

    // 7. Supply humidity ratio: on the room line at the supply temperature.
    supplyRKgKg_ = RoundSignificant(checked::div(epsilon * room_.R + kDryAirHeatKJKgK * supplyTsC_ - room_.H,
                                                 epsilon - kLatentHeatKJKg - kVapourHeatKJKgK * supplyTsC_,
                                                 "supply humidity ratio"),
                                    3);
    if (!InRange(supplyRKgKg_, 0, kChartMaxRKgKg))
        throw StopRun{kSupplyHumidity};

    // 8. Supply point.
    supplyHKJ_ = Enthalpy(supplyTsC_, supplyRKgKg_);
    PointFromTsR(p, supplyTsC_, supplyRKgKg_, Patm());
    const MoistAirState supply = CurrentPoint();
    supplyVM3_ = supply.V;
    WritePoint(2, "Soufflage", supply);

    // 9 to 11. Outdoor point.
    const long double outdoorHrPercent = BoxNumber(d_.E_HR_ext);
    if (!InPercent(outdoorHrPercent))
        throw StopRun{kOutdoorHumidity};
    const long double outdoorTsC = BoxNumber(d_.E_TS_ext);
    if (!InChartTemperature(outdoorTsC))
        throw StopRun{kOutdoorTemperature};
    PointFromTsHr(p, outdoorTsC, outdoorHrPercent, Patm());
    outdoor_ = CurrentPoint();
    WritePoint(3, "Extérieur", outdoor_);

    // 12. Flows: the room's total load over the enthalpy difference.
    supplyMassFlowKgS_ =
        std::fabs(checked::div(qLatent * kLatentHeatKJKg + qSensible, room_.H - supplyHKJ_, "supply mass flow"));
    supplyVolumeFlowM3S_ = checked::finite(supplyMassFlowKgS_ * supplyVM3_, "supply volume flow");
    nextColumn_ = 4;

    FreshAirStage();
    Treatment();

    if (ctx_.flags.Check_dessin_CTA)
        repaint_();
}

void AhuSizing::FreshAirStage()
{
    MoistAirState &p = ctx_.point;
    // A document can leave the whole group unchecked: there is no inlet to treat.
    if (!d_.R_Echange_plaques && !d_.R_tout_AN && !d_.R_melange)
        throw StopRun{kNoFreshAirMode};

    if (d_.R_Echange_plaques) {
        const long double e = BoxNumber(d_.E_eff_echangeur) / 100.0L;
        if (!InRange(e, 0, 1))
            throw StopRun{kExchangerEfficiency};
        d_.FreshAirMode = 1;
        // Sensible recovery only: the fresh air keeps its humidity ratio.
        const long double tsIn = roomTsC_ - (1.0L - e) * (roomTsC_ - outdoor_.TS);
        PointFromTsR(p, tsIn, outdoor_.R, Patm());
        inlet_ = CurrentPoint();
        freshAirVolumeFlowM3S_ = supplyVolumeFlowM3S_;
        WritePoint(4, "Sortie Echangeur à plaques", inlet_);
        nextColumn_ = 5;
    }

    if (d_.R_tout_AN) {
        d_.FreshAirMode = 2;
        inlet_ = outdoor_;
        freshAirVolumeFlowM3S_ = supplyVolumeFlowM3S_;
    }

    if (d_.R_melange) {
        long double qmAN = BoxNumber(d_.E_QM_AN); // kgas/s
        if (!(qmAN >= 0.0L))
            throw StopRun{kNegativeFreshAir};
        d_.FreshAirMode = 3;
        if (qmAN > supplyMassFlowKgS_) {
            messages_.information(kFreshAirCapped);
            qmAN = supplyMassFlowKgS_;
            d_.FreshAirMode = 4;
        }
        const long double qmR = supplyMassFlowKgS_ - qmAN;
        // The fresh-air volume is taken at the supply air's specific volume.
        freshAirVolumeFlowM3S_ = checked::finite(qmAN * supplyVM3_, "fresh-air volume flow");
        auto mix = [&](long double hFresh, long double rFresh) {
            return Mix(qmR, room_.H, room_.R, qmAN, hFresh, rFresh);
        };
        Mixture m = mix(outdoor_.H, outdoor_.R);
        PointFromHR(p, m.hKJ, m.rKgKg, Patm());

        // A mixture above 95 % would fog: preheat the fresh air in 0.01 K
        // steps until it is not. Without fresh air there is nothing to heat.
        if (p.HR > 95.0L && qmAN != 0.0L) {
            long double tsP = outdoor_.TS;
            const long double rP = outdoor_.R;
            long double hrM = p.HR;
            do {
                if (++steps_.preheating > searchBound_)
                    throw ComputeFault("preheating search: no end");
                tsP += 0.01L;
                m = mix(Enthalpy(tsP, rP), rP);
                // Only the humidity decides the search; the full point comes after.
                const long double ts = DryBulbFromEnthalpy(m.hKJ, m.rKgKg);
                hrM = RelativeHumidity(PvFromHumidityRatio(m.rKgKg, Patm()), ts);
            } while (!(hrM <= 95.0L));
            PointFromTsR(p, tsP, rP, Patm());
            WritePoint(nextColumn_++, "Sortie Batterie Préchauffage", CurrentPoint());
            d_.FreshAirMode = 4;
            PointFromHR(p, m.hKJ, m.rKgKg, Patm());
        }

        const MoistAirState mixture = CurrentPoint();
        inlet_ = qmAN == 0.0L ? room_ : mixture;
        WritePoint(nextColumn_++, "Mélange", mixture);
    }
}

} // namespace brumelle
