#include "ui/file_drop.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace brumelle {

namespace {

std::optional<DroppedFile> FirstDroppedFile(const QMimeData *data)
{
    if (!data)
        return std::nullopt;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        // The encoded path keeps every byte of a name that is not UTF-8.
        const QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        const QByteArray lower = path.toLower();
        if (lower.endsWith(".brm") || lower.endsWith(".pfs"))
            return DroppedFile{path, lower.endsWith(".brm")};
    }
    return std::nullopt;
}

} // namespace

std::optional<DroppedFile> AnswerDrop(QDropEvent &event)
{
    std::optional<DroppedFile> dropped;
    if (!QApplication::activeModalWidget())
        dropped = FirstDroppedFile(event.mimeData());
    if (dropped)
        event.acceptProposedAction();
    else
        event.ignore();
    return dropped;
}

} // namespace brumelle
