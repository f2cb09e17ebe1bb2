#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <chrono>
#include <future>
#include <random>

#include "platform/qt/folder_lock.h"

using quorvel::platform::qt::FolderLock;

namespace {

// Points XDG_RUNTIME_DIR elsewhere for as long as it lives.
class RuntimeFolder {
public:
    explicit RuntimeFolder(const QString& folder) : old_(qgetenv("XDG_RUNTIME_DIR")) {
        qputenv("XDG_RUNTIME_DIR", folder.toUtf8());
    }
    ~RuntimeFolder() { qputenv("XDG_RUNTIME_DIR", old_); }

private:
    QByteArray old_;
};

// What a claim made by another process, at this moment, comes to.
FolderLock::Claim claimFromAnotherProcess(const std::string& folder) {
    const pid_t child = fork();
    if (child == 0) _exit(static_cast<int>(FolderLock(folder).claim()));
    int status = 0;
    waitpid(child, &status, 0);
    return static_cast<FolderLock::Claim>(WEXITSTATUS(status));
}

pid_t deadPid() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

// The holder serves its knocks on this thread while another copy knocks from its own.
bool knockWhileServing(const std::string& folder) {
    auto knocked = std::async(std::launch::async, [&] { return FolderLock(folder).knock(1000); });
    while (knocked.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents();
    return knocked.get();
}

mode_t modeOf(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode : 0;
}

}  // namespace

// Whatever a power cut, an old version, another host or a dead game left in the lock file, the
// folder is free; only a live holder keeps a second copy out. The holder's socket is the user's
// alone and goes with it, and a knock counts as answered only when the holder said so.
TEST(FolderLock, OnlyALiveHolderKeepsTheFolderAndAKnockIsAnsweredOnlyByIt) {
    QTemporaryDir config, runtime;
    RuntimeFolder runtimeFolder(runtime.path());
    const std::string folder = (config.path() + "/Quorvel").toStdString();
    const QString lockFile = QString::fromStdString(folder + "/" + FolderLock::lockFileName());
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    std::mt19937 random(22);
    QByteArray garbage(300, '\0');
    for (char& byte : garbage)
        byte = static_cast<char>(random());
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    const std::vector<std::pair<const char*, QByteArray>> leftovers = {
        {"empty", ""},
        {"garbage", garbage},
        {"another host", "4242\nQuorvel\nsome-other-host\n"},
        {"a dead game", QByteArray::number(deadPid()) + "\nQuorvel\n" + host + "\n"}};
    for (const auto& [left, bytes] : leftovers) {
        QFile file(lockFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        FolderLock lock(folder);
        EXPECT_EQ(lock.claim(), FolderLock::Claim::Held) << "a lock file left by " << left;
        QFile note(lockFile);
        ASSERT_TRUE(note.open(QIODevice::ReadOnly));
        EXPECT_EQ(note.readAll(), QByteArray::number(getpid()) + "\n") << "written over";
    }

    QString socket;
    {
        FolderLock holder(folder);
        socket = holder.socketPath();
        EXPECT_TRUE(socket.startsWith(runtime.path() + "/")) << socket.toStdString();
        ASSERT_TRUE(QFile(socket).open(QIODevice::WriteOnly)) << "as a killed game leaves it";
        ASSERT_EQ(holder.claim(), FolderLock::Claim::Held);
        EXPECT_TRUE(holder.listening()) << "the leftover socket is replaced";
        EXPECT_TRUE(S_ISSOCK(modeOf(socket)));
        EXPECT_EQ(modeOf(socket) & 077, 0u) << "no one else may connect";
        EXPECT_EQ(claimFromAnotherProcess(folder), FolderLock::Claim::HeldByAnother);
        EXPECT_EQ(FolderLock(folder).claim(), FolderLock::Claim::HeldByAnother)
            << "nor another claim in this process";

        int knocks = 0;
        bool raised = false;
        holder.setOnKnock([&] {
            ++knocks;
            return raised;
        });
        EXPECT_FALSE(knockWhileServing(folder)) << "reached, but nothing came forward";
        raised = true;
        EXPECT_TRUE(knockWhileServing(folder));
        EXPECT_EQ(knocks, 2);
    }
    EXPECT_FALSE(QFileInfo::exists(socket)) << "the socket goes with its holder";
    EXPECT_FALSE(FolderLock(folder).knock(1000)) << "no one to answer";
    EXPECT_EQ(FolderLock(folder).claim(), FolderLock::Claim::Held) << "the lock went too";

    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::ExeOther);
    EXPECT_TRUE(FolderLock(folder).socketPath().startsWith(QString::fromStdString(folder) + "/"))
        << "a runtime folder others may enter is no place for it";
    RuntimeFolder none("");
    EXPECT_EQ(FolderLock(folder).socketPath(), QString::fromStdString(folder) + "/quorvel.sock");
    FolderLock unreachable(folder + "/" + std::string(120, 'x'));
    EXPECT_EQ(unreachable.claim(), FolderLock::Claim::Held) << "a name too long for a socket";
    EXPECT_FALSE(unreachable.listening()) << "the game plays on; it cannot be brought forward";
}
