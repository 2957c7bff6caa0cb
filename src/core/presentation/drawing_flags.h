#pragma once

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

} // namespace brumelle
