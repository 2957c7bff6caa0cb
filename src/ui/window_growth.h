#pragma once
#include <vector>

#include <QList>
#include <QRect>
#include <QSize>

class QTableView;
class QWidget;

namespace brumelle {

// Lets a window laid out at fixed positions be enlarged. Each widget given
// to it moves its edges by a share of what the window grew: 0 stays where
// it was, 1 follows the window's right or bottom edge, 0.5 halfway. At the
// starting size every widget is exactly where it was placed.
class WindowGrowth {
public:
    struct Share {
        double left, top, right, bottom;
    };
    static constexpr Share kStay{0, 0, 0, 0};
    static constexpr Share kGrow{0, 0, 1, 1};
    static constexpr Share kRight{1, 0, 1, 0};
    static constexpr Share kDown{0, 1, 0, 1};
    static constexpr Share kWider{0, 0, 1, 0};

    // Takes the widget's present geometry as its starting one. With
    // `within`, the share is of what that widget grew (a box in a group that
    // grows); `within` must have been added before.
    void Add(QWidget *widget, Share share, const QWidget *within = nullptr);
    // Places every widget for a window grown by `grown` (present size minus starting size).
    void Apply(QSize grown) const;

private:
    struct Entry {
        QWidget *widget;
        QRect start;
        Share share;
        const QWidget *within;
    };
    QSize GrowthOf(const QWidget *widget, QSize windowGrowth) const;
    std::vector<Entry> entries_;
};

// Spreads the room a grid's view has beyond `widths` (the visible columns'
// own widths, hidden columns 0) over the columns from `first` on, in
// proportion to their widths; with no room to spare, the widths as given.
// The rows share the height the same way, from `rowHeight` each.
void FillGrid(QTableView *view, const QList<int> &widths, int first, int rowHeight);

} // namespace brumelle
