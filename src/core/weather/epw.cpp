#include "weather/epw.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>
#include <system_error>

#include "model/fault.h"
#include "model/moist_air.h"
#include "model/standard_atmosphere.h"
#include "storage/text_codecs.h"

namespace brumelle {

namespace {

constexpr int kHeaderLines = 8;
// A data row is read up to its tenth field, the station pressure; the
// fields after it are not looked at.
constexpr int kFieldsUsed = 10;

// The file's marks of a missing value: 99.9 for the temperatures, 999 for
// the humidity, 999999 for the pressure.
constexpr double kMissingTemperatureC = 99.9;
constexpr double kLowestStationPressurePa = 30000, kHighestStationPressurePa = 120000;

constexpr int kDaysInMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The next line of [p, end) without its LF or CR LF; p moves past it.
std::string_view NextLine(const char *&p, const char *end)
{
    const auto *nl = static_cast<const char *>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
    const char *stop = nl ? nl : end;
    std::string_view line(p, static_cast<size_t>(stop - p));
    p = nl ? nl + 1 : end;
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

// The whole field, blanks aside, as a finite number.
bool ReadDouble(std::string_view field, double &v)
{
    field = Trimmed(field);
    const char *first = field.data(), *last = first + field.size();
    const auto [ptr, ec] = std::from_chars(first, last, v);
    return ec == std::errc() && ptr == last && std::isfinite(v);
}

bool ReadInt(std::string_view field, int &v, int lowest, int highest)
{
    field = Trimmed(field);
    const char *first = field.data(), *last = first + field.size();
    const auto [ptr, ec] = std::from_chars(first, last, v);
    return ec == std::errc() && ptr == last && v >= lowest && v <= highest;
}

std::optional<long double> ReadNumber(std::string_view field)
{
    double v;
    if (!ReadDouble(field, v))
        return std::nullopt;
    return static_cast<long double>(v);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// A header line's fields, in UTF-8, trimmed and unquoted. A comma between
// double quotes belongs to its field. Control characters (a lone CR, NUL)
// become blanks: a text shown on one line must stay on one line.
std::vector<std::string> HeaderFields(std::string_view line)
{
    std::string raw(line);
    for (char &c : raw)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    const std::string text = IsValidUtf8(raw) ? raw : Cp1252ToUtf8(raw);
    std::vector<std::string> fields;
    size_t start = 0;
    bool quoted = false;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] == '"')
            quoted = !quoted;
        if (i < text.size() && (quoted || text[i] != ','))
            continue;
        std::string_view f = Trimmed(std::string_view(text).substr(start, i - start));
        if (f.size() >= 2 && f.front() == '"' && f.back() == '"')
            f = f.substr(1, f.size() - 2);
        fields.emplace_back(f);
        start = i + 1;
    }
    return fields;
}

void ReadLocation(const std::vector<std::string> &f, EpwLocation &loc)
{
    const auto text = [&](size_t i) { return i < f.size() ? f[i] : std::string(); };
    const auto number = [&](size_t i) { return i < f.size() ? ReadNumber(f[i]) : std::nullopt; };
    loc.city = text(1);
    loc.state = text(2);
    loc.country = text(3);
    loc.source = text(4);
    loc.wmo = text(5);
    loc.latitudeDeg = number(6);
    loc.longitudeDeg = number(7);
    loc.timeZoneH = number(8);
    loc.elevationM = number(9);
}

// The ASHRAE layouts of 2009, 2017 and 2021 differ after the values read
// here, which follow the words Heating (coldest month, then the 99.6 % and
// 99 % dry bulbs) and Cooling (hottest month, daily range, then each dry bulb
// with its mean coincident wet bulb at 0.4 %, 1 % and 2 %).
std::vector<DesignCondition> ReadDesignConditions(const std::vector<std::string> &f)
{
    std::vector<DesignCondition> conditions;
    if (f.size() < 2 || f[1].empty() || f[1] == "0")
        return conditions;
    const auto after = [&](const char *word) -> std::optional<size_t> {
        for (size_t i = 2; i < f.size(); ++i)
            if (EqualsIgnoringCase(f[i], word))
                return i;
        return std::nullopt;
    };
    const auto number = [&](size_t i) { return i < f.size() ? ReadNumber(f[i]) : std::nullopt; };
    const auto add = [&](DesignLevel level, std::optional<long double> dryBulbC, std::optional<long double> wetBulbC) {
        if (dryBulbC)
            conditions.push_back({level, *dryBulbC, wetBulbC});
    };
    if (const auto h = after("Heating")) {
        add(DesignLevel::Heating996, number(*h + 2), std::nullopt);
        add(DesignLevel::Heating99, number(*h + 3), std::nullopt);
    }
    if (const auto c = after("Cooling")) {
        add(DesignLevel::Cooling04, number(*c + 3), number(*c + 4));
        add(DesignLevel::Cooling1, number(*c + 5), number(*c + 6));
        add(DesignLevel::Cooling2, number(*c + 7), number(*c + 8));
    }
    return conditions;
}

struct Row {
    int month = 0, day = 0, hour = 0;
    double dryBulbC = 0, dewPointC = 0, humidityPct = 0, pressurePa = 0;
};

// The used fields of a data row; false when it cannot be read.
bool ReadRow(std::string_view line, Row &row)
{
    std::string_view field[kFieldsUsed];
    const char *p = line.data(), *const end = p + line.size();
    for (int i = 0; i < kFieldsUsed; ++i) {
        const auto *comma = static_cast<const char *>(std::memchr(p, ',', static_cast<size_t>(end - p)));
        if (!comma && i < kFieldsUsed - 1)
            return false;
        const char *stop = comma ? comma : end;
        field[i] = std::string_view(p, static_cast<size_t>(stop - p));
        p = comma ? comma + 1 : end;
    }
    return ReadInt(field[1], row.month, 1, 12) && ReadInt(field[2], row.day, 1, kDaysInMonth[row.month - 1]) &&
           ReadInt(field[3], row.hour, 1, 24) && ReadDouble(field[6], row.dryBulbC) &&
           ReadDouble(field[7], row.dewPointC) && ReadDouble(field[8], row.humidityPct) &&
           ReadDouble(field[9], row.pressurePa);
}

bool IsTemperature(double tC) { return tC < kMissingTemperatureC && tC > kAbsoluteZeroC; }

// Pvs of the dew point; without one, RH × Pvs of the dry bulb; nothing
// without either or without a dry bulb. Near the saturation formula's pole
// (−233 °C) a temperature gives no pressure.
std::optional<long double> VapourPressure(const Row &row)
{
    if (!IsTemperature(row.dryBulbC))
        return std::nullopt;
    if (IsTemperature(row.dewPointC)) {
        try {
            return SaturationPressure(row.dewPointC);
        } catch (const ComputeFault &) {
        }
    }
    if (row.humidityPct >= 0 && row.humidityPct <= 100) {
        try {
            return row.humidityPct / 100.0L * SaturationPressure(row.dryBulbC);
        } catch (const ComputeFault &) {
        }
    }
    return std::nullopt;
}

// R at the hour's pressure; false when the vapour pressure reaches it.
bool SetHumidityRatio(WeatherHour &h)
{
    if (!(h.pvPa < h.patmPa))
        return false;
    try {
        h.rKgKg = checked::div(0.622L * h.pvPa, h.patmPa - h.pvPa, "WeatherHour");
        return true;
    } catch (const ComputeFault &) {
        return false;
    }
}

void RebuildHours(WeatherYear &year)
{
    year.hours.clear();
    for (WeatherHour h : year.rowsWithVapour) {
        if (!h.stationPressure) {
            h.patmPa = year.chartPatmPa;
            if (!SetHumidityRatio(h))
                continue;
        }
        year.hours.push_back(h);
    }
    year.missingHours = year.rowsRead - year.hours.size();
}

} // namespace

