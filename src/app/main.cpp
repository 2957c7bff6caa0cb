#include <climits>
#include <csignal>
#include <vector>

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QScreen>
#include <QSocketNotifier>
#include <QTimer>
#include <QTranslator>

#include "app/brumelle_app.h"
#include "app/single_instance.h"
#include "ui/main_window.h"

namespace {

int terminationPipe[2] = {-1, -1};

void OnTermination(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(terminationPipe[0], &byte, 1);
}

// The document given on the command line, as a file manager passes it: the
// first argument naming a "*.brm" file, in full. Any other argument is
// ignored. Taken as the system's bytes, so a name that is not UTF-8 opens.
QByteArray DocumentArgument(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (!arg.toLower().endsWith(".brm"))
            continue;
        if (arg.startsWith('/'))
            return arg;
        std::vector<char> cwd(PATH_MAX);
        return ::getcwd(cwd.data(), cwd.size()) ? QByteArray(cwd.data()) + '/' + arg : arg;
    }
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    const QByteArray document = DocumentArgument(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brumelle"));
    // The id of data/org.example.brumelle.desktop: the window system finds the
    // program's name and icon through it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.brumelle"));

    // A copy already running comes to the front (and opens the document);
    // this one ends before it has any window, so it writes no settings.
    brumelle::SingleInstance guard(QFileInfo(QApplication::applicationFilePath()).fileName());
    if (!guard.TakeLock())
        return guard.HandOver(document) ? 0 : 1;
    guard.Listen();

    // Ended by the system (logout, shutdown, kill -TERM): closed like the close
    // box, settings written, without a question nobody would answer. Caught from here on; a signal that comes before
    // the main window exists closes it as soon as it does.
    const bool termination = ::socketpair(AF_UNIX, SOCK_STREAM, 0, terminationPipe) == 0;
    if (termination) {
        struct sigaction action = {};
        action.sa_handler = OnTermination;
        sigemptyset(&action.sa_mask);
        sigaction(SIGTERM, &action, nullptr);
        sigaction(SIGHUP, &action, nullptr);
    }

    // The toolkit's own dialogs (files, colours) speak French as the program does.
    QTranslator toolkit;
    if (toolkit.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkit);

    brumelle::BrumelleApp program;
    brumelle::TForm1 &form = program.MainWindow();
    // Queued: an opening shows messages in event loops of their own, which
    // must not run inside the socket's handler.
    QObject::connect(&guard, &brumelle::SingleInstance::RaiseRequested, &form, &brumelle::TForm1::BringToFront,
                     Qt::QueuedConnection);
    QObject::connect(
        &guard, &brumelle::SingleInstance::OpenRequested, &form,
        [&program](const QByteArray &path) { program.OpenWhenFree(path); }, Qt::QueuedConnection);

    if (termination) {
        auto *notifier = new QSocketNotifier(terminationPipe[1], QSocketNotifier::Read, &form);
        QObject::connect(notifier, &QSocketNotifier::activated, &form, [&form] {
            char byte;
            [[maybe_unused]] const ssize_t n = ::read(terminationPipe[1], &byte, 1);
            form.EndSession();
        });
    }

    // Without a window manager "maximised" means nothing: take the screen's free area first.
    form.setGeometry(form.screen()->availableGeometry());
    form.showMaximized();
    if (!document.isEmpty())
        QTimer::singleShot(0, &form, [&program, document] { program.OpenWhenFree(document); });
    return app.exec();
}
