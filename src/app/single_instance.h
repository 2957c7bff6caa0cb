#pragma once
#include <memory>

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace brumelle {

// One copy of the program per user and per executable name. The first copy
// holds a lock file and listens on a local socket, both named "ReRoz2"
// followed by the executable's file name in the user's runtime folder; a later
// copy finds the lock taken, hands its request to the first and ends. A lock
// left by a copy that was killed is taken over.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `folder` is where the lock and the socket live; by default the user's
    // runtime folder.
    explicit SingleInstance(const QString &exeName, const QString &folder = QString());
    ~SingleInstance() override;

    // True when this is the first copy: the lock is now this copy's.
    bool TakeLock();
    // The first copy starts taking requests. False when the socket cannot be opened.
    bool Listen();
    // A later copy: asks the first to come to the front and, when `document`
    // (a file name in the system's bytes) is given, to open it. False when
    // the first copy could not be reached.
    bool HandOver(const QByteArray &document) const;

    QString LockPath() const;
    QString ServerPath() const;

signals:
    void RaiseRequested();
    void OpenRequested(const QByteArray &document);

private:
    void Read(QLocalSocket *socket);

    QString name_;
    QString folder_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
};

} // namespace brumelle
