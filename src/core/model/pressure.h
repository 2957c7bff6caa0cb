#pragma once
#include "messages.h"

#include <cstdint>
#include <optional>
#include <string>

namespace brumelle {

// Standard atmosphere, Pa: stands in for a pressure of 0 or less, which
// every equation would divide by.
constexpr uint32_t kStandardPressurePa = 101325;

// The pressure box's text as every calculation and the document opening read
// it: a text that is not a whole number shows "'%s' n'est pas une valeur
// entière correcte" in the error box and gives nothing; 0 or less gives the
// standard atmosphere.
// A whole number beyond the 32-bit range counts as not a whole number, as
// the integer conversion refuses it.
std::optional<uint32_t> ReadPressureText(const std::string &text, Messages &messages);

// The pressure row of a result grid: the pressure the numbers are computed
// at, so a text of 0 or less shows the standard atmosphere that stands in
// for it; any other text as it is.
std::string PressureRowText(const std::string &text);

// The options dialog's reading of its pressure box: walking from the last
// character to the first, "." becomes ","; digits, ",", "-" and the
// backspace character are kept and every other character is dropped. What
// remains is read as ReadPressureText reads it (the error names the
// filtered text).
std::optional<uint32_t> ParsePressureBox(const std::string &text, Messages &messages);

} // namespace brumelle
