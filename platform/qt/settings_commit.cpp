#include "platform/qt/settings_commit.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

namespace quorvel::platform::qt {
namespace {

constexpr const char* kJournal = "commit.journal";
constexpr const char* kJournalDraft = "commit.journal.tmp";

bool syncDescriptor(int fd) {
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

bool exists(const std::string& path) {
    return ::access(path.c_str(), F_OK) == 0;
}

bool writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A journal names plain files of its own folder, one a line; anything else was not ours.
std::vector<std::string> journalNames(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> names;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line.find('/') == std::string::npos && line != "." && line != "..")
            names.push_back(line);
    return names;
}

}  // namespace

bool FolderCommit::syncFile(const std::string& path) {
    return syncDescriptor(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
}

bool FolderCommit::syncFolder() const {
    return syncDescriptor(::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

void FolderCommit::recover() const {
    const std::string journal = path(kJournal);
    if (exists(journal)) {
        for (const std::string& name : journalNames(journal))
            if (exists(path(staged(name))))
                std::rename(path(staged(name)).c_str(), path(name).c_str());
        syncFolder();
        std::remove(journal.c_str());
        syncFolder();
    }
    std::remove(path(kJournalDraft).c_str());
    discard();
}

void FolderCommit::discard() const {
    DIR* dir = ::opendir(folder_.c_str());
    if (!dir) return;
    std::vector<std::string> leftovers;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() > 4 && name.ends_with(".new")) leftovers.push_back(name);
    }
    ::closedir(dir);
    for (const std::string& name : leftovers)
        std::remove(path(name).c_str());
}

// The journal is drafted aside and renamed into place, so it is never seen half written.
bool FolderCommit::writeJournal(const std::vector<std::string>& names) const {
    std::string text;
    for (const std::string& name : names)
        text += name + "\n";
    const std::string draft = path(kJournalDraft);
    const int fd = ::open(draft.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const bool written = fd >= 0 && writeAll(fd, text);
    if (!syncDescriptor(fd) || !written ||
        std::rename(draft.c_str(), path(kJournal).c_str()) != 0 || !syncFolder()) {
        std::remove(draft.c_str());
        return false;
    }
    return true;
}

bool FolderCommit::commit(const std::vector<std::string>& names,
                          const CommitObserver& observer) const {
    if (!writeJournal(names)) {
        discard();
        return false;
    }
    observer("journal");
    for (const std::string& name : names) {
        // Past the commit point a failed rename is finished by the next start's recovery.
        if (std::rename(path(staged(name)).c_str(), path(name).c_str()) != 0) return false;
        observer("renamed " + name);
    }
    syncFolder();
    std::remove(path(kJournal).c_str());
    syncFolder();
    observer("done");
    return true;
}

}  // namespace quorvel::platform::qt
