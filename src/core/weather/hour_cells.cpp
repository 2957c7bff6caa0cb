#include "weather/hour_cells.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace brumelle {

namespace {

bool InSpan(int v, int from, int to) { return from <= to ? v >= from && v <= to : v >= from || v <= to; }

// floor(v) within ±kCellBound. The x87 floor changes the rounding mode twice
// per call, which made it most of the counting's time; truncating the
// nearest double, then stepping down when that lands above v, is exact.
std::optional<int32_t> CellBound(long double v)
{
    if (!std::isfinite(v))
        return std::nullopt;
    v = std::clamp(v, -static_cast<long double>(kCellBound), static_cast<long double>(kCellBound));
    auto i = static_cast<int64_t>(static_cast<double>(v));
    if (static_cast<long double>(i) > v)
        --i;
    return static_cast<int32_t>(i);
}

// A cell's two lower bounds in one key that sorts by TS, then R.
uint64_t PackedKey(int32_t tsC, int32_t rGKg)
{
    const auto biased = [](int32_t v) { return static_cast<uint64_t>(static_cast<int64_t>(v) + 0x80000000LL); };
    return biased(tsC) << 32 | biased(rGKg);
}

int32_t Unbiased(uint64_t half) { return static_cast<int32_t>(static_cast<int64_t>(half) - 0x80000000LL); }

std::optional<uint64_t> CellKey(long double tsC, long double rKgKg)
{
    const std::optional<int32_t> ts = CellBound(tsC), r = CellBound(rKgKg * 1000.0L);
    if (!ts || !r)
        return std::nullopt;
    return PackedKey(*ts, *r);
}

bool CellBefore(const HourCell &c, uint64_t key) { return PackedKey(c.tsC, c.rGKg) < key; }

} // namespace

bool Retained(const WeatherHour &h, const HourFilter &filter)
{
    return InSpan(h.month, filter.monthFrom, filter.monthTo) && InSpan(h.hour, filter.hourFrom, filter.hourTo);
}

HourCells CountCells(const std::vector<WeatherHour> &hours, const HourFilter &filter)
{
    HourCells out;
    std::vector<uint64_t> keys;
    keys.reserve(hours.size());
    for (const WeatherHour &h : hours) {
        if (!Retained(h, filter))
            continue;
        ++out.retained;
        if (const std::optional<uint64_t> key = CellKey(h.tsC, h.rKgKg))
            keys.push_back(*key);
    }
    std::sort(keys.begin(), keys.end());
    for (size_t i = 0; i < keys.size();) {
        size_t j = i + 1;
        while (j < keys.size() && keys[j] == keys[i])
            ++j;
        const auto count = static_cast<int32_t>(j - i);
        out.cells.push_back({Unbiased(keys[i] >> 32), Unbiased(keys[i] & 0xFFFFFFFFu), count});
        out.fewestHours = out.cells.size() == 1 ? count : std::min(out.fewestHours, count);
        out.mostHours = std::max(out.mostHours, count);
        i = j;
    }
    return out;
}

int32_t HourCells::HoursAt(long double tsC, long double rKgKg) const
{
    const std::optional<uint64_t> key = CellKey(tsC, rKgKg);
    if (!key)
        return 0;
    const auto it = std::lower_bound(cells.begin(), cells.end(), *key, CellBefore);
    return it != cells.end() && PackedKey(it->tsC, it->rGKg) == *key ? it->hours : 0;
}

size_t HoursOutside(const std::vector<WeatherHour> &hours, const HourFilter &filter, const DisplayedRanges &ranges)
{
    size_t outside = 0;
    for (const WeatherHour &h : hours) {
        const long double rGKg = h.rKgKg * 1000.0L;
        if (Retained(h, filter) &&
            (h.tsC < ranges.tsMinC || h.tsC > ranges.tsMaxC || rGKg < ranges.rMinGKg || rGKg > ranges.rMaxGKg))
            ++outside;
    }
    return outside;
}

} // namespace brumelle
