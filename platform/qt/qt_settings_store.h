#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/qt/settings_commit.h"
#include "platform/settings_store.h"
#include "platform/text_catalogue.h"

namespace quorvel::platform::qt {

// One INI file per application name in one folder, by default the user's configuration folder
// of the organisation, e.g. ~/.config/Quorvel/quorvel.ini and allslot.ini. Writes are gathered
// and saved at the next turn of the event loop (and when the program quits); a save replaces
// every file of the folder as one commit (settings_commit.h), so a crash never leaves one file
// new and the other old. A file that cannot be read, is read only in part or cannot be saved
// is reported once per run, naming it; the game plays on with the values it has. A file far
// larger than the game ever writes is read only for the keys the game asks for, and at the
// next save it is kept aside as NAME.damaged and replaced by a file of those keys alone.
class QtSettingsStore : public SettingsStore {
public:
    using Reporter = std::function<void(const std::string& sentence)>;
    // The files of a store made for a folder are FOLDER/APPLICATION.ini.
    struct Folder {
        std::string path;
    };
    // Past this size a file is no longer the game's own writing.
    static constexpr long long kLargestSensibleFile = 1 << 20;

    explicit QtSettingsStore(std::string organisation = "Quorvel");
    explicit QtSettingsStore(Folder folder);
    ~QtSettingsStore() override;

    std::string read(const std::string& application, const std::string& section,
                     const std::string& key) const override;
    void write(const std::string& application, const std::string& section, const std::string& key,
               const std::string& value) override;
    std::uint64_t revision() const override { return revision_; }
    // Saves what was written now and reports a failure.
    void flush();
    // Forgets what was written but not yet saved, as a killed program would.
    void abandon() { dirty_ = false; }
    void setReporter(Reporter reporter) { reporter_ = std::move(reporter); }
    // The reports in the player's language; without a catalogue they are in English.
    void setCatalogue(const TextCatalogue* text) { text_ = text; }
    // A crash test's hook into each step of a save; the steps are told in settings_commit.h.
    void setCommitObserver(CommitObserver observer) { observer_ = std::move(observer); }
    std::string fileName(const std::string& application) const;
    const std::string& folder() const { return commit_.folder(); }

private:
    struct File;
    File& file(const std::string& application) const;
    void openFolder() const;
    void load(const std::string& application, File& file) const;
    bool save();
    bool stage(const std::string& application, const File& file) const;
    void keepAside(const std::string& application, File& file) const;
    void reportUnsaved(const std::string& files) const;
    void report(const std::string& kind, const std::string& path, const std::string& text) const;
    void scheduleFlush();
    std::string say(const char* source, std::initializer_list<std::string> values) const;

    FolderCommit commit_;
    mutable std::map<std::string, std::unique_ptr<File>> files_;
    mutable std::vector<std::string> order_;  // applications in the order their files opened
    mutable bool opened_ = false;
    bool dirty_ = false;
    std::uint64_t revision_ = 0;
    bool flushPending_ = false;
    Reporter reporter_;
    const TextCatalogue* text_ = nullptr;
    CommitObserver observer_;
    mutable std::set<std::string> reported_;
    QObject context_;
};

}  // namespace quorvel::platform::qt
