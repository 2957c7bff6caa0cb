// The saturation pressure is computed at every correction of the wet-bulb
// search, 60 to 170 times for each search. With its power of ten through powl
// a call took about 370 ns in 80-bit precision; the computation below brings
// it to about 35 ns and stays within 0.62 ulp of the exact power (powl: 0.9
// ulp), so that no displayed text changed (scripts/compare_texts.sh compared
// them over millions of readouts and calculations). The search in single
// precision mostly does without it (wet_bulb_search.cpp).
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "model/fault.h"
#include "model/moist_air.h"

namespace brumelle {

namespace {

#if (defined(__x86_64__) || defined(__i386__)) && LDBL_MANT_DIG == 64
// x87 extended precision, 64-bit significand: the constants below are for it.

// 2^(j/16) for j = 0 to 15: the nearest long double, and the remainder
// relative to it (a double is precise enough and quicker to load).
struct Entry {
    long double value;
    double remainder;
};
constexpr Entry kPow2Sixteenths[16] = {
    {0x8000000000000000p-63L, 0.0},
    {0x85aac367cc487b15p-63L, -0x1.bdf68dd12f7bcp-66},
    {0x8b95c1e3ea8bd6e7p-63L, -0x1.e22aebbbdca7ep-70},
    {0x91c3d373ab11c336p-63L, 0x1.bd15588b0bf3ap-68},
    {0x9837f0518db8a96fp-63L, 0x1.db73a2087d81bp-66},
    {0x9ef5326091a111aep-63L, -0x1.33636358a7282p-65},
    {0xa5fed6a9b15138eap-63L, 0x1.62967fdc53e2bp-67},
    {0xad583eea42a14ac6p-63L, 0x1.b233bce27a183p-66},
    {0xb504f333f9de6484p-63L, 0x1.fa3beab2ee627p-66},
    {0xbd08a39f580c36bfp-63L, -0x1.d9f7357ce53cap-66},
    {0xc5672a115506daddp-63L, 0x1.427bd96fad837p-66},
    {0xce248c151f8480e4p-63L, -0x1.27f81734238b6p-67},
    {0xd744fccad69d6af4p-63L, 0x1.123bdee5989abp-66},
    {0xe0ccdeec2a94e111p-63L, 0x1.ce838f7bd3fb3p-70},
    {0xeac0c6e7dd24392fp-63L, -0x1.a134ada5e4894p-67},
    {0xf5257d152486cc2cp-63L, 0x1.022c3083999e5p-65},
};

// log2(10) to 32 bits: it only chooses n, which need not be the nearest integer.
constexpr long double kLog2Of10 = 0x1.a934f098p+1L;

// log10(2) as a head of 48 bits, whose product with n/16 (|n| < 2^14) is
// exact, and the rest.
constexpr double kLog10Of2Head = 0x1.34413509f7ap-2, kLog10Of2Tail = -0x1.0cee0ed4ca7e9p-54;

// (ln 10)^k / k!: 10^x - 1 for |x| <= log10(2)/32 to well under an ulp. From
// the third on, the terms are small enough for coefficients in double precision.
constexpr long double kC1 = 0x935d8dddaaa8ac17p-62L, kC2 = 0xa9a92639e753443bp-62L;
constexpr double kC3 = 0x1.0470591de2ca4p+1, kC4 = 0x1.2bd7609fd98c4p+0, kC5 = 0x1.1429ffd1d4d76p-1,
                 kC6 = 0x1.a7ed70847c8b6p-3, kC7 = 0x1.16e4dfc333a87p-4, kC8 = 0x1.4116b05fdaa5dp-6;

// Beyond this, only next to the formula's pole, 2^m may leave the range of a
// double: the general routine takes over, out of the way of the usual path.
constexpr long double kFastRange = 300.0L;
[[gnu::noinline]] long double Pow10Far(long double e) { return std::pow(10.0L, e); }

// 10^e = 2^m × 2^(j/16) × 10^x, with n = 16m + j an integer nearest to
// 16 e log2(10) and x = e - (n/16) log10(2) (Cody and Waite's reduction,
// exact to about 2^-70). Each step is written so that the result is rounded
// once at the end, as near as possible; the wet-bulb search waits for each
// result, so the steps are ordered for a short chain of dependent operations.
inline long double Pow10(long double e)
{
    if (!(std::fabs(e) < kFastRange))
        return Pow10Far(e);

    // Adding 1.5 × 2^59 rounds to sixteenths.
    constexpr long double kRoundToSixteenths = 0x1.8p59L;
    const long double sixteenths = (e * kLog2Of10 + kRoundToSixteenths) - kRoundToSixteenths; // n/16
    const int64_t n = static_cast<int64_t>(static_cast<double>(sixteenths) * 16.0);
    const long double x = (e - sixteenths * kLog10Of2Head) - sixteenths * kLog10Of2Tail;

    // 2^m exactly, as a double (|m| < 1000 here), applied to the table entry.
    const uint64_t scaleBits = static_cast<uint64_t>((n >> 4) + 1023) << 52;
    double scale;
    std::memcpy(&scale, &scaleBits, sizeof scale);
    const Entry &t = kPow2Sixteenths[n & 15];
    const long double base = t.value * scale;

    // 10^x - 1 plus the entry's remainder, in Estrin's order: independent
    // products keep the chain short.
    const long double x2 = x * x, x3 = x2 * x, x5 = x3 * x2;
    const long double s = (((kC1 * x + t.remainder) + kC2 * x2) + x3 * (kC3 + kC4 * x)) +
                          x5 * ((kC5 + kC6 * x) + x2 * (kC7 + kC8 * x));
    return base + base * s;
}
#else
long double Pow10(long double e) { return std::pow(10.0L, e); }
#endif

} // namespace

long double SaturationPressure(long double tC)
{
    // No air is at or below absolute zero; the formula would still give a
    // number there (and a pole near −233 °C), which must never be shown.
    if (!(tC > kAbsoluteZeroC))
        throw ComputeFault("SaturationPressure: at or below absolute zero");
    const long double e = 2.7858L + checked::div(tC, 31.559L + 0.1354L * tC, "SaturationPressure");
    return checked::finite(Pow10(e), "SaturationPressure");
}

} // namespace brumelle
