#include "sizing/ahu_boxes.h"
#include "sizing/ahu_sizing.h"

namespace brumelle {

namespace {

// The checked button of a group, as captioned; none when the group has none.
const char *Checked(const AhuData &a, const char *group)
{
    for (const AhuRadioButton &b : AhuRadioButtons())
        if (std::string(b.group) == group && RadioState(a, b.button))
            return b.caption;
    return nullptr;
}

} // namespace

std::vector<CaptionedText> CurrentInputs(const AhuData &a)
{
    // The captions on one line, made once: every run of the sizing keeps its inputs.
    static const std::vector<std::string> captions = [] {
        std::vector<std::string> c;
        for (const AhuTextBox &box : AhuTextBoxes())
            c.push_back(OneLine(box.label));
        return c;
    }();
    std::vector<CaptionedText> inputs;
    inputs.reserve(AhuTextBoxes().size() + 2);
    size_t i = 0;
    for (const AhuTextBox &box : AhuTextBoxes()) {
        const std::string &caption = captions[i++];
        // The minimum fresh air and the exchanger's efficiency only where the
        // fresh-air choice makes the sizing read them.
        if ((box.field == &AhuData::E_QM_AN && !a.R_melange) ||
            (box.field == &AhuData::E_eff_echangeur && !a.R_Echange_plaques))
            continue;
        inputs.push_back({caption, a.*box.field});
    }
    for (const char *group : {"Humidificateur", "Air neuf"})
        if (const char *checked = Checked(a, group))
            inputs.push_back({group, checked});
    return inputs;
}

bool InputsChangedSinceRun(const AhuData &a)
{
    return a.lastRun.outcome != LastRun::Outcome::NotRun && CurrentInputs(a) != a.lastRun.inputs;
}

} // namespace brumelle
