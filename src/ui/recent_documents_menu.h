#pragma once
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "storage/recent_documents.h"

class QAction;
class QMenu;
class QObject;

namespace brumelle {

class Messages;

// The last documents in the "&Fichier" menu: four items above a given item,
// with a separator under them, hidden while the list is shorter. The list
// and its items change together, so that the menu always shows the list
// Brumelle.ini will be given.
class RecentDocumentsMenu {
public:
    using Items = std::array<QAction *, RecentDocuments::kMax>;

    // Inserts the hidden items, owned by `owner`, before `before` in `menu`;
    // a click on the i-th item (from 0) calls onClick(i).
    RecentDocumentsMenu(QMenu &menu, QAction *before, QObject &owner, std::function<void(size_t)> onClick);

    const Items &Actions() const { return items_; }
    const RecentDocuments &List() const { return list_; }

    // The list Brumelle.ini holds, shown.
    void Read(const IniFile &file);
    void Write(IniFile &file) const { list_.Write(file); }
    // A document opened or saved goes to the top of the list.
    void Remember(const std::string &path);
    // The listed document that a click on item `index` opens. Only a
    // document that is gone leaves the list, with a message, and gives
    // nothing; one that cannot be read is still given, for the opening's own
    // message.
    std::optional<std::string> DocumentToOpen(size_t index, Messages &messages);

private:
    void Show();

    RecentDocuments list_;
    Items items_{};
    QAction *end_ = nullptr; // the separator under the list
};

} // namespace brumelle
