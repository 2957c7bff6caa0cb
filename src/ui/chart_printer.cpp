#include "ui/chart_printer.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include "render/chart_image.h"
#include "storage/file_replace.h"

namespace brumelle {

bool PrintToFit(QPagedPaintDevice &device, const ClientPicture &picture)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    MapClientOnto(painter, picture.size, painter.viewport());
    painter.setClipRect(QRect(QPoint(0, 0), picture.size));
    picture.draw(painter);
    return painter.end();
}

PrintOutcome PrintOnPrinter(QPrinter &printer, const ClientPicture &picture)
{
    const QString file = printer.outputFileName();
    if (printer.outputFormat() != QPrinter::PdfFormat || file.isEmpty()) {
        PrintToFit(printer, picture);
        return {true, {}};
    }
    // Qt's own PDF file is written as it is drawn, and a full disk cuts it
    // short without a word.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool drawn = false;
    { // the writer finishes the file when it goes
        QPdfWriter pdf(&buffer);
        pdf.setPdfVersion(printer.pdfVersion());
        pdf.setResolution(printer.resolution());
        pdf.setPageLayout(printer.pageLayout());
        pdf.setTitle(printer.docName());
        pdf.setCreator(printer.creator());
        drawn = PrintToFit(pdf, picture);
    }
    if (!drawn || !ReplaceFileWhole(QFile::encodeName(file).toStdString(), buffer.data().toStdString()))
        return {false, file};
    return {true, {}};
}

PrintOutcome DialogChartPrinter::Print(const ClientPicture &picture)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return PrintOnPrinter(printer, picture);
}

} // namespace brumelle
