#include <cstdio>
#include <cstdlib>

#include <QGuiApplication>

#include "cli/cli.h"

namespace {
// Qt's own chatter (fonts, runtime folders) would mix with the program's messages.
void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    if (type == QtFatalMsg || type == QtCriticalMsg)
        std::fprintf(stderr, "%s\n", msg.toLocal8Bit().constData());
}
} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietHandler);
    // Drawing text needs a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    std::string out, err;
    const int status = brumelle::RunCli(args, out, err);
    // Written whole: a value read from a file may hold a NUL byte.
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fwrite(err.data(), 1, err.size(), stderr);
    return status;
}
