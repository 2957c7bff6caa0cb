// The shell: one copy at a time, help, About, quitting.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/help_window.h"
#include "app/single_instance.h"
#include "main_window_fixture.h"

using namespace brumelle;

namespace {

using Fixture = test::MainWindowFixture;

void Touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<html><body><h1>Sommaire</h1></body></html>");
}

TEST(SingleInstance, ALaterCopyHandsOverToTheFirst)
{
    QTemporaryDir dir;
    SingleInstance first(QStringLiteral("brumelle"), dir.path());
    ASSERT_TRUE(first.TakeLock());
    // A socket file left by a killed copy does not stop the first from listening.
    Touch(first.ServerPath());
    ASSERT_TRUE(first.Listen());
    int raised = 0;
    QList<QByteArray> opened;
    QObject::connect(&first, &SingleInstance::RaiseRequested, [&] { ++raised; });
    QObject::connect(&first, &SingleInstance::OpenRequested, [&](const QByteArray &p) { opened << p; });

    SingleInstance second(QStringLiteral("brumelle"), dir.path());
    EXPECT_FALSE(second.TakeLock());
    // The system's bytes, whatever they are: Latin-1, a line end.
    const QByteArray name = "/tmp/caf\xe9 \n\xc3\xa9tude.brm";
    ASSERT_TRUE(second.HandOver(name));
    QElapsedTimer t;
    t.start();
    while (opened.isEmpty() && t.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(raised, 1);
    EXPECT_EQ(opened, QList<QByteArray>{name});

    // Another executable name is another program.
    SingleInstance other(QStringLiteral("brumelle-essai"), dir.path());
    EXPECT_TRUE(other.TakeLock());
}

TEST(Shell, RaisedWhenAnotherStartAsksForIt)
{
    Fixture f;
    f.form.showMinimized();
    QApplication::processEvents();
    f.form.BringToFront();
    QApplication::processEvents();
    EXPECT_FALSE(f.form.isMinimized());
    EXPECT_TRUE(f.form.isVisible());
}

TEST(Shell, HelpIsLookedUpBesideTheProgramThenInItsDataFolder)
{
    QTemporaryDir dir;
    const QString bin = dir.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    EXPECT_EQ(FindHelpFile(bin), QString());
    Touch(dir.filePath(QStringLiteral("share/brumelle/brumelle.html")));
    EXPECT_EQ(FindHelpFile(bin), QFileInfo(dir.filePath(QStringLiteral("share/brumelle/brumelle.html"))).canonicalFilePath());
    Touch(dir.filePath(QStringLiteral("bin/brumelle.html")));
    EXPECT_EQ(FindHelpFile(bin), QFileInfo(dir.filePath(QStringLiteral("bin/brumelle.html"))).canonicalFilePath());

    HelpWindow help;
    help.ShowContents(FindHelpFile(bin));
    EXPECT_TRUE(help.isVisible());
    EXPECT_TRUE(help.Browser()->toPlainText().contains(QStringLiteral("Sommaire")));
}

TEST(Shell, F1ShowsTheHelpOrSaysWhyNot)
{
    Fixture f;
    f.form.M_aide->trigger();
    if (FindHelpFile(QCoreApplication::applicationDirPath()).isEmpty()) {
        // Nothing but a clear message: no window.
        ASSERT_EQ(f.messages.entries.size(), 1u);
        EXPECT_EQ(f.messages.entries[0].kind, "message");
        EXPECT_NE(f.messages.entries[0].text.find("brumelle.html est introuvable"), std::string::npos);
        EXPECT_EQ(f.app.Help(), nullptr);
    } else {
        ASSERT_NE(f.app.Help(), nullptr);
        EXPECT_TRUE(f.app.Help()->isVisible());
    }
}

TEST(Shell, AboutIsShownModallyThenDestroyed)
{
    Fixture f;
    QString text;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        modal = box->isModal() && box->windowTitle() == QStringLiteral("A propos");
        text = box->findChild<QLabel *>(QStringLiteral("texte"))->text();
        box->close();
    });
    f.form.M_apropos->trigger();
    EXPECT_TRUE(modal);
    EXPECT_TRUE(text.contains(QStringLiteral("Brumelle")));
    EXPECT_TRUE(text.contains(QStringLiteral("GPL-3.0-or-later")));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(f.form.findChildren<TAboutBox *>().size(), 0) << "destroyed once closed";
}

TEST(Shell, QuittingWritesTheSettingsOnce)
{
    Fixture f;
    const QString ini = f.form.SettingsFile();
    f.form.Quitter1->trigger();
    EXPECT_FALSE(f.form.isVisible());
    ASSERT_TRUE(QFile::exists(ini));
    QFile::remove(ini);
    f.form.close(); // the system closing it again
    EXPECT_FALSE(QFile::exists(ini));
}

} // namespace
