#include "chart/paint.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "chart/line_styles.h"
#include "model/fault.h"

namespace brumelle {

namespace {

// The volume's gas constant in hundredths, as the volume lines count: V × 100
// = 46124 × (R + 0.622) × (TS + 273.15) / P, the product exact.
constexpr long double kVolumeHundredthsConstant = 100.0L * kVapourGasConstantJKgK;
static_assert(kVolumeHundredthsConstant == 46124.0L, "the volume bounds multiply by exactly 46124");

// A plot this size or smaller keeps every edge coordinate, and the label
// offsets around it, well inside 32-bit pixels.
bool PlotDrawable(const ChartGeometry &geometry)
{
    return geometry.Drawable() && geometry.PlotWidth <= kMaxPixel && geometry.PlotHeight <= kMaxPixel;
}

// Trunc of a family's bound; a bound no loop could reach counts as a fault.
int64_t TruncBound(long double v)
{
    if (!std::isfinite(v) || std::fabs(v) > 1e15L)
        throw ComputeFault("family bound out of range");
    return static_cast<int64_t>(std::trunc(v));
}

// Number of values a loop from `from` up to `to` steps through.
int64_t Count(int64_t from, int64_t to) { return to >= from ? to - from + 1 : 0; }

// Density test: truncating remainder 0; code 0 shows nothing.
bool Multiple(int64_t v, int32_t code) { return code != 0 && v % code == 0; }

std::string Text(int64_t v, const char *unit) { return std::to_string(v) + unit; }

// A volume label from hundredths of m3/kgas, always with a comma (as the
// other labels, whatever the locale): 85 reads "0,85", 100 "1,00", 5 "0,05".
std::string VolumeText(int64_t hundredths)
{
    const int64_t whole = hundredths / 100, rest = hundredths % 100;
    return std::to_string(whole) + (rest < 10 ? ",0" : ",") + std::to_string(rest) + " m3/kgas";
}

void Pen(Canvas &canvas, const FamilySettings &family)
{
    canvas.SetPenColor(family.Couleur);
    // A code outside the five styles leaves the pen as the previous family left it.
    if (const auto pen = LineStylePen(family.Lignes))
        canvas.SetPenStyle(*pen);
}

void Label(Canvas &canvas, const ChartSettings &settings, const FamilySettings &family, int32_t x, int32_t y,
           const std::string &text)
{
    canvas.SetBrushColor(settings.Fenetre.Couleur);
    canvas.SetFontColor(family.Couleur);
    canvas.TextOut(x, y, text);
}

void Line(Canvas &canvas, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

std::optional<int32_t> TryX(const ChartGeometry &geometry, long double tsC)
{
    try {
        return geometry.PixelX(tsC);
    } catch (const PixelOutOfRange &) {
        return std::nullopt;
    }
}

std::optional<int32_t> TryY(const ChartGeometry &geometry, long double rKgKg)
{
    try {
        return geometry.PixelY(rKgKg);
    } catch (const PixelOutOfRange &) {
        return std::nullopt;
    }
}

// Column of a temperature held between the left and right edges. Clamping the
// temperature to the displayed range gives the same column as clamping the
// pixel, and cannot overflow.
int32_t ClampedX(const ChartGeometry &geometry, long double tsC)
{
    const auto &ts = geometry.settings->TS;
    const long double lo = std::min(ts.Mini, ts.Maxi), hi = std::max(ts.Mini, ts.Maxi);
    return geometry.PixelX(std::clamp(tsC, lo, hi));
}

// Whether the row of R lies above the top edge, for rows too far
// out to have a pixel.
bool BeyondTop(const ChartGeometry &geometry, long double rKgKg)
{
    const auto &axis = geometry.settings->R;
    const long double aboveMaxiGKg = 1000.0L * rKgKg - axis.Maxi;
    return int64_t(axis.Maxi) - axis.Mini > 0 ? aboveMaxiGKg > 0 : aboveMaxiGKg < 0;
}

// Row of R raised to the top edge when above it.
std::optional<int32_t> TopClippedY(const ChartGeometry &geometry, long double rKgKg)
{
    try {
        return std::max(geometry.PixelY(rKgKg), geometry.Margin);
    } catch (const PixelOutOfRange &) {
        if (BeyondTop(geometry, rKgKg))
            return geometry.Margin;
        return std::nullopt;
    }
}

// End points of one line of constant enthalpy or volume: it starts on the
// bottom edge (on the right edge when its bottom lies beyond TS.Maxi) and ends
// at the first row beyond saturation (moved onto the left edge when that lies
// left of TS.Mini). No result: the line and its label are left out; no start
// pixel: only the label is drawn.
struct EdgeLine {
    std::optional<int32_t> x0, y0;
    int32_t x1 = 0, y1 = 0;
};

template <class Line>
std::optional<EdgeLine> BottomToSaturation(SaturationRows &rows, const ChartGeometry &geometry,
                                           const ChartSettings &settings, const Line &line)
{
    const int32_t tsMini = settings.TS.Mini, tsMaxi = settings.TS.Maxi;
    long double t0, r0;
    SaturationRow end;
    try {
        r0 = settings.R.Mini / 1000.0L;
        t0 = line.DryBulbAt(r0);
        if (t0 > tsMaxi) {
            t0 = tsMaxi;
            r0 = line.HumidityRatioAt(tsMaxi);
        }
        end = rows.Find(line);
        if (end.tC < tsMini) {
            end.tC = tsMini;
            end.rKgKg = line.HumidityRatioAt(tsMini);
        }
    } catch (const ComputeFault &) {
        return std::nullopt;
    }
    const auto x1 = TryX(geometry, end.tC), y1 = TryY(geometry, end.rKgKg);
    if (!x1 || !y1)
        return std::nullopt;
    return EdgeLine{TryX(geometry, t0), TryY(geometry, r0), *x1, *y1};
}

void DrawEdgeLine(Canvas &canvas, const EdgeLine &line)
{
    if (line.x0 && line.y0)
        Line(canvas, *line.x0, *line.y0, line.x1, line.y1);
}

// The values one family steps through: up to two runs, each from `first` to
// `last` by `step` (1 or -1), and what sets the family's loop apart.
struct ValueRun {
    int64_t first = 0, last = -1, step = 1;
};

struct FamilyValues {
    std::array<ValueRun, 2> runs{};
    bool zeroHidden = false; // no line at 0
    bool styleKept = false;  // only the pen colour is set: the style is the one in force
};

FamilyValues Upward(int64_t first, int64_t last)
{
    FamilyValues values;
    values.runs[0] = {first, last, 1};
    return values;
}

// What a family's drawing of one value may return: Stop ends the family there.
enum class Next { Value, Stop };

// The loop every family shares. A hidden family, a plot that cannot be drawn,
// bounds that fault and more than kMaxFamilyValues values draw nothing; else
// each value the density shows gets the family's pen, then whatever
// `drawValue` draws for it. `computeValues` gives the values at each paint.
template <class ComputeValues, class DrawValue>
void DrawFamily(Canvas &canvas, const ChartGeometry &geometry, const FamilySettings &family,
                const ComputeValues &computeValues, const DrawValue &drawValue)
{
    if (family.Montrer == 0 || !PlotDrawable(geometry))
        return;
    FamilyValues values;
    try {
        values = computeValues();
    } catch (const ComputeFault &) {
        return; // no bounds, no family
    }
    int64_t count = 0;
    for (const ValueRun &run : values.runs)
        count += run.step > 0 ? Count(run.first, run.last) : Count(run.last, run.first);
    if (count > kMaxFamilyValues)
        return;
    for (const ValueRun &run : values.runs) {
        for (int64_t v = run.first; run.step > 0 ? v <= run.last : v >= run.last; v += run.step) {
            if ((values.zeroHidden && v == 0) || !Multiple(v, family.Montrer))
                continue;
            if (values.styleKept)
                canvas.SetPenColor(family.Couleur);
            else
                Pen(canvas, family);
            if constexpr (std::is_void_v<decltype(drawValue(v))>) {
                drawValue(v);
            } else if (drawValue(v) == Next::Stop) {
                return;
            }
        }
    }
}

// The chart's highest dry bulb, °C: the top of the range the options accept
// for TS.Maxi, and its default. The wet-bulb lines start on the bottom edge up
// to this dry bulb at most, even when a wider range is shown, and on the right
// edge beyond.
constexpr int32_t kHighestDryBulbC = 50;

// The humidity ratio, kg/kg, the program's drawing has always taken for a dry
// bottom edge: the wet-bulb family splits its lines at it when R.Mini is 0,
// and the dew-point family's bounds take it for any smaller R (dry air has no
// dew point).
constexpr long double kDryBottomHumidityRatioKgKg = 0.0006L;

// The program's drawing has always started the -5 °C wet-bulb line at
// 1,82 °C on the bottom edge, whatever the ranges and the pressure.
constexpr int64_t kFixedStartWetBulbC = -5;
constexpr long double kFixedStartDryBulbC = 1.82L;

// Humidity ratio, kg/kg, where the wet-bulb line of thC crosses the dry bulb tsC.
long double HumidityRatioOnWetBulbLine(long double tsC, long double thC, uint32_t patmPa)
{
    return HumidityRatioFromPv(PsychrometricPv(tsC, thC, patmPa, PvPrecision::Single), patmPa);
}

} // namespace

ChartPainter::ChartPainter(Canvas &canvas, const ChartSettings &settings, const ChartGeometry &geometry,
                           MoistAirState &scratch)
    : canvas_(canvas), settings_(settings), geometry_(geometry), workingPoint_(scratch)
{
}

void ChartPainter::DrawHumidityRatioLines()
{
    const FamilySettings &family = settings_.R;
    const int32_t right = geometry_.Right();
    const auto computeValues = [&] {
        FamilyValues values = Upward(settings_.R.Mini, settings_.R.Maxi);
        values.zeroHidden = true;
        return values;
    };
    DrawFamily(canvas_, geometry_, family, computeValues, [&](int64_t v) {
        long double rKgKg, trC;
        try {
            rKgKg = v / 1000.0L;
            workingPoint_.Pv = PvFromHumidityRatio(rKgKg, settings_.Patm);
            workingPoint_.TR = trC = DewPointOf(workingPoint_.Pv);
        } catch (const ComputeFault &) {
            return;
        }
        const auto y = TryY(geometry_, rKgKg);
        if (!y)
            return;
        Line(canvas_, ClampedX(geometry_, trC), *y, right, *y);
        if (Multiple(v, family.Montrer_texte))
            Label(canvas_, settings_, family, right + geometry_.Px(5), *y - geometry_.Px(5), Text(v, "g/kgas"));
    });
}

// The wet-bulb family's values, °C: the lines from lastFromBottom down start
// on the bottom edge, those above it on the right edge.
struct ChartPainter::WetBulbBounds {
    FamilyValues values;
    int64_t lastFromBottom = 0;              // °C
    long double pvBottomPa = 0, pvTopPa = 0; // vapour pressures at R.Mini and R.Maxi
};

long double ChartPainter::WetBulbAt(long double tsC, long double pvPa)
{
    workingPoint_.TS = tsC;
    workingPoint_.Pv = pvPa;
    WetBulbFromPv(workingPoint_, settings_.Patm, PvPrecision::Single);
    return workingPoint_.TH;
}

long double ChartPainter::DryBulbAt(long double thC, long double pvPa)
{
    workingPoint_.TH = thC;
    workingPoint_.Pv = pvPa;
    DryBulbFromWetBulb(workingPoint_, settings_.Patm);
    return workingPoint_.TS;
}

// Throws ComputeFault when a bound cannot be computed.
ChartPainter::WetBulbBounds ChartPainter::WetBulbFamilyBounds()
{
    const uint32_t patm = settings_.Patm;
    const int32_t tsMini = settings_.TS.Mini, tsMaxi = settings_.TS.Maxi;
    const long double rMini = settings_.R.Mini / 1000.0L;
    const int32_t tsSplit = std::min(tsMaxi, kHighestDryBulbC);
    WetBulbBounds bounds;
    bounds.pvBottomPa = PvFromHumidityRatio(rMini, patm);
    bounds.pvTopPa = PvFromHumidityRatio(settings_.R.Maxi / 1000.0L, patm);
    // The lowest line passes through the bottom-left corner.
    const int64_t lo = TruncBound(WetBulbAt(tsMini, bounds.pvBottomPa));
    // The last line from the bottom edge: the wet bulb at tsSplit on the bottom
    // edge, one less when that line's bottom point lies right of tsSplit.
    const long double rSplit = settings_.R.Mini == 0 ? kDryBottomHumidityRatioKgKg : rMini;
    int64_t hi = TruncBound(WetBulbAt(tsSplit, PvFromHumidityRatio(rSplit, patm)));
    if (DryBulbAt(static_cast<long double>(hi), bounds.pvBottomPa) > tsSplit)
        --hi;
    // The highest line passes through the top-right corner.
    const int64_t top = TruncBound(WetBulbAt(tsMaxi, bounds.pvTopPa));
    bounds.lastFromBottom = hi;
    bounds.values.runs = {{{hi, lo - 1, -1}, {hi + 1, top, 1}}};
    return bounds;
}

// From the bottom edge to the saturation point, or to the left edge when that
// point lies left of TS.Mini (the end is not clipped at the top); the label
// first, at the start.
void ChartPainter::DrawWetBulbFromBottom(int64_t thC, long double pvBottomPa)
{
    const FamilySettings &family = settings_.TH;
    const uint32_t patm = settings_.Patm;
    const int32_t tsMini = settings_.TS.Mini, bottom = geometry_.Bottom();
    long double tsStartC, tsEndC, rEndKgKg;
    try {
        const long double tsBottomC = DryBulbAt(static_cast<long double>(thC), pvBottomPa);
        tsStartC = thC == kFixedStartWetBulbC ? kFixedStartDryBulbC : tsBottomC;
        if (thC >= tsMini) {
            tsEndC = static_cast<long double>(thC);
            rEndKgKg = SaturationHumidityRatio(tsEndC, patm);
        } else {
            tsEndC = tsMini;
            rEndKgKg = HumidityRatioOnWetBulbLine(tsMini, thC, patm);
        }
    } catch (const ComputeFault &) {
        return;
    }
    const auto x0 = TryX(geometry_, tsStartC);
    if (!x0)
        return;
    if (Multiple(thC, family.Montrer_texte))
        Label(canvas_, settings_, family, *x0, bottom, Text(thC, "°C"));
    const auto xEnd = TryX(geometry_, tsEndC);
    const auto yEnd = TryY(geometry_, rEndKgKg);
    if (xEnd && yEnd)
        Line(canvas_, *x0, bottom, *xEnd, *yEnd);
}

// From the right edge to the saturation point (when it lies at or below
// R.Maxi), to the left edge (when the saturation point lies left of TS.Mini)
// or to the top edge (when the end so far lies at or above R.Maxi): a
// saturation point exactly at R.Maxi gets both the first and the last. The
// label first, left of the start.
void ChartPainter::DrawWetBulbFromRight(int64_t thC, long double pvTopPa)
{
    const FamilySettings &family = settings_.TH;
    const uint32_t patm = settings_.Patm;
    const int32_t tsMini = settings_.TS.Mini, right = geometry_.Right(), bottom = geometry_.Bottom();
    const long double th = static_cast<long double>(thC); // °C
    long double rStartKgKg, rSatKgKg, rLeftKgKg = 0, tsTopC = 0;
    bool toSaturation, toLeft = false, toTop;
    try {
        rStartKgKg = HumidityRatioOnWetBulbLine(settings_.TS.Maxi, th, patm);
        long double rEndKgKg = rSatKgKg = SaturationHumidityRatio(th, patm);
        toSaturation = thC >= tsMini && rEndKgKg * 1000.0L <= settings_.R.Maxi;
        if (thC < tsMini) {
            rEndKgKg = rLeftKgKg = HumidityRatioOnWetBulbLine(tsMini, th, patm);
            toLeft = rEndKgKg * 1000.0L < settings_.R.Maxi;
        }
        toTop = rEndKgKg * 1000.0L >= settings_.R.Maxi;
        if (toTop)
            tsTopC = DryBulbAt(th, pvTopPa);
    } catch (const ComputeFault &) {
        return;
    }
    const auto y0 = TryY(geometry_, rStartKgKg);
    if (!y0)
        return;
    if (Multiple(thC, family.Montrer_texte))
        Label(canvas_, settings_, family, geometry_.PlotWidth, *y0 - geometry_.Px(15), Text(thC, "°C"));
    canvas_.MoveTo(right, *y0);
    if (toSaturation) {
        const auto x = TryX(geometry_, th);
        const auto y = TryY(geometry_, rSatKgKg);
        if (x && y && *x <= right)
            canvas_.LineTo(*x, *y);
    }
    if (toLeft) {
        const auto y = TryY(geometry_, rLeftKgKg);
        if (y && *y <= bottom)
            canvas_.LineTo(geometry_.PixelX(tsMini), *y);
    }
    if (toTop) {
        if (const auto x = TryX(geometry_, tsTopC))
            canvas_.LineTo(*x, geometry_.Margin);
    }
}

// The lines from the bottom edge, from the last one down, then those from the
// right edge, upwards.
void ChartPainter::DrawWetBulbLines()
{
    WetBulbBounds bounds;
    const auto computeValues = [&] {
        bounds = WetBulbFamilyBounds();
        return bounds.values;
    };
    DrawFamily(canvas_, geometry_, settings_.TH, computeValues, [&](int64_t thC) {
        if (thC <= bounds.lastFromBottom)
            DrawWetBulbFromBottom(thC, bounds.pvBottomPa);
        else
            DrawWetBulbFromRight(thC, bounds.pvTopPa);
    });
}

void ChartPainter::DrawDewPointLines()
{
    const FamilySettings &family = settings_.TR;
    const int32_t right = geometry_.Right();
    const auto computeValues = [&] {
        const long double rLo = std::max(settings_.R.Mini / 1000.0L, kDryBottomHumidityRatioKgKg);
        const long double rHi = std::max(settings_.R.Maxi / 1000.0L, kDryBottomHumidityRatioKgKg);
        return Upward(TruncBound(DewPointOf(PvFromHumidityRatio(rLo, settings_.Patm))),
                      TruncBound(DewPointOf(PvFromHumidityRatio(rHi, settings_.Patm))));
    };
    DrawFamily(canvas_, geometry_, family, computeValues, [&](int64_t v) {
        long double rKgKg;
        try {
            rKgKg = SaturationHumidityRatio(v, settings_.Patm);
        } catch (const ComputeFault &) {
            return Next::Value;
        }
        if (rKgKg * 1000.0L > settings_.R.Maxi)
            return Next::Stop; // the lines above would all be off the chart
        if (rKgKg * 1000.0L < settings_.R.Mini)
            return Next::Value;
        const auto y = TryY(geometry_, rKgKg);
        if (!y)
            return Next::Value;
        Line(canvas_, ClampedX(geometry_, v), *y, right, *y);
        if (Multiple(v, family.Montrer_texte))
            Label(canvas_, settings_, family, geometry_.PlotWidth + geometry_.Px(5), *y - geometry_.Px(15),
                  Text(v, "°C"));
        return Next::Value;
    });
}

void ChartPainter::DrawRelativeHumidityCurves()
{
    const FamilySettings &family = settings_.HR;
    const bool labels = family.Montrer_texte != 0;
    const int32_t left = geometry_.Margin, right = geometry_.Right(), bottom = geometry_.Bottom();
    const int32_t offset = geometry_.Px(15);
    ColumnPressures saturationPressures(geometry_);
    struct Point {
        int32_t x, y;
    };
    std::vector<Point> points;
    const auto computeValues = [&] {
        FamilyValues values;
        values.runs[0] = {10, family.Montrer == 2 ? 10 : 1, -1}; // code 2: the saturation curve only
        values.styleKept = true;
        return values;
    };
    DrawFamily(canvas_, geometry_, family, computeValues, [&](int64_t tenths) { // of saturation
        // Trace the whole curve first: a fault anywhere leaves it out.
        points.clear();
        std::optional<Point> label;
        for (int32_t x = left; x <= right; ++x) {
            long double rKgKg;
            try {
                const long double pvPa = tenths * saturationPressures.At(x) / 10;
                rKgKg = HumidityRatioFromPv(pvPa, settings_.Patm);
            } catch (const ComputeFault &) {
                return;
            }
            const auto y = TryY(geometry_, rKgKg);
            if (y && settings_.R.Mini < rKgKg * 1000.0L && rKgKg * 1000.0L < settings_.R.Maxi)
                points.push_back({x, *y});
            if (labels && (y ? *y < geometry_.Margin : BeyondTop(geometry_, rKgKg))) {
                if (y)
                    label = Point{x - offset, *y - offset};
                break;
            }
            if (labels && x == right) {
                if (y)
                    label = Point{x - offset, *y - offset};
                break;
            }
        }
        canvas_.MoveTo(left, bottom);
        for (const Point &point : points)
            canvas_.LineTo(point.x, point.y);
        if (label)
            Label(canvas_, settings_, family, label->x, label->y, Text(tenths * 10, "%"));
    });
}

void ChartPainter::DrawDryBulbLines()
{
    const FamilySettings &family = settings_.TS;
    const int32_t bottom = geometry_.Bottom();
    const auto computeValues = [&] { return Upward(settings_.TS.Mini, settings_.TS.Maxi); };
    DrawFamily(canvas_, geometry_, family, computeValues, [&](int64_t v) {
        long double rSat;
        try {
            rSat = SaturationHumidityRatio(v, settings_.Patm);
        } catch (const ComputeFault &) {
            return;
        }
        const auto x = TryX(geometry_, v);
        if (!x)
            return;
        if (const auto y = TopClippedY(geometry_, rSat))
            Line(canvas_, *x, *y, *x, bottom);
        if (Multiple(v, family.Montrer_texte))
            Label(canvas_, settings_, family, *x - geometry_.Px(5), bottom + geometry_.Px(5), Text(v, "°C"));
    });
}

void ChartPainter::DrawEnthalpyLines()
{
    const FamilySettings &family = settings_.H;
    const int32_t tsMini = settings_.TS.Mini, tsMaxi = settings_.TS.Maxi;
    const auto computeValues = [&] {
        return Upward(TruncBound(Enthalpy(tsMini, settings_.R.Mini / 1000.0L)),
                      TruncBound(Enthalpy(tsMaxi, settings_.R.Maxi / 1000.0L)));
    };
    SaturationRows rows(geometry_, settings_.Patm, rowSearch_);
    DrawFamily(canvas_, geometry_, family, computeValues, [&](int64_t v) {
        const auto line = BottomToSaturation(rows, geometry_, settings_, EnthalpyLine{static_cast<long double>(v)});
        if (!line)
            return;
        DrawEdgeLine(canvas_, *line);
        if (Multiple(v, family.Montrer_texte)) {
            const int32_t offset = geometry_.Px(15);
            if (line->y1 > geometry_.Margin)
                Label(canvas_, settings_, family, line->x1 - offset, line->y1 - offset, Text(v, " kJ/kgas"));
            else
                Label(canvas_, settings_, family, line->x1, line->y1 + offset, Text(v, " kJ/kgas"));
        }
    });
}

void ChartPainter::DrawVolumeLines()
{
    const FamilySettings &family = settings_.V;
    const uint32_t patm = settings_.Patm;
    const int32_t tsMini = settings_.TS.Mini, tsMaxi = settings_.TS.Maxi;
    const auto computeValues = [&] {
        // Hundredths of m3/kgas at the bottom-left and top-right corners, each
        // product divided by the pressure.
        const long double rMini = settings_.R.Mini / 1000.0L, rMaxi = settings_.R.Maxi / 1000.0L;
        const long double bottomLeft =
            kVolumeHundredthsConstant * (rMini + kMolarMassRatio) * (tsMini + kCelsiusOffsetK);
        const long double topRight =
            kVolumeHundredthsConstant * (rMaxi + kMolarMassRatio) * (tsMaxi + kCelsiusOffsetK);
        return Upward(TruncBound(checked::div(bottomLeft, patm, "volume bound")) + 1,
                      TruncBound(checked::div(topRight, patm, "volume bound")));
    };
    SaturationRows rows(geometry_, patm, rowSearch_);
    DrawFamily(canvas_, geometry_, family, computeValues, [&](int64_t v) {
        const auto line = BottomToSaturation(rows, geometry_, settings_, VolumeLine{v / 100.0L, patm});
        if (!line)
            return;
        DrawEdgeLine(canvas_, *line);
        if (Multiple(v, family.Montrer_texte))
            Label(canvas_, settings_, family, line->x1, line->y1, VolumeText(v));
    });
}

void PaintChartLines(Canvas &canvas, const ChartSettings &settings, const ChartGeometry &geometry,
                     MoistAirState &scratch, const ClimateLayer &climate)
{
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.FillBackground(settings.Fenetre.Couleur);
    if (climate.hours)
        DrawHourCells(canvas, geometry, *climate.hours);

    ChartPainter painter(canvas, settings, geometry, scratch);
    painter.DrawHumidityRatioLines();
    painter.DrawWetBulbLines();
    painter.DrawDewPointLines();
    painter.DrawRelativeHumidityCurves();
    painter.DrawDryBulbLines();
    painter.DrawEnthalpyLines();
    painter.DrawVolumeLines();

    const int32_t width = geometry.PlotWidth, height = geometry.PlotHeight, margin = geometry.Margin;
    if (std::abs(int64_t(width)) <= int64_t(kMaxPixel) && std::abs(int64_t(height)) <= int64_t(kMaxPixel)) {
        canvas.SetPenColor(settings.TS.Couleur);
        canvas.SetPenStyle(PenStyle::Solid);
        Line(canvas, margin, height + margin, width + margin, height + margin);
        canvas.SetPenColor(settings.R.Couleur);
        canvas.SetPenStyle(PenStyle::Solid);
        Line(canvas, width + margin, height + margin, width + margin, margin);
    }
    if (!climate.Empty()) {
        DrawZonesAndMarkers(canvas, geometry, climate);
        DrawClimateLegend(canvas, geometry, climate);
    }
}

void PaintChartOverlays(Canvas &canvas, const ZoomState &zoom, const std::function<void(Canvas &)> &overlay)
{
    if (zoom.ZoomDragging) {
        canvas.SetPenColor(0);
        canvas.SetPenStyle(PenStyle::Dot);
        canvas.SetBrushClear();
        canvas.Rectangle(zoom.ZoomX1, zoom.ZoomY1, zoom.ZoomX2, zoom.ZoomY2);
        canvas.SetPenStyle(PenStyle::Solid);
    }

    if (overlay)
        overlay(canvas);
}

void PaintChart(Canvas &canvas, const ChartSettings &settings, const ChartGeometry &geometry,
                MoistAirState &scratch, const ZoomState &zoom, const std::function<void(Canvas &)> &overlay,
                const ClimateLayer &climate)
{
    PaintChartLines(canvas, settings, geometry, scratch, climate);
    PaintChartOverlays(canvas, zoom, overlay);
}

} // namespace brumelle
