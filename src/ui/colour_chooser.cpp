#include "colour_chooser.h"

#include "qpainter_canvas.h"

#include <QApplication>
#include <QColorDialog>

namespace brumelle {

std::optional<int32_t> DialogColourChooser::Choose(int32_t start)
{
    QWidget *modal = QApplication::activeModalWidget();
    QColorDialog dialog(ToQColor(start), modal ? modal : parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return FromQColor(dialog.selectedColor());
}

} // namespace brumelle
