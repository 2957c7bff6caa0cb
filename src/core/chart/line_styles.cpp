#include "chart/line_styles.h"

namespace brumelle {

const std::array<std::string, kLineStyleCount> &LineStylePatterns()
{
    static const std::array<std::string, kLineStyleCount> patterns = {
        "--------------------------------------",
        "--- --- --- --- --- --- --- --- --- --",
        "- - - - - - - - - - - - - - - - - - - ",
        "--- - --- - --- - --- - --- - - --- - ",
        "--- - - --- - - --- - - --- - - --- - ",
    };
    return patterns;
}

std::optional<std::string> LineStylePattern(int32_t code)
{
    if (code < 0 || code >= kLineStyleCount)
        return std::nullopt;
    return LineStylePatterns()[static_cast<size_t>(code)];
}

std::optional<PenStyle> LineStylePen(int32_t code)
{
    if (code < 0 || code >= kLineStyleCount)
        return std::nullopt;
    return static_cast<PenStyle>(code);
}

} // namespace brumelle
