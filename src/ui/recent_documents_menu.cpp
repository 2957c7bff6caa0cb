#include "ui/recent_documents_menu.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include "presentation/messages.h"

namespace brumelle {

RecentDocumentsMenu::RecentDocumentsMenu(QMenu &menu, QAction *before, QObject &owner,
                                         std::function<void(size_t)> onClick)
{
    for (size_t i = 0; i < items_.size(); ++i) {
        QAction *a = new QAction(&owner);
        a->setObjectName(QStringLiteral("M_recent%1").arg(i + 1));
        a->setVisible(false);
        menu.insertAction(before, a);
        QObject::connect(a, &QAction::triggered, &owner, [onClick, i] { onClick(i); });
        items_[i] = a;
    }
    end_ = menu.insertSeparator(before);
    end_->setVisible(false);
}

void RecentDocumentsMenu::Read(const IniFile &file)
{
    list_.Read(file);
    Show();
}

void RecentDocumentsMenu::Remember(const std::string &path)
{
    list_.Add(path);
    Show();
}

std::optional<std::string> RecentDocumentsMenu::DocumentToOpen(size_t index, Messages &messages)
{
    if (index >= list_.Paths().size())
        return std::nullopt;
    const std::string path = list_.Paths()[index];
    std::error_code ec;
    if (std::filesystem::status(path, ec).type() != std::filesystem::file_type::not_found)
        return path;
    list_.Remove(path);
    Show();
    messages.message(RecentDocumentMissing(QFile::decodeName(QByteArray::fromStdString(path)).toStdString()));
    return std::nullopt;
}

void RecentDocumentsMenu::Show()
{
    const std::vector<std::string> &paths = list_.Paths();
    for (size_t i = 0; i < items_.size(); ++i) {
        QAction *a = items_[i];
        a->setVisible(i < paths.size());
        if (i >= paths.size())
            continue;
        // The item names the file, its status tip the whole path; "&" doubled
        // so that it shows rather than marks a shortcut.
        const QString full = QFile::decodeName(QByteArray::fromStdString(paths[i]));
        QString name = QFileInfo(full).fileName();
        a->setText(QStringLiteral("&%1 %2").arg(QString::number(i + 1), name.replace(u'&', QStringLiteral("&&"))));
        a->setStatusTip(full);
    }
    end_->setVisible(!paths.empty());
}

} // namespace brumelle
