#pragma once
#include <optional>

#include <QByteArray>

class QDropEvent;

namespace brumelle {

// A file dropped on the chart window that the program opens: a document
// ("*.brm") or a preference file ("*.pfs"), its path in the system's bytes.
struct DroppedFile {
    QByteArray path;
    bool document = false;
};

// Answers a drag entering the window, or its drop (a drag-enter event is a
// drop event too): accepted, with the first local file of either kind among
// those dragged, or ignored when there is none or a modal window is up
// (the chart is not where the user works then), so that the drag shows it.
std::optional<DroppedFile> AnswerDrop(QDropEvent &event);

} // namespace brumelle
