#include "pressure.h"

#include "number_format.h"

#include <cstdint>

namespace brumelle {

std::optional<uint32_t> ReadPressureText(const std::string &text, Messages &messages)
{
    const auto v = ReadInteger(text);
    if (!v || *v < INT32_MIN || *v > INT32_MAX) {
        messages.error("'" + text + "' n'est pas une valeur entière correcte");
        return std::nullopt;
    }
    return *v > 0 ? static_cast<uint32_t>(*v) : kStandardPressurePa;
}

std::string PressureRowText(const std::string &text)
{
    const auto v = ReadInteger(text);
    return v && *v <= 0 && *v >= INT32_MIN ? std::to_string(kStandardPressurePa) : text;
}

std::optional<uint32_t> ParsePressureBox(const std::string &text, Messages &messages)
{
    // Each character is kept or dropped on its own: one pass in order.
    std::string kept;
    kept.reserve(text.size());
    for (const char raw : text) {
        const char c = raw == '.' ? ',' : raw;
        if ((c >= '0' && c <= '9') || c == ',' || c == '-' || c == '\b')
            kept += c;
    }
    return ReadPressureText(kept, messages);
}

} // namespace brumelle
