#pragma once
#include <functional>

namespace brumelle {

// One boolean per "dessiner" box, set only by that box's click handler.
struct DrawingFlags {
    bool Check_dessin_1point = false;
    bool Check_dessin_BC = false;
    bool Check_dessin_BFC = false;
    bool Check_dessin_Lav = false;
    bool Check_dessin_vap = false;
    bool Check_dessin_melange = false;
    bool Check_dessin_CTA = false;
};

// What the "dessiner" boxes work with: their flags, and whether a tick
// repaints the chart at once (off while a document opens).
struct DrawingBoxes {
    DrawingFlags &flags;
    const bool &repaintOnFlagChange;

    // A box's click handler: its flag takes the box's state, and the chart
    // is repainted unless repaints wait.
    void Tick(bool DrawingFlags::*flag, bool ticked, const std::function<void()> &repaint) const
    {
        flags.*flag = ticked;
        if (repaintOnFlagChange && repaint)
            repaint();
    }
};

} // namespace brumelle
