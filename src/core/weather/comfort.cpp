#include "weather/comfort.h"

#include <algorithm>
#include <cmath>

#include "model/fault.h"
#include "model/moist_air.h"

namespace brumelle {

namespace {

constexpr long double kWPerM2PerMet = 58.15L;
constexpr long double kM2KPerWPerClo = 0.155L;
// The outline's clothing temperature: within 1e-8 K of the fixed point, far
// above the long double's resolution, some 20 iterations more than the annex.
constexpr long double kConvergedClothingTolerance = 1e-10L;

// The dry-bulb searches of the outline stop when the PMV is this near its
// target (some 3e-9 K) or the bracket this narrow; the bound guards against a
// function that is not monotonic after all.
constexpr long double kPmvSearchTolerance = 1e-9L;
constexpr long double kDryBulbToleranceK = 1e-9L;
constexpr int kDryBulbSearchMaxSteps = 200;

long double Pow4(long double x)
{
    const long double x2 = x * x;
    return x2 * x2;
}

// The dry bulb in [loC, hiC] where the increasing function f crosses 0, by
// regula falsi in its Illinois form: the PMV is nearly linear in the dry
// bulb, so that a handful of steps replaces the thirty of a bisection, and
// halving the value kept at an end that does not move keeps both ends moving.
template <typename F>
long double FindDryBulb(F f, long double loC, long double hiC)
{
    long double fLo = f(loC), fHi = f(hiC);
    if (fLo >= 0.0L)
        return loC;
    if (fHi <= 0.0L)
        return hiC;
    int lastMoved = 0; // -1: the low end moved last, +1: the high end
    for (int step = 0; step < kDryBulbSearchMaxSteps; ++step) {
        long double tC = checked::div(loC * fHi - hiC * fLo, fHi - fLo, "ComfortZone");
        if (!(tC > loC && tC < hiC))
            tC = (loC + hiC) / 2.0L;
        const long double fT = f(tC);
        if (std::fabs(fT) <= kPmvSearchTolerance || hiC - loC <= kDryBulbToleranceK)
            return tC;
        if (fT < 0.0L) {
            loC = tC;
            fLo = fT;
            if (lastMoved == -1)
                fHi /= 2.0L;
            lastMoved = -1;
        } else {
            hiC = tC;
            fHi = fT;
            if (lastMoved == 1)
                fLo /= 2.0L;
            lastMoved = 1;
        }
    }
    throw ComputeFault("ComfortZone: the dry-bulb search does not settle");
}

const ComfortInputs &Checked(const ComfortInputs &inputs)
{
    if (InvalidComfortField(inputs) != ComfortField::None)
        throw ComputeFault("ComfortZone: inputs out of range");
    return inputs;
}

} // namespace

PmvModel::PmvModel(long double met, long double clo, long double varMs, long double clothingTolerance)
    : m_(checked::finite(met * kWPerM2PerMet, "PmvModel")),
      mw_(m_), // no external work
      icl_(checked::finite(clo * kM2KPerWPerClo, "PmvModel")),
      fcl_(icl_ <= 0.078L ? 1.0L + 1.29L * icl_ : 1.05L + 0.645L * icl_),
      hcForced_(checked::finite(12.1L * std::sqrt(varMs), "PmvModel")),
      sensitivity_(checked::finite(0.303L * std::exp(-0.036L * m_) + 0.028L, "PmvModel")),
      clothingTolerance_(clothingTolerance)
{
}

long double PmvModel::Pmv(long double taC, long double trC, long double paPa) const
{
    // The annex's fixed point, in hundreds of kelvins with 0 °C at 273 K:
    // x = (p5 + p4 hc - p2 x^4) / (100 + p3 hc) is the clothing-temperature
    // equation solved for the linear term; each new estimate is averaged with
    // the last, which keeps the scheme from oscillating.
    const long double taa = taC + 273.0L, tra = trC + 273.0L;
    const long double radiant4 = Pow4(tra / 100.0L);
    const long double p1 = icl_ * fcl_, p2 = 3.96L * p1, p3 = 100.0L * p1, p4 = p1 * taa;
    const long double p5 = 308.7L - 0.028L * mw_ + p2 * radiant4;
    const long double tcla = taa + checked::div(35.5L - taC, 3.5L * icl_ + 0.1L, "Pmv");
    long double xn = tcla / 100.0L, xf = tcla / 50.0L, hc = hcForced_;
    int iterations = 0;
    do {
        xf = (xf + xn) / 2.0L;
        // Natural convection, |tcl - ta|^0.25, unless forced convection is stronger.
        hc = std::max(hcForced_, 2.38L * std::sqrt(std::sqrt(std::fabs(100.0L * xf - taa))));
        xn = checked::div(p5 + p4 * hc - p2 * Pow4(xf), 100.0L + p3 * hc, "Pmv");
        if (++iterations > kPmvMaxIterations)
            throw ComputeFault("Pmv: the clothing temperature does not settle");
    } while (std::fabs(xn - xf) > clothingTolerance_);
    const long double tclC = 100.0L * xn - 273.0L;

    // The thermal load: heat produced less each loss.
    const long double skinDiffusion = 3.05e-3L * (5733.0L - 6.99L * mw_ - paPa);
    const long double sweating = mw_ > 58.15L ? 0.42L * (mw_ - 58.15L) : 0.0L;
    const long double latentRespiration = 1.7e-5L * m_ * (5867.0L - paPa);
    const long double dryRespiration = 0.0014L * m_ * (34.0L - taC);
    const long double radiation = 3.96L * fcl_ * (Pow4(xn) - radiant4);
    const long double convection = fcl_ * hc * (tclC - taC);
    const long double load =
        mw_ - skinDiffusion - sweating - latentRespiration - dryRespiration - radiation - convection;
    return checked::finite(sensitivity_ * load, "Pmv");
}

long double PredictedMeanVote(long double taC, long double trC, long double varMs, long double paPa, long double met,
                              long double clo)
{
    return PmvModel(met, clo, varMs).Pmv(taC, trC, paPa);
}

long double PredictedPercentDissatisfied(long double pmv)
{
    const long double pmv2 = pmv * pmv;
    return checked::finite(100.0L - 95.0L * std::exp(-0.03353L * pmv2 * pmv2 - 0.2179L * pmv2), "Ppd");
}

ComfortField InvalidComfortField(const ComfortInputs &inputs)
{
    if (!std::isfinite(inputs.met) || !(inputs.met > 0.0L))
        return ComfortField::Met;
    if (!std::isfinite(inputs.clo) || inputs.clo < 0.0L)
        return ComfortField::Clo;
    if (!std::isfinite(inputs.airSpeedMs) || inputs.airSpeedMs < 0.0L || inputs.airSpeedMs > kComfortMaxAirSpeedMs)
        return ComfortField::AirSpeed;
    return ComfortField::None;
}

ComfortZone::ComfortZone(const ComfortInputs &inputs)
    : model_(Checked(inputs).met, inputs.clo, inputs.airSpeedMs),
      smooth_(inputs.met, inputs.clo, inputs.airSpeedMs, kConvergedClothingTolerance)
{
}

bool ComfortZone::Inside(long double tsC, long double pvPa) const
{
    const long double pmv = Pmv(tsC, pvPa);
    return pmv >= -kComfortPmvLimit && pmv <= kComfortPmvLimit;
}

HourCount ComfortZone::CountHours(const std::vector<WeatherHour> &hours, const HourFilter &retained) const
{
    return CountRetainedHours(hours, retained, [this](const WeatherHour &h) { return Inside(h.tsC, h.pvPa); });
}

Outline ComfortZone::OutlineAt(uint32_t patmPa) const
{
    const long double patm = static_cast<long double>(patmPa);
    const auto smoothPmv = [this](long double tsC, long double pvPa) { return smooth_.Pmv(tsC, tsC, pvPa); };
    const auto saturatedPmv = [&](long double tsC) { return smoothPmv(tsC, SaturationPressure(tsC)); };

    // The PMV grows with the dry bulb and with the vapour pressure, so the
    // zone's coldest point is PMV = -0.5 at saturation and its warmest
    // PMV = +0.5 in dry air: within the chart when those two are.
    if (saturatedPmv(kComfortOutlineMinC) > -kComfortPmvLimit || smoothPmv(kComfortOutlineMaxC, 0) < kComfortPmvLimit)
        return {};

    // Where each curve meets saturation: its top.
    struct Curve {
        long double pmv, topC, topRKgKg;
    };
    Curve cold{-kComfortPmvLimit, 0, 0}, warm{kComfortPmvLimit, 0, 0};
    for (Curve *c : {&cold, &warm})
        c->topC = FindDryBulb([&](long double t) { return saturatedPmv(t) - c->pmv; }, kComfortOutlineMinC,
                              kComfortOutlineMaxC);

    // A point of a curve at a humidity ratio: below its top, its dry bulb
    // lies between the top's and the chart's warmest.
    const int last = kComfortCurvePoints - 1;
    const auto curvePoint = [&](const Curve &c, int i) {
        if (i == last)
            return OutlinePoint{c.topC, c.topRKgKg};
        const long double r = c.topRKgKg * static_cast<long double>(i) / last;
        const long double pv = PvFromHumidityRatio(r, patmPa);
        const long double t = FindDryBulb([&](long double tsC) { return smoothPmv(tsC, pv) - c.pmv; }, c.topC,
                                          kComfortOutlineMaxC);
        return OutlinePoint{t, r};
    };

    // The warmest point is in dry air: where the saturation pressure is
    // below the chart's there, it is below it all along the outline.
    const OutlinePoint warmest = curvePoint(warm, 0);
    if (!(SaturationPressure(warmest.tsC) < patm))
        throw ComputeFault("ComfortZone: saturation above the chart pressure");
    for (Curve *c : {&cold, &warm})
        c->topRKgKg = SaturationHumidityRatio(c->topC, patmPa);

    Outline outline;
    outline.reserve(3 * kComfortCurvePoints);
    const OutlinePoint start = curvePoint(cold, 0);
    outline.push_back(start);
    outline.push_back(warmest);
    for (int i = 1; i <= last; ++i)
        outline.push_back(curvePoint(warm, i));
    for (int i = 1; i < last; ++i) {
        const long double t = warm.topC + (cold.topC - warm.topC) * static_cast<long double>(i) / last;
        outline.push_back({t, SaturationHumidityRatio(t, patmPa)});
    }
    for (int i = last; i > 0; --i)
        outline.push_back(curvePoint(cold, i));
    outline.push_back(start);
    return outline;
}

} // namespace brumelle
