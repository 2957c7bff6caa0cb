#pragma once
#include <cstdint>
#include <string>

namespace brumelle {

enum class PenStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4 };

// Everything the chart draws goes through this surface: the screen, an image,
// a printer, SVG or PDF, or a recording for tests. Colours are RGB integers
// with red in the low byte. One pen (width 1), one brush, one font colour;
// the pen position is kept by the canvas.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void SetPenColor(int32_t color) = 0;
    virtual void SetPenStyle(PenStyle style) = 0;
    virtual void SetBrushColor(int32_t color) = 0; // solid brush
    virtual void SetBrushClear() = 0;             // no fill
    virtual void SetFontColor(int32_t color) = 0;
    // Fills the whole surface with a colour (the window background).
    virtual void FillBackground(int32_t color) = 0;
    virtual void MoveTo(int32_t x, int32_t y) = 0;
    virtual void LineTo(int32_t x, int32_t y) = 0;
    // Text with its top-left corner at (x, y) on an opaque background of the brush colour.
    virtual void TextOut(int32_t x, int32_t y, const std::string &text) = 0;
    // Outline with the pen, filled with the brush (unless clear).
    virtual void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
    virtual void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
    // The pixels from (x1, y1) up to, not including, (x2, y2) filled with a
    // colour, without an outline; pen and brush stay as they are.
    virtual void FillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t color) = 0;
};

} // namespace brumelle
