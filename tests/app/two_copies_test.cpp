// Two real copies of the program, offscreen: the second hands over to the
// first and ends; the first opens what it is given and writes its settings
// once, when it is closed.
#include <csignal>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

class TwoCopies : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString runtime = dir.filePath(QStringLiteral("run"));

    void SetUp() override
    {
        // A runtime folder that others can read is refused for one under /tmp.
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    // The program copied under `name` into a folder of its own, so its
    // Brumelle.ini lives there.
    QString Install(const QString &name)
    {
        const QString folder = dir.filePath(name + QStringLiteral("-dir"));
        QDir().mkpath(folder);
        const QString exe = QDir(folder).filePath(name);
        EXPECT_TRUE(QFile::copy(QStringLiteral(BRUMELLE_PATH), exe));
        return exe;
    }
    std::unique_ptr<QProcess> Start(const QString &exe, const QStringList &args = {})
    {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        p->setProcessEnvironment(env);
        p->start(exe, args);
        EXPECT_TRUE(p->waitForStarted(5000));
        return p;
    }
    // The first copy takes requests once its socket is there.
    bool Listening(const QString &name)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 10000) {
            if (QFile::exists(QDir(runtime).filePath(QStringLiteral("ReRoz2") + name)))
                return true;
            QThread::msleep(50);
        }
        return false;
    }
    static bool Terminate(QProcess &p)
    {
        ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
        return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit;
    }
    static QByteArray Read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(TwoCopies, TheSecondHandsItsDocumentToTheFirstAndEnds)
{
    const QString exe = Install(QStringLiteral("brumelle"));
    const QString ini = QFileInfo(exe).dir().filePath(QStringLiteral("Brumelle.ini"));
    auto first = Start(exe);
    ASSERT_TRUE(Listening(QStringLiteral("brumelle")));

    const QString doc = dir.filePath(QStringLiteral("etude.brm"));
    QFile f(doc);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[General]\r\nbon_fichier=1\r\nP=90000\r\n[CTA]\r\nMelange=1\r\nVapeur=1\r\n");
    f.close();
    auto second = Start(exe, {doc, QStringLiteral("--ignored")});
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_FALSE(QFile::exists(ini)) << "the second copy wrote no settings";

    // Closed by the system: the settings are written once, with the document's pressure.
    QThread::msleep(500);
    ASSERT_TRUE(Terminate(*first));
    const QByteArray settings = Read(ini);
    EXPECT_TRUE(settings.contains("[Pression atmospherique]\r\nP=90000\r\n")) << settings.constData();
    EXPECT_EQ(settings.count("[Temperature seche]"), 1);
}

TEST_F(TwoCopies, ADifferentNameOrAKilledCopyDoesNotStopAStart)
{
    const QString exe = Install(QStringLiteral("brumelle"));
    auto killed = Start(exe);
    ASSERT_TRUE(Listening(QStringLiteral("brumelle")));
    killed->kill();
    ASSERT_TRUE(killed->waitForFinished(5000));

    // Its lock and socket are left behind; the next start is a first copy all the same.
    auto first = Start(exe);
    QThread::msleep(1500);
    EXPECT_EQ(first->state(), QProcess::Running);

    auto other = Start(Install(QStringLiteral("brumelle-essai")));
    ASSERT_TRUE(Listening(QStringLiteral("brumelle-essai")));
    EXPECT_EQ(other->state(), QProcess::Running) << "another name is another program";
    EXPECT_TRUE(Terminate(*other));
    EXPECT_TRUE(Terminate(*first));
}

} // namespace
