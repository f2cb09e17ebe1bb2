#include "platform/qt/folder_lock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace quorvel::platform::qt {
namespace {

// Socket names are short and flat, so the folder is known by a digest of its path.
QString serverNameFor(const QString& folder) {
    const QByteArray path = QDir(folder).absolutePath().toUtf8();
    return "quorvel-" +
           QString::fromLatin1(
               QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(20));
}

}  // namespace

FolderLock::FolderLock(const std::string& folder)
    : folder_(folder),
      serverName_(serverNameFor(QString::fromStdString(folder))),
      lock_(QString::fromStdString(folder + "/" + lockFileName())) {
    // A game holds its folder for hours: only a dead holder makes the lock stale, never age.
    lock_.setStaleLockTime(0);
}

FolderLock::~FolderLock() = default;

FolderLock::Claim FolderLock::claim() {
    if (!QDir().mkpath(QString::fromStdString(folder_))) return Claim::Unavailable;
    if (lock_.tryLock(0)) {
        listen();
        return Claim::Held;
    }
    return lock_.error() == QLockFile::LockFailedError ? Claim::HeldByAnother : Claim::Unavailable;
}

void FolderLock::listen() {
    // A socket a killed holder left behind; holding the lock, we know no one listens on it.
    QLocalServer::removeServer(serverName_);
    server_ = std::make_unique<QLocalServer>();
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            socket->disconnectFromServer();
            socket->deleteLater();
            if (onKnock_) onKnock_();
        }
    });
    server_->listen(serverName_);
}

bool FolderLock::knock(int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.disconnectFromServer();
    return true;
}

}  // namespace quorvel::platform::qt
