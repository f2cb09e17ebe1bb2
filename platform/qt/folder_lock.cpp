#include "platform/qt/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <cerrno>

namespace quorvel::platform::qt {
namespace {

// What the holder says once its window has come forward; anything else is no answer.
const QByteArray kRaised = "raised\n";

// Only a folder of the user's own that no one else may enter keeps a socket theirs.
bool isPrivateFolder(const QString& folder) {
    struct stat status {};
    return !folder.isEmpty() && ::stat(QFile::encodeName(folder).constData(), &status) == 0 &&
           S_ISDIR(status.st_mode) && status.st_uid == ::getuid() && (status.st_mode & 077) == 0;
}

// The runtime folder is shared by every game of the user, so the settings folder is known
// there by a digest of its path.
QString socketPathFor(const QString& folder) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!isPrivateFolder(runtime)) return folder + "/quorvel.sock";
    const QByteArray path = QDir(folder).absolutePath().toUtf8();
    return runtime + "/quorvel-" +
           QString::fromLatin1(
               QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(20)) +
           ".sock";
}

int openLockFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    // A lock file made read-only can still be locked; only the note in it is lost.
    return fd >= 0 ? fd : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

}  // namespace

FolderLock::FolderLock(const std::string& folder)
    : folder_(folder), socketPath_(socketPathFor(QString::fromStdString(folder))) {}

// The socket goes before the lock, so that it is never one a next holder has just made.
FolderLock::~FolderLock() {
    server_.reset();
    if (fd_ >= 0) ::close(fd_);
}

FolderLock::Claim FolderLock::claim() {
    if (fd_ >= 0) return Claim::Held;
    if (!QDir().mkpath(QString::fromStdString(folder_))) return Claim::Unavailable;
    fd_ = openLockFile(folder_ + "/" + lockFileName());
    if (fd_ < 0) return Claim::Unavailable;
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(std::exchange(fd_, -1));
        return held ? Claim::HeldByAnother : Claim::Unavailable;
    }
    noteHolder();
    listen();
    return Claim::Held;
}

// For a person looking at the folder only: the lock is the kernel's, never this text.
void FolderLock::noteHolder() const {
    const QByteArray pid = QByteArray::number(static_cast<qint64>(::getpid())) + "\n";
    if (::ftruncate(fd_, 0) != 0) return;
    [[maybe_unused]] const ssize_t written = ::pwrite(fd_, pid.constData(), pid.size(), 0);
}

void FolderLock::listen() {
    // A socket a killed holder left behind; holding the lock, we know no one listens on it.
    QLocalServer::removeServer(socketPath_);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(),
                     [this] { answer(); });
    // Without the socket the game still plays; a later copy just cannot bring it forward.
    if (!server_->listen(socketPath_)) server_.reset();
}

bool FolderLock::listening() const {
    return server_ && server_->isListening();
}

void FolderLock::answer() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (onKnock_ && onKnock_()) {
            socket->write(kRaised);
            socket->flush();
        }
        socket->disconnectFromServer();
    }
}

bool FolderLock::knock(int timeoutMs) const {
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(deadline.remainingTime())) return false;
    while (socket.bytesAvailable() < kRaised.size() &&
           socket.waitForReadyRead(deadline.remainingTime())) {
    }
    return socket.read(kRaised.size()) == kRaised;
}

}  // namespace quorvel::platform::qt
