#include "presentation/pressure_box.h"

#include <cmath>
#include <cstdint>

#include "presentation/number_format.h"

namespace brumelle {

namespace {

std::optional<uint32_t> ReadWholePascals(const std::string &text, Messages &messages)
{
    const auto v = ReadInteger(text);
    if (!v || *v < INT32_MIN || *v > INT32_MAX) {
        messages.error("'" + text + "' n'est pas une valeur entière correcte");
        return std::nullopt;
    }
    return *v > 0 ? static_cast<uint32_t>(*v) : kStandardPressurePa;
}

// Blanks around, one sign, digits with at most one separator ("," or "."):
// an exponent, a prefix or a unit would otherwise be dropped into another
// altitude ("1e309" into 1309 m).
bool isPlainDecimal(const std::string &text)
{
    const size_t first = text.find_first_not_of(" \t"), last = text.find_last_not_of(" \t");
    if (first == std::string::npos)
        return false;
    size_t i = first + (text[first] == '+' || text[first] == '-');
    bool digits = false, separator = false;
    for (; i <= last; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9')
            digits = true;
        else if ((c == ',' || c == '.') && !separator)
            separator = true;
        else
            return false;
    }
    return digits;
}

} // namespace

std::optional<uint32_t> PressureBox::Read(Messages &messages) const { return ReadWholePascals(text, messages); }

bool PressureBox::ReadInto(uint32_t &patmPa, Messages &messages) const
{
    const auto patm = Read(messages);
    if (patm)
        patmPa = *patm;
    return patm.has_value();
}

bool PressureBox::Type(const std::string &typed, uint32_t &patmPa, Messages &messages)
{
    const auto patm = ReadWholePascals(KeepNumberCharacters(typed), messages);
    if (!patm)
        return false;
    Show(patmPa = *patm);
    return true;
}

std::string PressureBox::RowText() const
{
    const auto v = ReadInteger(text);
    return v && *v <= 0 && *v >= INT32_MIN ? std::to_string(kStandardPressurePa) : text;
}

std::optional<uint32_t> PressureAtTypedAltitude(const std::string &typed, Messages &messages)
{
    const std::optional<long double> zM = isPlainDecimal(typed) ? ReadUserNumber(typed) : std::nullopt;
    const std::optional<uint32_t> pPa = zM ? StandardPressureAt(*zM) : std::nullopt;
    if (!pPa)
        messages.message(kAltitudeRefused);
    return pPa;
}

} // namespace brumelle
