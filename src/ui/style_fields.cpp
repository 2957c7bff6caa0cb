#include "ui/style_fields.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QPalette>

#include "render/qpainter_canvas.h"

namespace brumelle {

ColourPanel::ColourPanel(QWidget *parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    setFixedSize(kSize, kSize);
    SetColour(0);
}

void ColourPanel::SetColour(int32_t colour)
{
    colour_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, ToQColor(colour));
    setPalette(p);
}

void ColourPanel::mouseReleaseEvent(QMouseEvent *event)
{
    QFrame::mouseReleaseEvent(event);
    // A click is a release over the control, as with any button.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
        onClick();
}

LineStyleField::LineStyleField(QWidget *parent) : QLabel(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    setIndent(3);
    setToolTip(QStringLiteral("Type de ligne"));
}

void LineStyleField::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
        onClick();
}

} // namespace brumelle
