// The file commands of the main window, driven through the program's ports.
#include <cstdio>
#include <fstream>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>

#include <gtest/gtest.h>

#include "document_opening.h"
#include "main_window_fixture.h"
#include "storage/ini_file.h"
#include "ui/options_dialog.h"

using namespace brumelle;

namespace {

using Fixture = test::MainWindowFixture;

void Write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray Read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString Cell(QTableView *grid, int col, int row) { return grid->model()->index(row, col).data().toString(); }

TEST(Documents, OpenThenChangeThePressureThenSave)
{
    Fixture f;
    const QString in = f.dir.filePath(QStringLiteral("etude.brm"));
    Write(in, "[General]\r\nbon_fichier=1\r\nP=95000\r\n[Batterie chaude]\r\nTS=12\r\ndessin=1\r\n"
              "[CTA]\r\nVapeur=1\r\nMelange=1\r\n");
    f.files.answers = {in};
    f.form.M_ouvrir->trigger();
    ASSERT_EQ(f.files.requests.size(), 1u);
    const FileRequest &asked = f.files.requests[0];
    EXPECT_EQ(asked.title, QStringLiteral("Ouvrir un fichier BRM"));
    EXPECT_EQ(asked.type, FileRequest::Type::Document);
    EXPECT_EQ(asked.defaultSuffix, QStringLiteral("brm"));
    EXPECT_EQ(asked.initialName, QStringLiteral("*.brm"));
    EXPECT_EQ(asked.folder, QCoreApplication::applicationDirPath());
    EXPECT_EQ(f.form.windowTitle(), QStringLiteral("etude.brm - Brumelle par Orvane"));
    EXPECT_TRUE(f.messages.entries.empty());

    // The hidden windows show what was opened at their next showing.
    f.evolutions.show();
    EXPECT_EQ(f.evolutions.E_TS_Entree_BC->text(), QStringLiteral("12"));
    EXPECT_TRUE(f.evolutions.Check_dessin_BC->isChecked());
    EXPECT_EQ(Cell(f.evolutions.grille_BC, 1, 8), QStringLiteral("95000"));
    f.evolutions.hide();

    // A new pressure in the options dialog re-runs what shows results.
    const std::string heatingAt95000 = f.state.evolutions.grille_BC.Cell(2, 5); // outlet volume
    TPrecision &options = f.app.Options();
    options.show();
    EXPECT_EQ(options.E_Pression->text(), QStringLiteral("95000"));
    options.E_Pression->setText(QStringLiteral("90 000 Pa"));
    options.B_Ok->click();
    EXPECT_EQ(f.state.settings.Patm, 90000u);
    EXPECT_NE(f.state.evolutions.grille_BC.Cell(2, 5), heatingAt95000);
    EXPECT_EQ(f.state.ahu.grille_resultats.Cell(1, 8), "90000");
    // The colours and line styles reached Brumelle.ini at once.
    EXPECT_TRUE(Read(f.form.SettingsFile()).contains("[Fenetre]"));

    // Saved: the caption follows, the file holds the pressure in use.
    const QString out = f.dir.filePath(QStringLiteral("copie.brm"));
    f.files.answers = {out};
    f.form.M_enregistrer_sous->trigger();
    EXPECT_EQ(f.files.requests.back().mode, FileRequest::Mode::Save);
    EXPECT_TRUE(f.files.requests.back().title.isEmpty());
    EXPECT_EQ(f.form.windowTitle(), QStringLiteral("copie.brm - Brumelle par Orvane"));
    const QByteArray saved = Read(out);
    EXPECT_TRUE(saved.startsWith("[General]\r\nbon_fichier=1\r\nP=90000\r\n"));
    EXPECT_TRUE(saved.contains("[Batterie chaude]\r\nTS=12\r\n"));
}

TEST(Documents, CaptionNamesOnlyWhatWasReadOrWritten)
{
    Fixture f;
    const QString title = f.form.windowTitle();
    const struct {
        const char *name, *bytes, *kind;
    } refused[] = {
        {"autre.brm", "[General]\r\nbon_fichier=0\r\n", "message"},
        {"pression.brm", "[General]\r\nbon_fichier=1\r\nP=1013,25\r\n", "erreur"},
    };
    for (const auto &r : refused) {
        const QString path = f.dir.filePath(QString::fromLatin1(r.name));
        Write(path, r.bytes);
        f.files.answers = {path};
        f.messages.entries.clear();
        f.form.M_ouvrirClick();
        EXPECT_EQ(f.form.windowTitle(), title) << r.name;
        ASSERT_EQ(f.messages.entries.size(), 1u);
        EXPECT_EQ(f.messages.entries[0].kind, r.kind);
    }
    // A document answered "Non", or a file that cannot be written: the caption stays.
    const QString doc = f.dir.filePath(QStringLiteral("autre.brm"));
    Write(doc, "[General]\r\nbon_fichier=1\r\n");
    f.messages.answer = false;
    f.files.answers = {doc, f.dir.filePath(QStringLiteral("none/x.brm"))};
    f.form.m_enregistrer_sousClick();
    f.form.m_enregistrer_sousClick();
    EXPECT_EQ(f.form.windowTitle(), title);
    EXPECT_EQ(Read(doc), QByteArray("[General]\r\nbon_fichier=1\r\n"));
    // Cancelled dialogs do nothing.
    f.messages.entries.clear();
    f.form.M_ouvrirClick();
    f.form.M_Ouvrir_prefClick();
    EXPECT_TRUE(f.messages.entries.empty());
}

TEST(Documents, RecentListOpensReordersDropsWhatIsGoneAndOutlivesTheRun)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Brumelle.ini"));
    const QByteArray doc = "[General]\r\nbon_fichier=1\r\n[CTA]\r\nVapeur=1\r\nMelange=1\r\n";
    // A name that is not UTF-8, as the system may give one.
    const std::string latin1 = QFile::encodeName(dir.path()).toStdString() + "/\xE9t\xE9 & co.brm";
    std::ofstream(latin1) << doc.constData();
    const QString a = dir.filePath(QStringLiteral("a.brm")), b = dir.filePath(QStringLiteral("b.brm"));
    Write(a, doc);
    test::RecordingMessages messages;
    test::FakeFileChooser files;
    {
        BrumelleApp app({&messages, nullptr, nullptr, &files}, ini);
        TForm1 &form = app.MainWindow();
        form.show();
        form.OpenDocumentFile(latin1);
        files.answers = {a, b};
        form.M_ouvrirClick();
        form.m_enregistrer_sousClick();
        EXPECT_EQ(form.M_recents[0]->text(), QStringLiteral("&1 b.brm"));
        EXPECT_EQ(form.M_recents[0]->statusTip(), b);
        EXPECT_EQ(form.M_recents[2]->text(), QStringLiteral("&3 \uFFFDt\uFFFD && co.brm"));
        EXPECT_FALSE(form.M_recents[3]->isVisible());

        form.M_recents[1]->trigger(); // a.brm
        EXPECT_EQ(form.windowTitle(), QStringLiteral("a.brm - Brumelle par Orvane"));
        QFile::remove(b);
        form.M_recents[1]->trigger(); // b.brm, gone
        EXPECT_EQ(messages.texts(), std::vector<std::string>{RecentDocumentMissing(b.toStdString())});
        form.close();
    }
    EXPECT_TRUE(Read(ini).contains("[Documents recents]\r\nFichier1=" + QFile::encodeName(a) + "\r\nFichier2="));
    BrumelleApp again({&messages}, ini);
    again.MainWindow().show();
    EXPECT_EQ(again.MainWindow().Recent().Paths(), (std::vector<std::string>{a.toStdString(), latin1}));
    std::remove(latin1.c_str()); // a name the temporary folder cannot spell
}

