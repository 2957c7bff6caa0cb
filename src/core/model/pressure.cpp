#include "pressure.h"

#include "number_format.h"

namespace brumelle {

std::optional<uint32_t> ReadPressureText(const std::string &text, Messages &messages)
{
    const auto v = ReadInteger(text);
    if (!v) {
        messages.error("'" + text + "' n'est pas une valeur entière correcte");
        return std::nullopt;
    }
    return *v > 0 ? static_cast<uint32_t>(*v) : kStandardPressurePa;
}

} // namespace brumelle
