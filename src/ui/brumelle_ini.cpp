#include "ui/brumelle_ini.h"

#include <string>
#include <utility>

#include <QTimer>

#include "chart/chart_settings.h"
#include "presentation/messages.h"
#include "storage/ini_file.h"
#include "storage/preferences.h"
#include "ui/recent_documents_menu.h"

namespace brumelle {

BrumelleIni::BrumelleIni(QString path, Messages &messages) : path_(std::move(path)), messages_(messages) {}

void BrumelleIni::Read(ChartSettings &settings, RecentDocumentsMenu &recent, QObject &context)
{
    IniFile file;
    const std::string path = path_.toStdString();
    const bool tooLarge = file.LoadFile(path) == FileReadStatus::TooLarge;
    if (tooLarge)
        QTimer::singleShot(0, &context, [&messages = messages_, path] {
            messages.message("Le fichier " + path + " est trop volumineux pour être lu : il est laissé tel quel "
                             "et les réglages par défaut sont utilisés.");
        });
    ReadSettings(file, settings);
    recent.Read(file);
    read_ = !tooLarge;
}

void BrumelleIni::SaveAtClose(const ChartSettings &settings, const RecentDocumentsMenu &recent)
{
    if (!read_ || written_)
        return;
    written_ = true;
    UpdateIniFile(
        path_.toStdString(),
        [&](IniFile &f) {
            WriteSettings(f, settings);
            recent.Write(f);
        },
        messages_);
}

bool BrumelleIni::SaveColoursAndStyles(const ChartSettings &settings)
{
    return !read_ ||
           UpdateIniFile(path_.toStdString(), [&](IniFile &f) { WriteColoursAndStyles(f, settings); }, messages_);
}

} // namespace brumelle