// Drops as the window system delivers them; the opening follows the drop.
TEST(Documents, DropOpensTheFirstDocumentOrPreferenceFileAndRefusesTheRest)
{
    Fixture f;
    const QString pfs = f.dir.filePath(QStringLiteral("froid.PFS")), brm = f.dir.filePath(QStringLiteral("b.brm"));
    Write(pfs, "[Temperature seche]\r\nMini=-10\r\n");
    Write(brm, "[General]\r\nbon_fichier=1\r\n[CTA]\r\nVapeur=1\r\nMelange=1\r\n");
    auto drop = [&f](const QList<QUrl> &urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&f.form, &enter);
        if (enter.isAccepted()) {
            QDropEvent dropped(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&f.form, &dropped);
            QCoreApplication::processEvents();
        }
        return enter.isAccepted();
    };
    const QUrl text = QUrl::fromLocalFile(f.dir.filePath(QStringLiteral("notes.txt")));
    EXPECT_FALSE(drop({text, QUrl(QStringLiteral("https://example.org/a.brm"))}));
    EXPECT_TRUE(drop({text, QUrl::fromLocalFile(pfs), QUrl::fromLocalFile(brm)}));
    EXPECT_EQ(f.state.settings.TS.Mini, -10);
    EXPECT_EQ(f.form.windowTitle(), QStringLiteral("Sans titre - Brumelle par Orvane"));
    EXPECT_TRUE(drop({QUrl::fromLocalFile(brm)}));
    EXPECT_EQ(f.form.windowTitle(), QStringLiteral("b.brm - Brumelle par Orvane"));
    EXPECT_TRUE(f.messages.entries.empty());
}

