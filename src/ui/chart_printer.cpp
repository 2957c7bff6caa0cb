#include "ui/chart_printer.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace brumelle {

void PrintImageToFit(QPrinter &printer, const QImage &image)
{
    QPainter painter(&printer);
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(page.topLeft(), size), image);
}

bool DialogChartPrinter::Print(const QImage &clientImage)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    PrintImageToFit(printer, clientImage);
    return true;
}

} // namespace brumelle
