#pragma once
#include <QImage>

class QPrinter;

namespace brumelle {

// Prints the chart's client image; tests replace the dialog.
class ChartPrinter {
public:
    virtual ~ChartPrinter() = default;
    // Asks the user and prints; false when the user cancelled.
    virtual bool Print(const QImage &clientImage) = 0;
};

// The print dialog, then the image scaled proportionally to fit the page.
class DialogChartPrinter : public ChartPrinter {
public:
    explicit DialogChartPrinter(QWidget *parent) : parent_(parent) {}
    bool Print(const QImage &clientImage) override;

private:
    QWidget *parent_;
};

// Draws the image on the printer's page, as large as fits, keeping its proportions.
void PrintImageToFit(QPrinter &printer, const QImage &image);

} // namespace brumelle