TEST(Preferences, ReadAtActivationWrittenAtCloseOnlyOnceRead)
{
    test::RecordingMessages messages;
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Brumelle.ini"));
    {
        // Ended before its first activation: the file is not written.
        BrumelleApp app({&messages}, ini);
        app.MainWindow().close();
        EXPECT_FALSE(QFile::exists(ini));
    }
    Write(ini, "[Temperature seche]\r\nMaxi=40\r\n[Pression atmospherique]\r\nP=90000\r\n");
    {
        test::FakeFileChooser files;
        BrumelleApp app({&messages, nullptr, nullptr, &files}, ini);
        app.MainWindow().show();
        EXPECT_EQ(app.State().settings.TS.Maxi, 40);
        EXPECT_EQ(app.State().settings.Patm, 90000u);
        // The calculations read the settings' pressure from the start, before the options dialog shows it.
        EXPECT_EQ(app.State().pressure.text, "90000");
        app.Options().show();
        app.Options().B_Ok->click();
        EXPECT_EQ(app.State().pressure.text, "90000");

        // "Ouvrir préférences..." replaces every field; "Enregistrer préférences..." writes them all.
        const QString pfs = dir.filePath(QStringLiteral("a.pfs"));
        Write(pfs, "[Temperature seche]\r\nMini=-10\r\n");
        files.answers = {pfs, dir.filePath(QStringLiteral("b.pfs"))};
        app.MainWindow().M_Ouvrir_prefClick();
        EXPECT_EQ(files.requests[0].type, FileRequest::Type::Preferences);
        EXPECT_EQ(files.requests[0].initialName, QStringLiteral("*.pfs"));
        EXPECT_EQ(app.State().settings.TS.Mini, -10);
        EXPECT_EQ(app.State().settings.TS.Maxi, 50);
        app.MainWindow().M_sauve_prefClick();
        EXPECT_TRUE(Read(dir.filePath(QStringLiteral("b.pfs"))).contains("Mini=-10"));
        app.MainWindow().close();
    }
    const QByteArray written = Read(ini);
    EXPECT_EQ(written.count('='), 37);
    EXPECT_TRUE(written.contains("Mini=-10"));
}

TEST(Preferences, ASettingsFileTooLargeToBeReadIsSaidOnceAndLeftAsItIs)
{
    test::RecordingMessages messages;
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Brumelle.ini"));
    const QByteArray big = "[Temperature seche]\r\nMaxi=40\r\n" + QByteArray(kMaxIniFileBytes, ';');
    Write(ini, big);
    {
        BrumelleApp app({&messages}, ini);
        app.MainWindow().show();
        QCoreApplication::processEvents(); // the message comes once the window is shown
        EXPECT_EQ(app.State().settings.TS.Maxi, 50);
        app.Options().show();
        app.Options().B_Ok->click(); // the colours are not written either
        app.MainWindow().close();
    }
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Le fichier " + ini.toStdString() + " est trop volumineux "
                                                         "pour être lu : il est laissé tel quel et les réglages par "
                                                         "défaut sont utilisés."});
    EXPECT_EQ(Read(ini), big);
}

TEST(Preferences, TheSettingsFileLivesBesideTheProgramWhenItCan)
{
    EXPECT_EQ(SettingsFilePath(), QCoreApplication::applicationDirPath() + QStringLiteral("/Brumelle.ini"));
}

} // namespace
