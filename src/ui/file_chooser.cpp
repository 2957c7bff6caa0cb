#include "ui/file_chooser.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace brumelle {

QStringList FileTypeFilters()
{
    return {QStringLiteral("Brumelle (*.brm)"), QStringLiteral("Fichier préférences (*.pfs)")};
}

QString NoteFileFilter() { return QStringLiteral("Note de calcul (*.pdf)"); }

QString WeatherFileFilter() { return QStringLiteral("Fichier météo (*.epw)"); }

QString WritableProgramFolder()
{
    const QString folder = QCoreApplication::applicationDirPath();
    return QFileInfo(folder).isWritable() ? folder : QString();
}

QString DialogStartFolder()
{
    const QString program = WritableProgramFolder();
    return program.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) : program;
}

std::optional<QString> DialogFileChooser::Choose(const FileRequest &request)
{
    QWidget *modal = QApplication::activeModalWidget();
    QFileDialog dialog(modal ? modal : parent_, request.title, request.folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails); // "Brumelle", not "Brumelle (*.brm)"
    if (request.type == FileRequest::Type::Note) {
        dialog.setNameFilter(NoteFileFilter());
    } else if (request.type == FileRequest::Type::Weather) {
        dialog.setNameFilter(WeatherFileFilter());
    } else {
        dialog.setNameFilters(FileTypeFilters());
        dialog.selectNameFilter(FileTypeFilters().at(static_cast<int>(request.type)));
    }
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (request.mode == FileRequest::Mode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // The command asks its own question, only about its own files.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::AnyFile); // the typed file need not exist
    }
    dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace brumelle
