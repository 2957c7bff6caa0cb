#pragma once
#include <optional>

#include <QString>

class QWidget;

namespace brumelle {

// What the shared open and save dialogs are asked, prepared anew before each use.
struct FileRequest {
    enum class Mode { Open, Save };
    // The file type shown first; a calculation note and a weather file are offered alone.
    enum class Type { Document = 0, Preferences = 1, Note = 2, Weather = 3 };
    Mode mode = Mode::Open;
    Type type = Type::Document;
    QString title;         // "Ouvrir un fichier BRM" when opening; none when saving
    QString defaultSuffix; // "brm", "pfs" or "pdf", added to a name typed without one
    QString folder;        // where the dialog starts
    QString initialName;   // "*.brm", "*.pfs" or "*.pdf"
};

// The open and save dialogs; tests answer them without showing anything.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file's full name, or nothing when the user cancels.
    virtual std::optional<QString> Choose(const FileRequest &request) = 0;
};

// The file types both dialogs offer, in their order, for documents and
// preference files.
QStringList FileTypeFilters();
// The one type offered when saving a calculation note.
QString NoteFileFilter();
// The one type offered when opening a weather file.
QString WeatherFileFilter();

// The executable's folder when the user may write it (a portable install,
// the build folder), else empty: an installed program's folder is the
// system's. Brumelle.ini and the file dialogs go there when they can.
QString WritableProgramFolder();
// Where the open and save dialogs start: that folder, else the user's documents.
QString DialogStartFolder();

class DialogFileChooser : public FileChooser {
public:
    explicit DialogFileChooser(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }
    std::optional<QString> Choose(const FileRequest &request) override;

private:
    QWidget *parent_;
};

} // namespace brumelle
