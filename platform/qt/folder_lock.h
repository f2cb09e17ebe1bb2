#pragma once

#include <QLockFile>
#include <functional>
#include <memory>
#include <string>

class QLocalServer;

namespace quorvel::platform::qt {

// One game per settings folder. The copy that holds the folder's lock file listens for the
// copies started after it; they knock, so that it can bring its window forward, and leave.
// A lock left by a game that was killed is taken over.
class FolderLock {
public:
    enum class Claim { Held, HeldByAnother, Unavailable };

    explicit FolderLock(const std::string& folder);
    ~FolderLock();

    Claim claim();
    // Called in the holder each time a later copy knocks.
    void setOnKnock(std::function<void()> onKnock) { onKnock_ = std::move(onKnock); }
    // Asks the holder to come forward; false when it could not be reached in time.
    bool knock(int timeoutMs = 2000) const;
    static std::string lockFileName() { return "quorvel.lock"; }

private:
    void listen();

    std::string folder_;
    QString serverName_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> onKnock_;
};

}  // namespace quorvel::platform::qt
