#pragma once
// The sizing wizard's boxes and radio buttons as one table, the only
// description of them: each box's label in the wizard (a "\n" where it
// breaks), its hint, its field, its key in the document's section "CTA" and
// its initial text, which is also what a document without the key gives;
// each radio button's caption, group and key. The wizard builds its boxes
// from it, the document reads and writes by it, and the sizing's run and
// the calculation note caption its inputs by it.
#include <array>
#include <string>

#include "sizing/ahu_sizing.h"

namespace brumelle {

struct AhuTextBox {
    const char *label; // in the wizard, "\n" where it breaks
    const char *hint;  // the box's tooltip
    std::string AhuData::*field;
    const char *key;         // in the document's section "CTA"
    const char *initialText; // at start, and for a document without the key
};

struct AhuRadioButton {
    AhuRadio button;
    const char *caption;
    const char *group; // its group box's caption
    const char *key;   // in the document's section "CTA"
};

constexpr const char *kAhuSection = "CTA";

// In the wizard's and the document's order.
const std::array<AhuTextBox, 10> &AhuTextBoxes();
const std::array<AhuRadioButton, 5> &AhuRadioButtons();
const AhuTextBox &AhuBox(std::string AhuData::*field);
const AhuRadioButton &AhuButton(AhuRadio button);

// A label on one line, as the note writes it: each break becomes one blank.
std::string OneLine(const char *label);

} // namespace brumelle
