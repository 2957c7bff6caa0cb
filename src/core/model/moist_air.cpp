#include "model/moist_air.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/fault.h"
#include "model/wet_bulb_search.h"

namespace brumelle {

namespace {
long double patm(uint32_t patmPa) { return static_cast<long double>(patmPa); }

// Stores v in a narrower type; a value out of its range has no meaning there.
template <typename T>
T narrow(long double v, const char *what)
{
    checked::finite(v, what);
    if (std::fabs(v) > static_cast<long double>(std::numeric_limits<T>::max()))
        throw ComputeFault(std::string("overflow in ") + what);
    return static_cast<T>(v);
}
} // namespace

long double DewPointOf(long double pvPa)
{
    const long double y = checked::log10(pvPa, "DewPointFromPv") - 2.7858L;
    return checked::div(-31.559L * y, 0.1354L * y - 1.0L, "DewPointFromPv");
}

void DewPointFromPv(MoistAirState &s)
{
    // A dry point has no dew point: the record takes a tiny pressure instead.
    if (s.Pv == 0.0L)
        s.Pv = 1e-11L;
    s.TR = DewPointOf(s.Pv);
}

long double PvFromDewPoint(long double trC)
{
    long double e = 0.0L;
    if (trC > 0.0L)
        e = checked::div(trC, 31.685L + 0.1311L * trC, "PvFromDewPoint");
    else if (trC < 0.0L)
        e = checked::div(trC, 27.925L + 0.1025L * trC, "PvFromDewPoint");
    else
        throw ComputeFault("PvFromDewPoint: a dew point of 0 has no branch");
    return checked::finite(613.34L * checked::pow10(e, "PvFromDewPoint"), "PvFromDewPoint");
}

long double PsychrometricPv(long double tsC, long double thC, uint32_t patmPa, PvPrecision p)
{
    const long double pvs = SaturationPressure(thC);
    long double pv;
    if (p == PvPrecision::Single) {
        const float a = tsC >= 0.0L ? 0.00066f : 0.00056f;
        pv = narrow<float>(pvs - static_cast<long double>(a) * patm(patmPa) * (tsC - thC), "PsychrometricPv");
    } else {
        const double a = tsC >= 0.0L ? 0.00066 : 0.00056;
        pv = narrow<double>(pvs - static_cast<long double>(a) * patm(patmPa) * (tsC - thC), "PsychrometricPv");
    }
    return checked::finite(pv, "PsychrometricPv");
}

namespace {
WetBulbSearch searchWetBulb(long double tsC, long double pv, uint32_t patmPa, PvPrecision p)
{
    long double th = tsC / 2.0L - 10.0L;
    long double pc = PsychrometricPv(tsC, th, patmPa, p);
    long double e = std::fabs(checked::div((pv + 100.0L) - (pc + 100.0L), pv + 100.0L, "WetBulbFromPv"));
    int corrections = 0;
    do {
        if (pv > pc)
            th = th + 0.921L * e;
        else if (pv < pc)
            th = th - 0.921L * e;
        ++corrections;
        checked::finite(th, "WetBulbFromPv");
        pc = PsychrometricPv(tsC, th, patmPa, p);
        e = std::fabs(checked::div((pv + 100.0L) - (pc + 100.0L), pv + 100.0L, "WetBulbFromPv"));
        // The fixed step overshoots on hot dry air and never settles: give up.
        if (e >= 0.001L && corrections >= kWetBulbMaxCorrections)
            throw ComputeFault("WetBulbFromPv: no convergence");
    } while (!(e < 0.001L));
    return {th, e, corrections};
}
} // namespace

void WetBulbFromPv(MoistAirState &s, uint32_t patmPa, PvPrecision p)
{
    const long double pv = s.Pv;
    // The same search, quicker, where it can show that it is the same.
    WetBulbSearch found;
    if (!(p == PvPrecision::Single && QuickSingleWetBulbSearch(s.TS, pv, patmPa, found)))
        found = searchWetBulb(s.TS, pv, patmPa, p);
    const long double th = found.thC;
    // A wet bulb lies between the dew point and the dry bulb, in either order
    // (above saturation, a fog, the dew point is the higher); the search stops
    // within hundredths of a kelvin of them. Outside, it has crossed the pole
    // of the saturation formula and settled on a root of no meaning.
    long double lower = kAbsoluteZeroC, upper = s.TS + kWetBulbSlackK;
    if (pv > 0.0L) {
        const long double tr = DewPointOf(pv);
        lower = std::min(s.TS, tr) - kWetBulbSlackK;
        upper = std::max(s.TS, tr) + kWetBulbSlackK;
    }
    if (!(th <= upper && th >= lower && th > kAbsoluteZeroC))
        throw ComputeFault("WetBulbFromPv: outside the dew point to dry bulb interval");
    s.TH = th;
    s.wetBulbError = found.error;
    s.wetBulbCorrections = found.corrections;
}

void DryBulbFromWetBulb(MoistAirState &s, uint32_t patmPa)
{
    const long double d = SaturationPressure(s.TH) - s.Pv;
    long double ts = s.TH + checked::div(d, 0.00066L * patm(patmPa), "DryBulbFromWetBulb");
    if (!(ts > 0.0L))
        ts = s.TH + checked::div(d, 0.00056L * patm(patmPa), "DryBulbFromWetBulb");
    s.TS = checked::finite(ts, "DryBulbFromWetBulb");
}

long double HumidityRatioFromPv(long double pvPa, uint32_t patmPa)
{
    return checked::div(kMolarMassRatio * pvPa, patm(patmPa) - pvPa, "HumidityRatioFromPv");
}

long double PvFromHumidityRatio(long double rKgKg, uint32_t patmPa)
{
    return checked::div(patm(patmPa) * rKgKg, rKgKg + kMolarMassRatio, "PvFromHumidityRatio");
}

long double SaturationHumidityRatio(long double tC, uint32_t patmPa)
{
    const long double pvs = SaturationPressure(tC);
    return checked::div(kMolarMassRatio * pvs, patm(patmPa) - pvs, "SaturationHumidityRatio");
}

long double Enthalpy(long double tsC, long double rKgKg)
{
    return checked::finite(kDryAirHeatKJKgK * tsC + (kLatentHeatKJKg + kVapourHeatKJKgK * tsC) * rKgKg, "Enthalpy");
}

long double HumidityRatioFromEnthalpy(long double hKJ, long double tsC)
{
    return checked::div(hKJ - kDryAirHeatKJKgK * tsC, kLatentHeatKJKg + kVapourHeatKJKgK * tsC,
                        "HumidityRatioFromEnthalpy");
}

long double DryBulbFromEnthalpy(long double hKJ, long double rKgKg)
{
    return checked::div(hKJ - kLatentHeatKJKg * rKgKg, kDryAirHeatKJKgK + kVapourHeatKJKgK * rKgKg,
                        "DryBulbFromEnthalpy");
}

long double SpecificVolume(long double tsC, long double rKgKg, uint32_t patmPa)
{
    const long double v = checked::div(kVapourGasConstantJKgK * (kMolarMassRatio + rKgKg) * (tsC + kCelsiusOffsetK),
                                       patm(patmPa), "SpecificVolume");
    // At or below absolute zero, or with a humidity ratio below −kMolarMassRatio, air has no volume.
    if (!(v > 0.0L))
        throw ComputeFault("SpecificVolume: not positive");
    return v;
}

void CheckPhysical(const MoistAirState &p)
{
    const long double fields[] = {p.TS, p.TH, p.TR, p.H, p.R, p.HR, p.V};
    for (long double f : fields)
        checked::finite(f, "CheckPhysical");
    // A vapour pressure at or above the atmospheric pressure gives a negative
    // (or infinite) humidity ratio.
    if (!(p.TS > kAbsoluteZeroC && p.TH > kAbsoluteZeroC && p.TR > kAbsoluteZeroC && p.R >= 0.0L && p.V > 0.0L))
        throw ComputeFault("CheckPhysical: not a physical state");
}

long double HumidityRatioFromVolume(long double vM3, long double tsC, uint32_t patmPa)
{
    return checked::div(patm(patmPa) * vM3, kVapourGasConstantJKgK * (tsC + kCelsiusOffsetK),
                        "HumidityRatioFromVolume") -
           kMolarMassRatio;
}

long double DryBulbFromVolume(long double vM3, long double rKgKg, uint32_t patmPa)
{
    return checked::div(patm(patmPa) * vM3, kVapourGasConstantJKgK * (rKgKg + kMolarMassRatio),
                        "DryBulbFromVolume") -
           kCelsiusOffsetK;
}

} // namespace brumelle
