#include "render/note_pdf.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "chart/geometry.h"
#include "chart/paint.h"
#include "render/chart_image.h"
#include "render/qpainter_canvas.h"

namespace brumelle {

namespace {

// Pages are laid out in the chart's unit, the pixel at 96 dpi, so that the
// chart's label offsets keep their meaning.
constexpr int kDpi = 96;
constexpr qreal kMm = kDpi / 25.4;
constexpr qreal kMargin = 15 * kMm;
constexpr qreal kPad = 3;          // inside a table cell
constexpr qreal kGap = 16;         // between side-by-side parts
constexpr qreal kMinTablePoints = 5; // a table never shrinks below this to fit the page
const QColor kHeadingFill(232, 232, 232);
const QColor kRules(140, 140, 140);

QFont NoteFont(qreal points, bool bold = false, bool italic = false)
{
    // The chart's family, so that the whole note reads as one.
    QFont f = ChartFont();
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QString Text(const std::string &s) { return QString::fromStdString(s); }

// A message box's line breaks (CR, LF or both) as the page's.
QString MessageText(const std::string &s)
{
    QString t = Text(s);
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

// What the page flow places: its height and how to draw it from its top-left corner.
struct Block {
    qreal height = 0;
    std::function<void(QPainter &, QPointF)> draw;
};

// A result grid as a table: row 0 and column 0 are headings, in bold on a
// grey ground; the column headings wrap at their blanks. The font shrinks
// until the table fits the width it is given.
class Table {
public:
    Table(const std::vector<std::vector<NoteCell>> &rows, qreal maxWidth, QPaintDevice *device) : rows_(rows)
    {
        const size_t cols = rows.empty() ? 0 : rows.front().size();
        for (qreal points = 8;; points -= 0.5) {
            font_ = NoteFont(points);
            bold_ = NoteFont(points, true);
            const QFontMetricsF fm(font_, device), bm(bold_, device);
            widths_.assign(cols, 0);
            for (size_t r = 0; r < rows.size(); ++r) {
                for (size_t c = 0; c < cols && c < rows[r].size(); ++c) {
                    const QString t = Text(rows[r][c].text);
                    qreal w = 0;
                    if (r == 0 && c > 0) {
                        for (const QString &word : t.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                            w = std::max(w, bm.horizontalAdvance(word));
                    } else {
                        w = (r == 0 || c == 0 ? bm : fm).horizontalAdvance(t);
                    }
                    widths_[c] = std::max(widths_[c], w + 2 * kPad);
                }
            }
            if (Width() <= maxWidth || points <= kMinTablePoints)
                break;
        }
        const QFontMetricsF fm(font_, device), bm(bold_, device);
        heights_.assign(rows.size(), fm.height() + 2 * kPad);
        if (!rows.empty()) {
            qreal h = bm.height();
            for (size_t c = 0; c < widths_.size() && c < rows[0].size(); ++c)
                h = std::max(h, bm.boundingRect(QRectF(0, 0, widths_[c] - 2 * kPad, 1e6), Qt::TextWordWrap,
                                                Text(rows[0][c].text))
                                    .height());
            heights_[0] = h + 2 * kPad;
        }
    }

    qreal Width() const
    {
        qreal w = 0;
        for (qreal c : widths_)
            w += c;
        return w;
    }
    qreal Height() const
    {
        qreal h = 0;
        for (qreal r : heights_)
            h += r;
        return h;
    }

    void Draw(QPainter &p, QPointF at) const
    {
        qreal y = at.y();
        for (size_t r = 0; r < rows_.size(); ++r) {
            qreal x = at.x();
            for (size_t c = 0; c < widths_.size(); ++c) {
                const QRectF cell(x, y, widths_[c], heights_[r]);
                const bool heading = r == 0 || c == 0;
                if (heading)
                    p.fillRect(cell, kHeadingFill);
                const bool given = c < rows_[r].size();
                const QString t = given ? Text(rows_[r][c].text) : QString();
                int flags = Qt::AlignVCenter | Qt::TextWordWrap;
                flags |= !heading && given && rows_[r][c].number ? Qt::AlignRight : Qt::AlignLeft;
                p.setFont(heading ? bold_ : font_);
                p.setPen(Qt::black);
                p.drawText(cell.adjusted(kPad, kPad, -kPad, -kPad), flags, t);
                x += widths_[c];
            }
            y += heights_[r];
        }
        p.setPen(QPen(kRules, 0.5));
        const qreal right = at.x() + Width(), bottom = at.y() + Height();
        qreal y2 = at.y();
        p.drawLine(QPointF(at.x(), y2), QPointF(right, y2));
        for (qreal h : heights_) {
            y2 += h;
            p.drawLine(QPointF(at.x(), y2), QPointF(right, y2));
        }
        qreal x2 = at.x();
        p.drawLine(QPointF(x2, at.y()), QPointF(x2, bottom));
        for (qreal w : widths_) {
            x2 += w;
            p.drawLine(QPointF(x2, at.y()), QPointF(x2, bottom));
        }
    }

private:
    const std::vector<std::vector<NoteCell>> &rows_;
    QFont font_, bold_;
    std::vector<qreal> widths_, heights_;
};

// The captions and texts of a section, "caption : text", the results' texts
// in bold; in `columns` columns of `columnWidth` each.
class FieldList {
public:
    FieldList(const NoteSection &s, QPaintDevice *device) : font_(NoteFont(8.5)), bold_(NoteFont(8.5, true))
    {
        for (const NoteField &f : s.inputs)
            lines_.push_back({f, false});
        for (const NoteField &f : s.results)
            lines_.push_back({f, true});
        const QFontMetricsF fm(font_, device), bm(bold_, device);
        lineHeight_ = fm.height() * 1.25;
        for (const Line &l : lines_)
            widest_ = std::max(widest_, fm.horizontalAdvance(Caption(l.field)) +
                                            (l.result ? bm : fm).horizontalAdvance(Text(l.field.text)));
    }

    bool Empty() const { return lines_.empty(); }
    qreal Widest() const { return widest_; }
    void SetColumns(int columns, qreal columnWidth)
    {
        columns_ = std::max(1, columns);
        columnWidth_ = columnWidth;
    }
    qreal Height() const
    {
        const size_t perColumn = (lines_.size() + static_cast<size_t>(columns_) - 1) / static_cast<size_t>(columns_);
        return static_cast<qreal>(perColumn) * lineHeight_;
    }

    void Draw(QPainter &p, QPointF at) const
    {
        const size_t perColumn = (lines_.size() + static_cast<size_t>(columns_) - 1) / static_cast<size_t>(columns_);
        p.setPen(Qt::black);
        for (size_t i = 0; i < lines_.size(); ++i) {
            const Line &l = lines_[i];
            const qreal x = at.x() + static_cast<qreal>(i / perColumn) * columnWidth_;
            const qreal y = at.y() + static_cast<qreal>(i % perColumn) * lineHeight_;
            // A text too long for its column ends in an ellipsis rather than run over.
            const qreal room = columnWidth_ - kGap;
            const QFontMetricsF fm(font_, p.device()), bm(bold_, p.device());
            const QString caption = fm.elidedText(Caption(l.field), Qt::ElideRight, room);
            const qreal captionWidth = fm.horizontalAdvance(caption);
            const QString text = (l.result ? bm : fm)
                                     .elidedText(Text(l.field.text), Qt::ElideRight,
                                                 std::max<qreal>(0, room - captionWidth));
            p.setFont(font_);
            p.drawText(QRectF(x, y, room, lineHeight_), Qt::AlignLeft | Qt::AlignVCenter, caption);
            p.setFont(l.result ? bold_ : font_);
            p.drawText(QRectF(x + captionWidth, y, room - captionWidth, lineHeight_), Qt::AlignLeft | Qt::AlignVCenter,
                       text);
        }
    }

private:
    struct Line {
        NoteField field;
        bool result;
    };
    static QString Caption(const NoteField &f)
    {
        return f.caption.empty() ? QString() : Text(f.caption) + QStringLiteral(" : ");
    }
    QFont font_, bold_;
    std::vector<Line> lines_;
    qreal lineHeight_ = 0, widest_ = 0, columnWidth_ = 0;
    int columns_ = 1;
};

Block HeadingBlock(const CalculationNote &note, qreal width, QPaintDevice *device)
{
    const QFont title = NoteFont(16, true), name = NoteFont(10, true), plain = NoteFont(9);
    const qreal titleH = QFontMetricsF(title, device).height(), nameH = QFontMetricsF(name, device).height() * 1.3,
                plainH = QFontMetricsF(plain, device).height() * 1.3;
    Block b;
    b.height = titleH + nameH + plainH + 10;
    b.draw = [=, &note](QPainter &p, QPointF at) {
        p.setPen(Qt::black);
        p.setFont(title);
        p.drawText(QRectF(at.x(), at.y(), width, titleH), Qt::AlignLeft | Qt::AlignVCenter, Text(note.title));
        p.setFont(plain);
        p.drawText(QRectF(at.x(), at.y(), width, titleH), Qt::AlignRight | Qt::AlignVCenter, Text(note.date));
        qreal y = at.y() + titleH;
        p.setFont(name);
        p.drawText(QRectF(at.x(), y, width, nameH), Qt::AlignLeft | Qt::AlignVCenter, Text(note.document));
        p.setFont(plain);
        p.drawText(QRectF(at.x(), y, width, nameH), Qt::AlignRight | Qt::AlignVCenter, Text(note.program));
        y += nameH;
        p.drawText(QRectF(at.x(), y, width, plainH), Qt::AlignLeft | Qt::AlignVCenter,
                   Text(note.pressure.caption) + QStringLiteral(" : ") + Text(note.pressure.text));
        y += plainH + 4;
        p.setPen(QPen(kRules, 0.75));
        p.drawLine(QPointF(at.x(), y), QPointF(at.x() + width, y));
    };
    return b;
}

Block ChartBlock(const ChartSettings &settings, const OverlayInput &overlay, const ClimateLayer &climate,
                 qreal width)
{
    const int w = kNotePlotWidth + kClientMarginWidth,
              h = kNotePlotHeight + kClientMarginHeight; // as the program's chart image
    Block b;
    b.height = width * h / w;
    b.draw = [=, &settings](QPainter &p, QPointF at) {
        p.save();
        // The screen's drawing, in its own pixels, mapped onto the page: the
        // background fills the window, which is the chart's rectangle.
        MapClientOnto(p, QSize(w, h), QRectF(at, QSizeF(width, width * h / w)));
        p.setClipRect(QRect(0, 0, w, h));
        MoistAirState scratch;
        const ChartGeometry g = ChartGeometry::ForPlot(kNotePlotWidth, kNotePlotHeight, settings);
        // In client pixels, as the note has always drawn it: the page keeps them as vectors.
        PaintChartAt(p, 1, kDpi, settings, g, scratch, ZoomState{},
                     [&](Canvas &c) { DrawEvolutionOverlay(c, g, overlay, settings.Fenetre.Couleur); }, climate);
        p.restore();
    };
    return b;
}

Block SectionBlock(const NoteSection &s, qreal width, QPaintDevice *device)
{
    const QFont title = NoteFont(11, true), message = NoteFont(8.5, false, true), warning = NoteFont(8.5, true, true);
    // Under the title, before any figure: the inputs shown are those the
    // results come from, and the boxes hold others now.
    const qreal warningH = s.inputsChanged ? QFontMetricsF(warning, device).height() * 1.4 : 0;
    const qreal titleH = QFontMetricsF(title, device).height() * 1.4 + warningH;
    auto table = std::make_shared<Table>(s.rows, width, device);
    auto fields = std::make_shared<FieldList>(s, device);

    // The fields beside the table when both fit, else above it in two columns.
    const bool beside = fields->Empty() || fields->Widest() + kGap + table->Width() <= width;
    QPointF tableAt, fieldsAt(0, titleH);
    qreal bodyH;
    if (beside) {
        fields->SetColumns(1, fields->Empty() ? width : width - table->Width());
        tableAt = QPointF(fields->Empty() ? 0 : width - table->Width(), titleH);
        bodyH = std::max(fields->Height(), table->Height());
    } else {
        const int columns = fields->Widest() + kGap <= width / 2 ? 2 : 1;
        fields->SetColumns(columns, width / columns);
        tableAt = QPointF(0, titleH + fields->Height() + 6);
        bodyH = fields->Height() + 6 + table->Height();
    }

    const QFontMetricsF mm(message, device);
    std::vector<std::pair<QString, qreal>> messages;
    qreal messagesH = 0;
    for (const std::string &m : s.messages) {
        const QString t = MessageText(m);
        const qreal h = mm.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, t).height();
        messages.emplace_back(t, h);
        messagesH += h + 4;
    }

    Block b;
    b.height = titleH + bodyH + (messages.empty() ? 0 : 6 + messagesH);
    b.draw = [=, &s](QPainter &p, QPointF at) {
        p.setPen(Qt::black);
        p.setFont(title);
        p.drawText(QRectF(at.x(), at.y(), width, titleH - warningH), Qt::AlignLeft | Qt::AlignTop, Text(s.title));
        if (s.inputsChanged) {
            p.setFont(warning);
            p.drawText(QRectF(at.x(), at.y() + titleH - warningH, width, warningH), Qt::AlignLeft | Qt::AlignTop,
                       Text(kInputsChanged));
        }
        fields->Draw(p, at + fieldsAt);
        table->Draw(p, at + tableAt);
        qreal y = at.y() + titleH + bodyH + 6;
        p.setPen(Qt::black);
        p.setFont(message);
        for (const auto &[text, h] : messages) {
            p.drawText(QRectF(at.x(), y, width, h), Qt::AlignLeft | Qt::TextWordWrap, text);
            y += h + 4;
        }
    };
    return b;
}

} // namespace

QByteArray CalculationNotePdf(const CalculationNote &note, const ChartSettings &settings,
                              const OverlayInput &overlay, const ClimateLayer &climate)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kDpi);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        pdf.setTitle(Text(note.title + " - " + note.document));
        pdf.setCreator(Text(note.program));

