#include "ui/chart_printer.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "render/chart_image.h"

namespace brumelle {

void PrintToFit(QPrinter &printer, const ClientPicture &picture)
{
    QPainter painter(&printer);
    MapClientOnto(painter, picture.size, painter.viewport());
    painter.setClipRect(QRect(QPoint(0, 0), picture.size));
    picture.draw(painter);
}

bool DialogChartPrinter::Print(const ClientPicture &picture)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    PrintToFit(printer, picture);
    return true;
}

} // namespace brumelle
