// "Note de calcul...", driven through the file-chooser seam.
#include <QAction>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include "document_opening.h"
#include "main_window_fixture.h"
#include "ui/file_chooser.h"

using namespace brumelle;

namespace {

QByteArray Read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(NoteCommand, WritesTheNoteOfWhatTheWindowsHoldAskingBeforeWritingOver)
{
    test::MainWindowFixture f;

    const QString doc = f.dir.filePath(QStringLiteral("hiver.brm"));
    QFile d(doc);
    ASSERT_TRUE(d.open(QIODevice::WriteOnly));
    d.write("[General]\r\nbon_fichier=1\r\nP=95000\r\n[CTA]\r\nMelange=1\r\nVapeur=1\r\n");
    d.close();
    f.form.OpenDocumentFile(doc.toStdString());

    const QString pdf = f.dir.filePath(QStringLiteral("note.pdf"));
    f.files.answers = {pdf};
    f.form.M_note_calcul->trigger();
    ASSERT_EQ(f.files.requests.size(), 1u);
    const FileRequest &asked = f.files.requests[0];
    EXPECT_EQ(asked.mode, FileRequest::Mode::Save);
    EXPECT_EQ(asked.type, FileRequest::Type::Note);
    EXPECT_EQ(asked.defaultSuffix, QStringLiteral("pdf"));
    // Beside the document, under its name.
    EXPECT_EQ(asked.initialName, QStringLiteral("hiver.pdf"));
    EXPECT_EQ(asked.folder, f.dir.path());
    EXPECT_TRUE(f.messages.entries.empty());
    EXPECT_EQ(f.form.StatusText(), QStringLiteral("Note de calcul écrite : ") + pdf);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(10000));
    const QString written = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(written.contains(QStringLiteral("hiver.brm"))) << written.toStdString();
    EXPECT_TRUE(written.contains(QStringLiteral("Pression atmosphérique en Pa : 95000")));

    // "Non" writes nothing; a file that cannot be written is reported.
    QFile(pdf).resize(4);
    const QByteArray kept = Read(pdf);
    f.messages.answer = false;
    f.files.answers = {pdf, f.dir.filePath(QStringLiteral("none/note.pdf"))};
    f.form.M_note_calcul->trigger();
    f.form.M_note_calcul->trigger();
    EXPECT_EQ(Read(pdf), kept);
    const std::string unwritable = f.dir.filePath(QStringLiteral("none/note.pdf")).toStdString();
    EXPECT_EQ(f.messages.entries, (std::vector<test::RecordingMessages::Entry>{
                                      {"confirmation", kOverwriteQuestion},
                                      {"erreur", "Impossible d'écrire dans " + unwritable}}));
}
