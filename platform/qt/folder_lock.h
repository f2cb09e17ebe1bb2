#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>

class QLocalServer;

namespace quorvel::platform::qt {

// One game per settings folder. The copy that holds a kernel lock on the folder's lock file
// listens for the copies started after it; they knock, so that it can bring its window forward,
// and leave. The kernel lets the lock go when its holder ends, however it ends, so nothing
// written in the file can keep a later game out.
class FolderLock {
public:
    enum class Claim { Held, HeldByAnother, Unavailable };

    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    Claim claim();
    // Called in the holder each time a later copy knocks; true when a window came forward,
    // which is then what the holder answers.
    void setOnKnock(std::function<bool()> onKnock) { onKnock_ = std::move(onKnock); }
    // Asks the holder to come forward; true only when it answered that it did, in time.
    bool knock(int timeoutMs = 2000) const;
    // Where the holder listens: the user's private runtime folder, else the settings folder.
    const QString& socketPath() const { return socketPath_; }
    bool listening() const;
    static std::string lockFileName() { return "quorvel.lock"; }

private:
    void noteHolder() const;
    void listen();
    void answer();

    std::string folder_;
    QString socketPath_;
    int fd_ = -1;
    std::unique_ptr<QLocalServer> server_;
    std::function<bool()> onKnock_;
};

}  // namespace quorvel::platform::qt
