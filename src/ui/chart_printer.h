#pragma once
#include <functional>

#include <QSize>
#include <QString>

class QPagedPaintDevice;
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

// What came of a print.
struct PrintOutcome {
    bool printed = false;  // false: the user cancelled, or the file was not written
    QString unwrittenFile; // the PDF file the print was to write and could not
};

// Prints the chart's client area; tests replace the dialog.
class ChartPrinter {
public:
    virtual ~ChartPrinter() = default;
    // Asks the user and prints.
    virtual PrintOutcome Print(const ClientPicture &picture) = 0;
};

// The print dialog, then the picture scaled proportionally to fit the page.
class DialogChartPrinter : public ChartPrinter {
public:
    explicit DialogChartPrinter(QWidget *parent) : parent_(parent) {}
    PrintOutcome Print(const ClientPicture &picture) override;

private:
    QWidget *parent_;
};

// Draws the picture on the device's page, as large as fits, keeping its
// proportions, at the device's resolution (as vectors where it keeps them).
// False when the device's painter reports a failure.
bool PrintToFit(QPagedPaintDevice &device, const ClientPicture &picture);

// The picture on the printer the dialog set up. Printed to a PDF file, it is
// drawn in memory at the printer's page layout and resolution, then written
// over the file as a document is; a printer reports its own failures.
PrintOutcome PrintOnPrinter(QPrinter &printer, const ClientPicture &picture);

} // namespace brumelle
