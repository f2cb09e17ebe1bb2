#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::platform::qt {

// Told of each step of a commit as soon as its file operation is done, so a crash test can stop
// the program there. The steps, in order:
//   "staged NAME"   NAME.new is written and synced (one per file, done by the caller)
//   "journal"       the journal naming the files is in place: the commit point
//   "renamed NAME"  NAME.new has replaced NAME (one per file)
//   "done"          the journal is gone
using CommitObserver = std::function<void(std::string_view step)>;

// Files of one folder replaced as one: after a crash, either all of them are new or none.
// The new content of each NAME is first written to NAME.new by the caller and synced.
class FolderCommit {
public:
    explicit FolderCommit(std::string folder) : folder_(std::move(folder)) {}

    // Finishes a commit a crash interrupted after its commit point and throws away what was
    // staged before it. Must run before anything in the folder is read.
    void recover() const;
    // Moves each NAME.new over NAME as one. Returns false when the commit did not happen; the
    // staged files are then removed and the old files stand.
    bool commit(const std::vector<std::string>& names, const CommitObserver& observer) const;
    // Removes every staged file: a commit that will not happen.
    void discard() const;
    // Writes a file's data to the disk; false when that failed.
    static bool syncFile(const std::string& path);
    std::string path(const std::string& name) const { return folder_ + "/" + name; }
    static std::string staged(const std::string& name) { return name + ".new"; }
    const std::string& folder() const { return folder_; }

private:
    bool writeJournal(const std::vector<std::string>& names) const;
    bool syncFolder() const;

    std::string folder_;
};

}  // namespace quorvel::platform::qt
