#include "ui/window_growth.h"

#include <algorithm>
#include <cmath>

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QWidget>

namespace brumelle {

namespace {

// A header hidden by the program, not merely one of a window not shown yet.
bool HiddenHeader(const QHeaderView *h) { return h->isHidden() && h->testAttribute(Qt::WA_WState_ExplicitShowHide); }

int Part(double share, int grown) { return static_cast<int>(std::lround(share * grown)); }

// Sizes that add up to `sizes` plus `extra`, each taking its share of the
// extra in proportion to its size (running totals, so nothing is lost to rounding).
QList<int> Spread(const QList<int> &sizes, int first, int extra)
{
    long long total = 0;
    for (int i = first; i < sizes.size(); ++i)
        total += sizes[i];
    QList<int> out = sizes;
    if (total <= 0 || extra <= 0)
        return out;
    long long before = 0;
    int given = 0;
    for (int i = first; i < sizes.size(); ++i) {
        before += sizes[i];
        const int upTo = static_cast<int>(extra * before / total);
        out[i] += upTo - given;
        given = upTo;
    }
    return out;
}

} // namespace

void WindowGrowth::Add(QWidget *widget, Share share, const QWidget *within)
{
    entries_.push_back({widget, widget->geometry(), share, within});
}

QSize WindowGrowth::GrowthOf(const QWidget *widget, QSize windowGrowth) const
{
    if (!widget)
        return windowGrowth;
    for (const Entry &e : entries_)
        if (e.widget == widget)
            return widget->size() - e.start.size();
    return {};
}

void WindowGrowth::Apply(QSize grown) const
{
    grown = grown.expandedTo(QSize(0, 0));
    for (const Entry &e : entries_) {
        const QSize g = GrowthOf(e.within, grown);
        const QRect &r = e.start;
        const int left = r.left() + Part(e.share.left, g.width());
        const int top = r.top() + Part(e.share.top, g.height());
        const int right = r.left() + r.width() + Part(e.share.right, g.width());
        const int bottom = r.top() + r.height() + Part(e.share.bottom, g.height());
        e.widget->setGeometry(left, top, right - left, bottom - top);
    }
}

void FillGrid(QTableView *view, const QList<int> &widths, int first, int rowHeight)
{
    // Worked out from the view's own size: a view on a hidden page has not
    // laid its viewport out yet.
    const QHeaderView *rowHeads = view->verticalHeader(), *colHeads = view->horizontalHeader();
    const int frame = 2 * view->frameWidth();
    // The headers take what the view gives them (QTableView::updateGeometries).
    const int headsW = std::min(std::max(rowHeads->minimumWidth(), rowHeads->sizeHint().width()),
                                rowHeads->maximumWidth());
    const int headsH = std::min(std::max(colHeads->minimumHeight(), colHeads->sizeHint().height()),
                                colHeads->maximumHeight());
    const int roomW = view->width() - frame - (HiddenHeader(rowHeads) ? 0 : headsW);
    int natural = 0;
    for (const int w : widths)
        natural += w;
    const bool fits = natural <= roomW;
    const QList<int> columns = fits ? Spread(widths, first, roomW - natural) : widths;
    for (int c = 0; c < columns.size(); ++c)
        if (!view->isColumnHidden(c))
            view->setColumnWidth(c, columns[c]);

    const bool scrollBar = view->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn ||
                           (view->horizontalScrollBarPolicy() == Qt::ScrollBarAsNeeded && !fits);
    const int roomH = view->height() - frame - (HiddenHeader(colHeads) ? 0 : headsH) -
                      (scrollBar ? view->horizontalScrollBar()->sizeHint().height() : 0);
    QList<int> rows;
    for (int r = 0; r < view->model()->rowCount(); ++r)
        rows.push_back(view->isRowHidden(r) ? 0 : rowHeight);
    int naturalH = 0;
    for (const int h : rows)
        naturalH += h;
    rows = Spread(rows, 0, roomH - naturalH);
    for (int r = 0; r < rows.size(); ++r)
        if (!view->isRowHidden(r))
            view->setRowHeight(r, rows[r]);
}

} // namespace brumelle