        const QSizeF page(pdf.width(), pdf.height());
        const qreal width = page.width() - 2 * kMargin, top = kMargin, bottom = page.height() - kMargin;
        constexpr qreal kSpacing = 14;

        std::vector<Block> blocks;
        blocks.push_back(HeadingBlock(note, width, &pdf));
        blocks.push_back(ChartBlock(settings, overlay, climate, width));
        for (const NoteSection &s : note.sections)
            blocks.push_back(SectionBlock(s, width, &pdf));

        // Each block whole on one page: one that does not fit starts the next.
        struct Placed {
            int page;
            qreal y;
        };
        std::vector<Placed> placed;
        int pages = 1;
        qreal y = top;
        for (const Block &b : blocks) {
            if (y > top && y + b.height > bottom) {
                ++pages;
                y = top;
            }
            placed.push_back({pages, y});
            y += b.height + kSpacing;
        }

        QPainter painter(&pdf);
        const QFont footer = NoteFont(7.5);
        for (int n = 1; n <= pages; ++n) {
            if (n > 1)
                pdf.newPage();
            for (size_t i = 0; i < blocks.size(); ++i)
                if (placed[i].page == n)
                    blocks[i].draw(painter, QPointF(kMargin, placed[i].y));
            painter.setFont(footer);
            painter.setPen(Qt::darkGray);
            const QRectF foot(kMargin, bottom + 4, width, kMargin - 8);
            painter.drawText(foot, Qt::AlignLeft | Qt::AlignTop, Text(note.title + " - " + note.document));
            painter.drawText(foot, Qt::AlignRight | Qt::AlignTop,
                             QStringLiteral("Page %1 / %2").arg(n).arg(pages));
        }
        painter.end();
    }
    return buffer.data();
}

} // namespace brumelle
