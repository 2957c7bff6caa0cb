#include "weather/design_conditions.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <optional>

#include "model/fault.h"
#include "model/moist_air.h"

namespace brumelle {

namespace {

struct Level {
    DesignLevel level;
    long double qPercent; // percentile of the dry bulbs sorted ascending
};
// In the order of kDesignConditionNames: heating at 99.6 % and 99 % is
// exceeded that often, so its dry bulb lies 0.4 % and 1 % from the bottom.
constexpr Level kLevels[] = {{DesignLevel::Heating996, 0.4L},
                             {DesignLevel::Heating99, 1.0L},
                             {DesignLevel::Cooling04, 100.0L - 0.4L},
                             {DesignLevel::Cooling1, 100.0L - 1.0L},
                             {DesignLevel::Cooling2, 100.0L - 2.0L}};
static_assert(std::size(kLevels) == kDesignConditionNames.size());

// The evolutions' search at the hour's pressure, which it takes in whole pascals.
std::optional<long double> WetBulbOf(const WeatherHour &hour)
{
    const long double patm = std::round(hour.patmPa);
    if (!(patm >= 1.0L && patm <= static_cast<long double>(std::numeric_limits<uint32_t>::max())))
        return std::nullopt;
    MoistAirState s;
    s.TS = hour.tsC;
    s.Pv = hour.pvPa;
    try {
        WetBulbFromPv(s, static_cast<uint32_t>(patm), PvPrecision::Double);
    } catch (const ComputeFault &) {
        return std::nullopt;
    }
    return s.TH;
}

// The hours by dry bulb, each wet bulb searched once and only when a row needs it.
class SortedYear {
public:
    explicit SortedYear(const std::vector<WeatherHour> &hours)
    {
        for (const WeatherHour &h : hours)
            if (std::isfinite(h.tsC))
                hours_.push_back(&h);
        // Ties keep the year's order, so that the nearest hour is always the same one.
        std::stable_sort(hours_.begin(), hours_.end(),
                         [](const WeatherHour *a, const WeatherHour *b) { return a->tsC < b->tsC; });
        for (const WeatherHour *h : hours_)
            dryBulbs_.push_back(h->tsC);
        wetBulbs_.resize(hours_.size());
        searched_.resize(hours_.size(), false);
    }

    const std::vector<long double> &DryBulbs() const { return dryBulbs_; }

    const std::optional<long double> &WetBulb(size_t i)
    {
        if (!searched_[i]) {
            wetBulbs_[i] = WetBulbOf(*hours_[i]);
            searched_[i] = true;
        }
        return wetBulbs_[i];
    }

    // The mean wet bulb of the hours within the window of dryBulbC, or the
    // nearest hour's (the colder of two as near) when none has one.
    std::optional<long double> CoincidentWetBulb(long double dryBulbC)
    {
        const auto within = [dryBulbC](long double t) { return std::fabs(t - dryBulbC) <= kCoincidentWindowK; };
        // The hours within the window follow one another in the sorted year.
        const auto below = std::partition_point(dryBulbs_.begin(), dryBulbs_.end(),
                                                [&](long double t) { return t < dryBulbC && !within(t); });
        long double sum = 0;
        size_t count = 0;
        for (size_t i = static_cast<size_t>(below - dryBulbs_.begin()); i < dryBulbs_.size() && within(dryBulbs_[i]);
             ++i) {
            if (const std::optional<long double> &w = WetBulb(i)) {
                sum += *w;
                ++count;
            }
        }
        if (count > 0)
            return sum / static_cast<long double>(count);

        // Outward from the design dry bulb, one hour at a time.
        size_t up = static_cast<size_t>(std::lower_bound(dryBulbs_.begin(), dryBulbs_.end(), dryBulbC) -
                                        dryBulbs_.begin());
        size_t down = up; // the hour below is down - 1
        while (down > 0 || up < dryBulbs_.size()) {
            const bool takeDown =
                up == dryBulbs_.size() || (down > 0 && dryBulbC - dryBulbs_[down - 1] <= dryBulbs_[up] - dryBulbC);
            const size_t i = takeDown ? --down : up++;
            if (const std::optional<long double> &w = WetBulb(i))
                return w;
        }
        return std::nullopt;
    }

private:
    std::vector<const WeatherHour *> hours_;
    std::vector<long double> dryBulbs_;
    std::vector<std::optional<long double>> wetBulbs_;
    std::vector<bool> searched_;
};

} // namespace

long double Percentile(const std::vector<long double> &sortedAscending, long double qPercent)
{
    if (sortedAscending.empty() || !std::isfinite(qPercent))
        throw ComputeFault("Percentile: no value or no percentile");
    const size_t lastIndex = sortedAscending.size() - 1;
    const long double position =
        std::clamp(qPercent / 100.0L * static_cast<long double>(lastIndex), 0.0L, static_cast<long double>(lastIndex));
    const size_t below = static_cast<size_t>(position);
    if (below == lastIndex)
        return sortedAscending[lastIndex];
    const long double fraction = position - static_cast<long double>(below);
    return sortedAscending[below] + fraction * (sortedAscending[below + 1] - sortedAscending[below]);
}

std::vector<DesignCondition> DesignConditionsOfYear(const std::vector<WeatherHour> &hours)
{
    SortedYear year(hours);
    if (year.DryBulbs().empty())
        return {};
    std::vector<DesignCondition> rows;
    for (const Level &level : kLevels) {
        DesignCondition row;
        row.level = level.level;
        row.dryBulbC = Percentile(year.DryBulbs(), level.qPercent);
        row.wetBulbC = year.CoincidentWetBulb(row.dryBulbC);
        rows.push_back(row);
    }
    return rows;
}

long double RelativeHumidityFromWetBulb(long double tsC, long double thC, uint32_t patmPa)
{
    // "Un point" with TS and TH given: the vapour pressure by the
    // psychrometric formula, then the relative humidity.
    const long double pv = PsychrometricPv(tsC, thC, patmPa, PvPrecision::Double);
    if (!(pv > 0.0L))
        throw ComputeFault("RelativeHumidityFromWetBulb: no vapour pressure");
    return RelativeHumidity(pv, tsC);
}

} // namespace brumelle
