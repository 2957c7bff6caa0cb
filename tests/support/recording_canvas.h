#pragma once
#include <string>
#include <vector>

#include "chart/canvas.h"

namespace brumelle::test {

// Records every canvas call, with the pen and brush in force, for assertions
// on coordinates and label texts.
struct CanvasOp {
    enum Kind { Move, Line, Text, Ellipse, Rect, Fill, FilledRect } kind;
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Line: from (x1,y1) to (x2,y2)
    std::string text;
    int32_t penColor = 0, brushColor = 0, fontColor = 0;
    PenStyle penStyle = PenStyle::Solid;
    bool brushClear = false;
};

class RecordingCanvas : public Canvas {
public:
    std::vector<CanvasOp> ops;
    int32_t penColor = 0, brushColor = 0xFFFFFF, fontColor = 0;
    PenStyle penStyle = PenStyle::Solid;
    bool brushClear = false;
    int32_t px = 0, py = 0;

    void SetPenColor(int32_t c) override { penColor = c; }
    void SetPenStyle(PenStyle s) override { penStyle = s; }
    void SetBrushColor(int32_t c) override { brushColor = c; brushClear = false; }
    void SetBrushClear() override { brushClear = true; }
    void SetFontColor(int32_t c) override { fontColor = c; }
    void FillBackground(int32_t c) override
    {
        CanvasOp op = make(CanvasOp::Fill, 0, 0, 0, 0);
        op.penColor = penColor;
        op.brushColor = c;
        op.fontColor = fontColor;
        push(op);
    }
    void MoveTo(int32_t x, int32_t y) override
    {
        px = x;
        py = y;
        push(make(CanvasOp::Move, x, y, x, y));
    }
    void LineTo(int32_t x, int32_t y) override
    {
        push(make(CanvasOp::Line, px, py, x, y));
        px = x;
        py = y;
    }
    void TextOut(int32_t x, int32_t y, const std::string &t) override { push(make(CanvasOp::Text, x, y, x, y, t)); }
    void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override { push(make(CanvasOp::Ellipse, x1, y1, x2, y2)); }
    void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override { push(make(CanvasOp::Rect, x1, y1, x2, y2)); }
    void FillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t c) override
    {
        CanvasOp op = make(CanvasOp::FilledRect, x1, y1, x2, y2);
        push(op);
        ops.back().brushColor = c; // the fill's own colour
    }

    std::vector<CanvasOp> of(CanvasOp::Kind k) const
    {
        std::vector<CanvasOp> r;
        for (const auto &o : ops)
            if (o.kind == k)
                r.push_back(o);
        return r;
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> r;
        for (const auto &o : ops)
            if (o.kind == CanvasOp::Text)
                r.push_back(o.text);
        return r;
    }

private:
    // Built field by field: brace initialisers that skip fields trip -Wextra.
    static CanvasOp make(CanvasOp::Kind k, int32_t x1, int32_t y1, int32_t x2, int32_t y2, const std::string &t = {})
    {
        CanvasOp op;
        op.kind = k;
        op.x1 = x1;
        op.y1 = y1;
        op.x2 = x2;
        op.y2 = y2;
        op.text = t;
        return op;
    }

    void push(CanvasOp op)
    {
        if (op.kind != CanvasOp::Fill) {
            op.penColor = penColor;
            op.brushColor = brushColor;
            op.fontColor = fontColor;
        }
        op.penStyle = penStyle;
        op.brushClear = brushClear;
        ops.push_back(op);
    }
};

// Draws nothing: measures the computation alone.
class NullCanvas : public Canvas {
public:
    void SetPenColor(int32_t) override {}
    void SetPenStyle(PenStyle) override {}
    void SetBrushColor(int32_t) override {}
    void SetBrushClear() override {}
    void SetFontColor(int32_t) override {}
    void FillBackground(int32_t) override {}
    void MoveTo(int32_t, int32_t) override {}
    void LineTo(int32_t, int32_t) override {}
    void TextOut(int32_t, int32_t, const std::string &) override {}
    void Ellipse(int32_t, int32_t, int32_t, int32_t) override {}
    void Rectangle(int32_t, int32_t, int32_t, int32_t) override {}
    void FillRect(int32_t, int32_t, int32_t, int32_t, int32_t) override {}
};

} // namespace brumelle::test
