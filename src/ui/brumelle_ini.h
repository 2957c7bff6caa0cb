#pragma once
#include <QString>

class QObject;

namespace brumelle {

struct ChartSettings;
class Messages;
class RecentDocumentsMenu;

// Brumelle.ini, where the chart settings and the recent documents outlive
// the run: read at the main window's first activation, written back at its
// close and, for the colours and line styles, by the options dialog's "Ok".
// A file this run could not read is never written over with the defaults.
class BrumelleIni {
public:
    BrumelleIni(QString path, Messages &messages);

    const QString &Path() const { return path_; }
    // False until the file is read, and all the run when it is too large to be.
    bool WasRead() const { return read_; }

    // The settings and the recent list from the file. A missing file, or a
    // missing key, gives the defaults; so does a file too large to be read,
    // said once (queued on `context`, so that it comes over the window once
    // shown) and left as it is.
    void Read(ChartSettings &settings, RecentDocumentsMenu &recent, QObject &context);
    // The settings and the recent list written back, once however the window
    // closes, and only when read. A file that cannot be written is reported,
    // and the program still ends.
    void SaveAtClose(const ChartSettings &settings, const RecentDocumentsMenu &recent);
    // The colours and line styles written at once; true when written, or when
    // the file was not read and so must not be.
    bool SaveColoursAndStyles(const ChartSettings &settings);

private:
    QString path_;
    Messages &messages_;
    bool read_ = false;
    bool written_ = false;
};

} // namespace brumelle
