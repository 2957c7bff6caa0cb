#include "ui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace brumelle {

void SystemClipboard::SetText(const QString &text) { QGuiApplication::clipboard()->setText(text); }

void SystemClipboard::SetImage(const QImage &image) { QGuiApplication::clipboard()->setImage(image); }

} // namespace brumelle
