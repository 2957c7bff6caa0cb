#pragma once
#include <string>

namespace brumelle {

// An integer as ini files hold them: decimal with an optional minus sign, or
// hexadecimal after "0x", "0X" or "$", within 32 bits (hexadecimal takes all
// 32 bits, "$FFFFFFFF" being -1). False, value untouched, when the text is
// not one.
bool ParseIniInteger(const std::string &text, long long &value);

} // namespace brumelle
