// The AHU sizing, first half: the grid frame, the inputs and their checks,
// the room, supply and outdoor points, the flows and the fresh-air stage.
// The treatment and the equipment block are in ahu_equipment.cpp.
#include "sizing/ahu_sizing.h"

#include <cmath>

#include "calculators/calculation_steps.h"
#include "model/fault.h"
#include "sizing/sizing_messages.h"

namespace brumelle {

namespace {

const char *const kRowHeadings[10] = {
    "Points",         "T° Sèche °C",  "Hygrométrie en %", "Humidité g/kgas", "Enthalpie kJ/kgas",
    "Volume m3/kgas", "T° Humide °C", "T° de rosée °C",   "Pression Atm Pa", "Texte",
};

} // namespace

AhuData::AhuData()
{
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
    : d_(record), ctx_(context), messages_(messages), repaint_(std::move(repaintMainWindow)),
      sep_(std::move(separators))
{
    if (!repaint_)
        repaint_ = [] {};
}

long double AhuSizing::Box(const std::string &text) { return BoxNumber(text, messages_); }

void AhuSizing::SizeAhu()
{
    RecordedRun run(messages_, d_.lastRun, CurrentInputs(d_));
    steps_ = {};
    ResultGrid &g = d_.grille_resultats;
    // 1. Frame. Row 8 of every column a run can write shows the pressure.
    pressureRow_ = ctx_.pressure.RowText();
    for (int row = 0; row < 10; ++row)
        g.SetCell(0, row, kRowHeadings[row]);
    g.SetCell(1, 0, "Intérieur");
    g.SetCell(2, 0, "Soufflage");
    g.SetCell(3, 0, "Extérieur");
    for (int col = 1; col < g.ColCount(); ++col)
        g.SetCell(col, 8, pressureRow_);
    if (!ctx_.pressure.ReadInto(ctx_.patmPa, messages_)) {
        run.Abandoned();
        return;
    }
    patm_ = ctx_.patmPa;

    try {
        Run();
        run.Completed();
    } catch (const StopRun &stop) {
        Stop(stop.message);
    } catch (const ComputeFault &) {
        Stop(kCannotCompute);
    }
}

void AhuSizing::Stop(const std::string &message)
{
    StopCalculation(messages_, message, d_.grille_resultats, {}, repaint_, true);
}

AhuSizing::Point AhuSizing::Keep() const
{
    const MoistAirState &p = ctx_.point;
    return {p.TS, p.HR, p.R, p.H, p.V, p.TR, p.TH};
}

void AhuSizing::SetColCount(int count) { d_.grille_resultats.SetColCount(count); }

void AhuSizing::WritePoint(int col, const std::string &heading, const Point &p)
{
    ResultGrid &g = d_.grille_resultats;
    if (col >= g.ColCount())
        SetColCount(col + 1);
    MoistAirState shown;
    shown.TS = p.TS;
    shown.HR = p.HR;
    shown.R = p.R;
    shown.H = p.H;
    shown.V = p.V;
    shown.TH = p.TH;
    shown.TR = p.TR;
    g.SetCell(col, 0, heading);
    WritePointColumn(g, col, shown, sep_);
    g.SetCell(col, 8, pressureRow_);
    g.SetCell(col, 9, std::to_string(col));
}

void AhuSizing::Run()
{
    MoistAirState &p = ctx_.point;

    // 2 to 5. Inputs, each checked as soon as it is read.
    tsLocal_ = Box(d_.E_TS_loc);
    if (!InChartTemperature(tsLocal_))
        throw StopRun{kRoomTemperature};
    const long double qLatent = Box(d_.E_charge_lat);   // kge/s
    const long double qSensible = Box(d_.E_Charge_sens); // kW
    // Room load ratio, kJ per kg of water; a dry load is an almost vertical line.
    const long double epsilon = qLatent != 0.0L
                                    ? checked::div(qLatent * kLatentHeatKJKg + qSensible, qLatent, "room load ratio")
                                    : checked::finite(qSensible * 1e12L, "room load ratio");
    const long double hrLocal = Box(d_.E_HR_loc);
    if (!InPercent(hrLocal))
        throw StopRun{kRoomHumidity};
    tsSoufflage_ = Box(d_.E_TS_sou);
    if (!InChartTemperature(tsSoufflage_))
        throw StopRun{kSupplyTemperature};

    // 6. Room point; its rounded humidity ratio is the room's from here on.
    PointFromTsHr(p, tsLocal_, hrLocal, patm_);
    room_ = Keep();
    room_.R = RoundSignificant(p.R, 3);
    WritePoint(1, "Intérieur", room_);
    room_.TR = RoundSignificant(p.TR, 1);
    room_.TH = RoundSignificant(p.TH, 1);

    // 7. Supply humidity ratio: on the room line at the supply temperature.
    rSou_ = RoundSignificant(checked::div(epsilon * room_.R + kDryAirHeatKJKgK * tsSoufflage_ - room_.H,
                                          epsilon - kLatentHeatKJKg - kVapourHeatKJKgK * tsSoufflage_, "supply humidity ratio"),
                             3);
    if (!InRange(rSou_, 0, kChartMaxRKgKg))
        throw StopRun{kSupplyHumidity};

    // 8. Supply point.
    hSou_ = Enthalpy(tsSoufflage_, rSou_);
    PointFromTsR(p, tsSoufflage_, rSou_, patm_);
    const Point supply = Keep();
    vSou_ = supply.V;
    WritePoint(2, "Soufflage", supply);

    // 9 to 11. Outdoor point.
    const long double hrExterieur = Box(d_.E_HR_ext);
    if (!InPercent(hrExterieur))
        throw StopRun{kOutdoorHumidity};
    const long double tsExterieur = Box(d_.E_TS_ext);
    if (!InChartTemperature(tsExterieur))
        throw StopRun{kOutdoorTemperature};
    PointFromTsHr(p, tsExterieur, hrExterieur, patm_);
    outdoor_ = Keep();
    WritePoint(3, "Extérieur", outdoor_);

    // 12. Flows: the room's total load over the enthalpy difference.
    Qm_ = std::fabs(checked::div(qLatent * kLatentHeatKJKg + qSensible, room_.H - hSou_, "supply mass flow")); // kgas/s
    QvSoufflage_ = checked::finite(Qm_ * vSou_, "supply volume flow");                               // m3/s
    k_ = 4;

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
        const long double e = Box(d_.E_eff_echangeur) / 100.0L;
        if (!InRange(e, 0, 1))
            throw StopRun{kExchangerEfficiency};
        d_.FreshAirMode = 1;
        // Sensible recovery only: the fresh air keeps its humidity ratio.
        const long double tsIn = tsLocal_ - (1.0L - e) * (tsLocal_ - outdoor_.TS);
        PointFromTsR(p, tsIn, outdoor_.R, patm_);
        inlet_ = Keep();
        QvAN_ = QvSoufflage_;
        WritePoint(4, "Sortie Echangeur à plaques", inlet_);
        k_ = 5;
    }

    if (d_.R_tout_AN) {
        d_.FreshAirMode = 2;
        inlet_ = outdoor_;
        QvAN_ = QvSoufflage_;
    }

    if (d_.R_melange) {
        long double qmAN = Box(d_.E_QM_AN); // kgas/s
        if (!(qmAN >= 0.0L))
            throw StopRun{kNegativeFreshAir};
        d_.FreshAirMode = 3;
        if (qmAN > Qm_) {
            messages_.information(kFreshAirCapped);
            qmAN = Qm_;
            d_.FreshAirMode = 4;
        }
        const long double qmR = Qm_ - qmAN;
        // The fresh-air volume is taken at the supply air's specific volume.
        QvAN_ = checked::finite(qmAN * vSou_, "fresh-air volume flow");
        auto mix = [&](long double hFresh, long double rFresh) {
            return Mix(qmR, room_.H, room_.R, qmAN, hFresh, rFresh);
        };
        Mixture m = mix(outdoor_.H, outdoor_.R);
        PointFromHR(p, m.hKJ, m.rKgKg, patm_);

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
                hrM = RelativeHumidity(PvFromHumidityRatio(m.rKgKg, patm_), ts);
            } while (!(hrM <= 95.0L));
            PointFromTsR(p, tsP, rP, patm_);
            WritePoint(k_++, "Sortie Batterie Préchauffage", Keep());
            d_.FreshAirMode = 4;
            PointFromHR(p, m.hKJ, m.rKgKg, patm_);
        }

        const Point mixture = Keep();
        inlet_ = qmAN == 0.0L ? room_ : mixture;
        WritePoint(k_++, "Mélange", mixture);
    }
}

} // namespace brumelle
