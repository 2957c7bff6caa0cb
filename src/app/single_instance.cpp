#include "app/single_instance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace brumelle {

namespace {
constexpr int kConnectTries = 20;   // the first copy may still be starting
constexpr int kWaitMs = 250;
constexpr qint64 kLongestRequest = 64 * 1024; // a path, a word: anything longer is not ours

QString RuntimeFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    return folder;
}
} // namespace

SingleInstance::SingleInstance(const QString &exeName, const QString &folder)
    : name_(QStringLiteral("ReRoz2") + exeName), folder_(folder.isEmpty() ? RuntimeFolder() : folder),
      lock_(QDir(folder_).filePath(name_ + QStringLiteral(".lock")))
{
    // The lock is stale only when its owner is gone, however long it has been held.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::LockPath() const { return QDir(folder_).filePath(name_ + QStringLiteral(".lock")); }

QString SingleInstance::ServerPath() const { return QDir(folder_).filePath(name_); }

bool SingleInstance::TakeLock() { return lock_.tryLock(0); }

bool SingleInstance::Listen()
{
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket file left by a killed copy: the lock is ours, so it is stale.
    if (!server_->listen(ServerPath())) {
        QLocalServer::removeServer(ServerPath());
        if (!server_->listen(ServerPath()))
            return false;
    }
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
            Read(socket);
        }
    });
    return true;
}

void SingleInstance::Read(QLocalSocket *socket)
{
    if (socket->bytesAvailable() > kLongestRequest) {
        socket->abort();
        return;
    }
    // Every request is read before any is acted on: a receiver may run an
    // event loop in which the socket goes away.
    QList<QByteArray> lines;
    while (socket->canReadLine())
        lines << socket->readLine().chopped(1);
    for (const QByteArray &line : lines) {
        if (line == "raise")
            emit RaiseRequested();
        else if (line.startsWith("open "))
            emit OpenRequested(QByteArray::fromPercentEncoding(line.mid(5)));
    }
}

bool SingleInstance::HandOver(const QByteArray &document) const
{
    QByteArray request = "raise\n";
    // Percent-encoded: a file name may hold any byte but "/" and NUL, line ends included.
    if (!document.isEmpty())
        request += "open " + document.toPercentEncoding("/") + '\n';
    for (int i = 0; i < kConnectTries; ++i) {
        QLocalSocket socket;
        socket.connectToServer(ServerPath());
        if (socket.waitForConnected(kWaitMs)) {
            socket.write(request);
            const bool sent = socket.waitForBytesWritten(kWaitMs * 4);
            socket.disconnectFromServer();
            return sent;
        }
        QThread::msleep(kWaitMs);
    }
    return false;
}

} // namespace brumelle