std::optional<WeatherYear> ReadEpw(const std::string &bytes, long double chartPatmPa)
{
    const char *p = bytes.data(), *const end = p + bytes.size();
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        p += 3;
    WeatherYear year;
    year.chartPatmPa = chartPatmPa;
    int headerLines = 0;
    long double pressureSumPa = 0;
    size_t pressures = 0;
    bool someWithoutPressure = false;
    // The usable hours, and those waiting for the chart's pressure.
    std::vector<WeatherHour> rows;
    rows.reserve(bytes.size() / 150 + 1); // an hour's row is 150 to 200 bytes
    while (p < end) {
        const std::string_view line = NextLine(p, end);
        if (Trimmed(line).empty())
            continue;
        if (headerLines < kHeaderLines) {
            const std::vector<std::string> fields = HeaderFields(line);
            if (headerLines == 0) {
                if (!EqualsIgnoringCase(fields[0], "LOCATION"))
                    return std::nullopt;
                ReadLocation(fields, year.location);
            } else if (EqualsIgnoringCase(fields[0], "DESIGN CONDITIONS")) {
                year.designConditions = ReadDesignConditions(fields);
            }
            ++headerLines;
            continue;
        }
        Row row;
        if (!ReadRow(line, row)) {
            ++year.unreadableRows;
            continue;
        }
        ++year.rowsRead;
        const bool stationPressure =
            row.pressurePa >= kLowestStationPressurePa && row.pressurePa <= kHighestStationPressurePa;
        if (stationPressure) {
            pressureSumPa += row.pressurePa;
            ++pressures;
        }
        const std::optional<long double> pvPa = VapourPressure(row);
        if (!pvPa)
            continue;
        WeatherHour h;
        h.month = row.month;
        h.day = row.day;
        h.hour = row.hour;
        h.tsC = row.dryBulbC;
        h.pvPa = *pvPa;
        h.stationPressure = stationPressure;
        if (stationPressure) {
            h.patmPa = row.pressurePa;
            if (!SetHumidityRatio(h))
                continue;
        } else {
            someWithoutPressure = true;
        }
        rows.push_back(h);
    }
    if (year.rowsRead == 0)
        return std::nullopt;

    if (pressures > 0) {
        year.stationPressurePa = pressureSumPa / static_cast<long double>(pressures);
    } else {
        const std::optional<uint32_t> standardPa =
            year.location.elevationM ? StandardPressureAt(*year.location.elevationM) : std::nullopt;
        year.stationPressurePa = standardPa.value_or(kStandardPressurePa);
    }
    if (someWithoutPressure) {
        year.rowsWithVapour = std::move(rows);
        RebuildHours(year);
    } else {
        year.hours = std::move(rows);
        year.missingHours = year.rowsRead - year.hours.size();
    }
    return year;
}

void UseChartPressure(WeatherYear &year, long double patmPa)
{
    year.chartPatmPa = patmPa;
    if (!year.rowsWithVapour.empty())
        RebuildHours(year);
}

} // namespace brumelle
