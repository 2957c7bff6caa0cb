#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "model/standard_atmosphere.h"
#include "presentation/messages.h"

namespace brumelle {

// The text of the options dialog's pressure box. Every calculation reads it
// again at its start, and so does the opening of a document, through
// ReadInto; the whole pascals it gives become the pressure in use (the
// chart's Patm). Until the dialog is shown or a document is opened it holds
// "101325".
struct PressureBox {
    std::string text = "101325";

    // The box's one reading rule: a text that is not a whole number (a number
    // beyond the 32-bit range included) shows "'%s' n'est pas une valeur
    // entière correcte" in the error box and gives nothing; 0 or less gives
    // the standard atmosphere.
    std::optional<uint32_t> Read(Messages &messages) const;
    // Reads the text and makes it the pressure in use; false, with the error
    // shown and `patmPa` as it was, when it is not a whole number.
    bool ReadInto(uint32_t &patmPa, Messages &messages) const;

    // The dialog's "Ok": of what was typed, walking from the last character
    // to the first, "." becomes ","; digits, ",", "-" and the backspace
    // character are kept and every other character is dropped. What remains
    // is read by the rule above (the error names it); when it is a whole
    // number the box shows it in decimal, so that every later reading gives
    // the same pressure, and it becomes the pressure in use.
    bool Type(const std::string &typed, uint32_t &patmPa, Messages &messages);
    // The dialog's showing: the box shows the pressure in use.
    void Show(uint32_t patmPa) { text = std::to_string(patmPa); }

    // Row 8 of a result grid: the pressure the numbers are computed at, so a
    // text of 0 or less shows the standard atmosphere that stands in for it;
    // any other text as it is.
    std::string RowText() const;
};

constexpr const char *kAltitudeRefused =
    "L'altitude doit être un nombre compris entre -500 et 11000 m, la pression n'est pas modifiée";

// The options dialog's altitude button: the altitude box's text read as a
// plain decimal number (blanks around, one sign, digits, one "," or "."),
// then its standard pressure. Any other text ("1e3", "0x10", "nan", a
// unit), or an altitude outside the bounds, shows kAltitudeRefused in a
// plain box and gives nothing.
std::optional<uint32_t> PressureAtTypedAltitude(const std::string &typed, Messages &messages);

} // namespace brumelle
