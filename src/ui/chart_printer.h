#pragma once
#include <functional>

#include <QSize>

class QPainter;
class QPrinter;
class QWidget;

namespace brumelle {

// What "Imprimer..." prints: the main window's client area, `size` client
// pixels, drawn by `draw` on a painter whose coordinates are those pixels,
// at the resolution of the painter's device.
struct ClientPicture {
    QSize size;
    std::function<void(QPainter &)> draw;
};

// Prints the chart's client area; tests replace the dialog.
class ChartPrinter {
public:
    virtual ~ChartPrinter() = default;
    // Asks the user and prints; false when the user cancelled.
    virtual bool Print(const ClientPicture &picture) = 0;
};

// The print dialog, then the picture scaled proportionally to fit the page.
class DialogChartPrinter : public ChartPrinter {
public:
    explicit DialogChartPrinter(QWidget *parent) : parent_(parent) {}
    bool Print(const ClientPicture &picture) override;

private:
    QWidget *parent_;
};

// Draws the picture on the printer's page, as large as fits, keeping its
// proportions, at the printer's resolution (as vectors where it keeps them).
void PrintToFit(QPrinter &printer, const ClientPicture &picture);

} // namespace brumelle
