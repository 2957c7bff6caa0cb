// The wet-bulb search waits for one saturation pressure at each of its 60 to
// 170 corrections, in 80-bit arithmetic whose operations are slow one after
// the other. Yet with the psychrometric pressure in single precision, every
// correction depends on the saturation pressure only through a float:
//
//   pc = float(Pvs(th) - a Patm (TS - th))
//   th += ±0.921 |(Pv + 100) - (pc + 100)| / (Pv + 100)
//
// So the search runs twice, side by side. A quick copy in double precision
// follows the temperatures within about 1e-13 K and predicts each float; the
// exact search takes the predicted float only when the prediction is, with a
// proven error bound, farther from a float rounding boundary than that bound,
// so that the long double computation would give the same float. The exact
// search then makes every correction and every decision itself, in long
// double, as WetBulbFromPv does: the same temperatures bit for bit. Its own
// steps do not wait for a saturation pressure, so the processor overlaps them
// with the quick copy. Where a bound does not hold (mostly where the float is
// near zero; about 1 search in 400 over the chart's range), the caller runs
// the search the usual way.
#include "model/wet_bulb_search.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <initializer_list>

#include "model/moist_air.h"

namespace brumelle {

namespace {

// Saturation pressure in double precision: on each interval of 1 K centred on
// an integer from -64 to 63 °C, the Taylor polynomial of degree 7 of
//   P(t) = 10^(c0 + t / (c1 + c2 t))
// around the centre, with c0, c1, c2 the long double constants of
// SaturationPressure.
constexpr int kFirstCentre = -64, kIntervals = 128, kDegree = 7;
constexpr long double kC0 = 2.7858L, kC1 = 31.559L, kC2 = 0.1354L;

struct alignas(64) Row {
    double a[kDegree + 1];
};

struct Table {
    Row rows[kIntervals];
    // Bound on |polynomial - P(t)| / P(t) over every interval, rounding of
    // the evaluation in double included.
    double relError = 1.0;
};

// Taylor coefficients of P at t0 by the power series of the exponent:
//   c0 + g(t0 + x), g(t0 + x) = t0/C + sum_k (-1)^(k+1) (c1/C^2) (c2/C)^(k-1) x^k,
// C = c1 + c2 t0, and p_n = (1/n) sum_k k h_k p_(n-k) for P = exp(h).
//
// Error bound: P has no singularity but the pole of g at -c1/c2 (-233 °C), so
// on a disk of radius rho around t0 clear of it, |P(z)| <= P(t0 + rho) (the
// real part of g is largest at t0 + rho), and Cauchy's estimate bounds the
// rest of the series for |x| <= 1/2 by
//   P(t0 + rho) (1/2 / rho)^8 / (1 - 1/2 / rho).
// The coefficients (computed in long double, rounded to double) and the
// evaluation of the polynomial in double add at most (4 × 7 + 4) × 2^-53
// times the sum of |a_j| / 2^j, about three times what they can; the whole is
// then taken four times over.
Table BuildTable()
{
    Table t;
    const long double ln10 = std::log(10.0L);
    long double worst = 0;
    for (int i = 0; i < kIntervals; ++i) {
        const long double t0 = kFirstCentre + i;
        const long double c = kC1 + kC2 * t0;
        long double h[kDegree + 1] = {};
        long double power = kC1 / (c * c);
        for (int k = 1; k <= kDegree; ++k) {
            h[k] = ln10 * (k % 2 == 1 ? power : -power);
            power *= kC2 / c;
        }
        long double p[kDegree + 1];
        p[0] = SaturationPressure(t0);
        for (int n = 1; n <= kDegree; ++n) {
            long double sum = 0;
            for (int k = 1; k <= n; ++k)
                sum += k * h[k] * p[n - k];
            p[n] = sum / n;
        }
        long double sumAbs = 0, half = 1;
        for (int j = 0; j <= kDegree; ++j) {
            t.rows[i].a[j] = static_cast<double>(p[j]);
            sumAbs += std::fabs(p[j]) * half;
            half /= 2;
        }
        const long double pMin = SaturationPressure(t0 - 0.5L) * 0.999L;
        long double truncation = HUGE_VALL;
        for (long double rho : {4.0L, 6.0L, 8.0L, 12.0L, 16.0L, 24.0L, 32.0L, 48.0L, 64.0L, 96.0L, 128.0L}) {
            if (!(c - kC2 * rho > 1.0L)) // the disk must stay clear of the pole
                continue;
            const long double ratio = 0.5L / rho;
            truncation = std::fmin(truncation, SaturationPressure(t0 + rho) * 1.001L * std::pow(ratio, kDegree + 1) /
                                                   (1 - ratio) / pMin);
        }
        const long double rounding = (4 * kDegree + 4) * 0x1p-53L * sumAbs / pMin;
        worst = std::fmax(worst, 4 * (truncation + rounding));
    }
    t.relError = static_cast<double>(worst);
    return t;
}

const Table &SaturationTable()
{
    static const Table table = BuildTable();
    return table;
}

// Estrin's order: short chains, as each correction waits for the result.
inline double Evaluate(const Row &r, double x)
{
    const double x2 = x * x, x4 = x2 * x2;
    const double p01 = r.a[0] + r.a[1] * x, p23 = r.a[2] + r.a[3] * x;
    const double p45 = r.a[4] + r.a[5] * x, p67 = r.a[6] + r.a[7] * x;
    return (p01 + x2 * p23) + x4 * (p45 + x2 * p67);
}

// Past this many corrections the search is left to WetBulbFromPv, which
// knows when to give up.
constexpr int kQuickMaxCorrections = 1000;

} // namespace

bool QuickSingleWetBulbSearch(long double tsC, long double pvPa, uint32_t patmPa, WetBulbSearch &out)
{
    // The bounds below count on a long double of 64 bits of significand or more.
    if (LDBL_MANT_DIG < 64)
        return false;
    const Table &table = SaturationTable();
    // Bounds within which the error analysis below is simple.
    if (!(table.relError < 1e-9) || !(pvPa >= 0.0L && pvPa < 1e6L) || !(std::fabs(tsC) < 1e4L))
        return false;
    const float coefficient = tsC >= 0.0L ? 0.00066f : 0.00056f;
    // Exact: 24 bits times at most 32.
    const long double aPatm = static_cast<long double>(coefficient) * static_cast<long double>(patmPa);
    const long double pv100 = pvPa + 100.0L;

    // The quick copy's constants.
    const double aPatmD = static_cast<double>(aPatm), tsD = static_cast<double>(tsC);
    const double pvD = static_cast<double>(pvPa), stepD = 0.921 / static_cast<double>(pv100);
    // Bound on |q - exact q| at the same temperature t, for
    //   q = P(t) - aPatm (TS - t):
    // the polynomial (relError P), the product's roundings in double (2^-49
    // aPatm (2|TS| + |t| + 1)), the final subtraction and, for the long double
    // computation, at most 41 × 2^-64 (P + aPatm |TS - t|) with the power of
    // ten within 0.62 ulp: all covered by the terms below, 1 % added.
    const double relP = (table.relError + 0x1p-50) * 1.01;
    const double absA = 0x1p-49 * aPatmD * (2 * std::fabs(tsD) + 1) * 1.01;

    long double th = tsC / 2.0L - 10.0L;
    double thD = static_cast<double>(th);
    int corrections = 0;
    long double pc, e;
    for (;;) {
        // The quick copy's float.
        if (!(thD >= kFirstCentre - 0.5 && thD < kFirstCentre + kIntervals - 0.5))
            return false;
        constexpr double kRound = 0x1.8p52; // adding it rounds to an integer
        const double centre = (thD + kRound) - kRound;
        const double x = thD - centre; // exact, |x| <= 1/2
        const double p = Evaluate(table.rows[static_cast<int>(centre) - kFirstCentre], x);
        const double q = p - aPatmD * (tsD - thD);
        const float predicted = static_cast<float>(q);
        const double f = predicted;

        // Is it the float of the long double computation at th? Over the gap
        // between thD and th, q changes by at most (0.15 P + aPatm) per kelvin:
        // P'/P = ln 10 c1 / (c1 + c2 t)^2 <= 0.14 from -64.5 °C up.
        // (A gap under 1e-3 K keeps that bound; it is about 1e-13 K.)
        const double gap = static_cast<double>(std::fabs(th - static_cast<long double>(thD)));
        if (!(gap < 1e-3))
            return false;
        const double bound = relP * p + absA + 0x1p-49 * aPatmD * std::fabs(thD) + (0.15 * p + aPatmD) * gap;
        // The rounding boundaries around f lie half a float spacing away
        // from it, on the side of q; |q| - |f| is exact.
        if (!(std::fabs(f) >= FLT_MIN && std::fabs(f) <= FLT_MAX))
            return false;
        uint32_t bits;
        std::memcpy(&bits, &predicted, sizeof bits);
        bits &= 0x7fffffffu;
        const uint64_t halfBits = static_cast<uint64_t>((bits >> 23) - 127 - 24 + 1023) << 52;
        double halfSpacing; // 2^(exponent - 24)
        std::memcpy(&halfSpacing, &halfBits, sizeof halfSpacing);
        const double beyond = std::fabs(q) - std::fabs(f);
        if ((bits & 0x7fffffu) == 0 && beyond < 0)
            halfSpacing /= 2; // below a power of two the floats are twice as close
        if (!(halfSpacing - std::fabs(beyond) > bound))
            return false;

        // The exact search, as WetBulbFromPv writes it.
        pc = predicted;
        e = std::fabs(((pvPa + 100.0L) - (pc + 100.0L)) / pv100);
        if (corrections > 0 && e < 0.001L)
            break;
        if (corrections >= kQuickMaxCorrections)
            return false;
        if (pvPa > pc)
            th = th + 0.921L * e;
        else if (pvPa < pc)
            th = th - 0.921L * e;
        ++corrections;
        thD += (pvD - f) * stepD;
    }
    out.thC = th;
    out.error = e;
    out.corrections = corrections;
    return true;
}

} // namespace brumelle
