#pragma once
// The five line styles: their codes, the pen style each draws with and the
// 38-character pattern text the picker lists and the options dialog shows.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "chart/canvas.h"

namespace brumelle {

constexpr int kLineStyleCount = 5;

// Pattern texts by code 0 (solid) to 4 (dash-dot-dot), trailing blanks included.
const std::array<std::string, kLineStyleCount> &LineStylePatterns();

// The pattern of a code; nothing for a code outside 0 to 4.
std::optional<std::string> LineStylePattern(int32_t code);

// The pen style of a code; nothing for a code outside 0 to 4 (such a code
// leaves the pen as the previous family left it).
std::optional<PenStyle> LineStylePen(int32_t code);

} // namespace brumelle
