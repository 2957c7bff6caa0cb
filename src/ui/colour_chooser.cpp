#include "ui/colour_chooser.h"

#include <QApplication>
#include <QColorDialog>

#include "render/qpainter_canvas.h"

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
