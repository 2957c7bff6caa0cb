#include "calculators/calculation_steps.h"

#include "model/fault.h"

namespace brumelle {

void FinishPoint(MoistAirState &p, uint32_t patmPa)
{
    p.V = SpecificVolume(p.TS, p.R, patmPa);
    DewPointFromPv(p);
    WetBulbFromPv(p, patmPa, PvPrecision::Double);
}

void FinishFromPv(MoistAirState &p, uint32_t patmPa)
{
    p.HR = RelativeHumidity(p.Pv, p.TS);
    FinishPoint(p, patmPa);
}


long double BoxNumber(const std::string &text, Messages &messages)
{
    return text.empty() ? 0.0L : ParseNumber(text, messages);
}

void PointFromTsHr(MoistAirState &p, long double tsC, long double hrPct, uint32_t patmPa)
{
    p.TS = tsC;
    p.HR = hrPct;
    p.Pvs = SaturationPressure(p.TS);
    p.Pv = p.Pvs * p.HR / 100.0L;
    p.R = HumidityRatioFromPv(p.Pv, patmPa);
    p.H = Enthalpy(p.TS, p.R);
    FinishPoint(p, patmPa);
}

void PointFromTsR(MoistAirState &p, long double tsC, long double rKgKg, uint32_t patmPa)
{
    p.TS = tsC;
    p.R = rKgKg;
    p.Pvs = SaturationPressure(p.TS);
    p.Pv = PvFromHumidityRatio(p.R, patmPa);
    p.H = Enthalpy(p.TS, p.R);
    FinishFromPv(p, patmPa);
}

void PointFromHR(MoistAirState &p, long double hKJ, long double rKgKg, uint32_t patmPa)
{
    p.H = hKJ;
    p.R = rKgKg;
    p.TS = DryBulbFromEnthalpy(p.H, p.R);
    p.Pvs = SaturationPressure(p.TS);
    p.Pv = PvFromHumidityRatio(p.R, patmPa);
    FinishFromPv(p, patmPa);
}

void EmptyResults(ResultGrid &grid, std::initializer_list<std::string *> resultBoxes,
                  const std::function<void()> &repaint, bool emptyColumnHeadings)
{
    ClearGrid(grid);
    if (emptyColumnHeadings)
        for (int col = 1; col < grid.ColCount(); ++col)
            grid.SetCell(col, 0, "");
    for (std::string *box : resultBoxes)
        box->clear();
    if (repaint)
        repaint();
}

void StopCalculation(Messages &messages, const std::string &message, ResultGrid &grid,
                     std::initializer_list<std::string *> resultBoxes, const std::function<void()> &repaint,
                     bool emptyColumnHeadings)
{
    messages.information(message);
    EmptyResults(grid, resultBoxes, repaint, emptyColumnHeadings);
}

} // namespace brumelle
