#pragma once

#include <QObject>
#include <QSettings>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/settings_store.h"

namespace quorvel::platform::qt {

// One INI file per application name in the user's configuration folder, e.g.
// ~/.config/Quorvel/quorvel.ini. Writes are gathered and saved at the next turn of the event
// loop (and when the program quits) through a temporary file that replaces the old one, so a
// file is never left half written. A store that cannot be read or saved is reported once per
// run; the game plays on with the values it has.
class QtSettingsStore : public SettingsStore {
public:
    using Reporter = std::function<void(const std::string& sentence)>;
    explicit QtSettingsStore(std::string organisation = "Quorvel");
    ~QtSettingsStore() override;

    std::string read(const std::string& application, const std::string& section,
                     const std::string& key) const override;
    void write(const std::string& application, const std::string& section, const std::string& key,
               const std::string& value) override;
    // Saves what was written now and reports a failure.
    void flush();
    void setReporter(Reporter reporter) { reporter_ = std::move(reporter); }
    std::string fileName(const std::string& application) const;

private:
    QSettings& settings(const std::string& application) const;
    void report(const std::string& sentence) const;

    std::string organisation_;
    mutable std::map<std::string, std::unique_ptr<QSettings>> files_;
    Reporter reporter_;
    mutable bool reported_ = false;
    bool flushPending_ = false;
    QObject context_;
};

}  // namespace quorvel::platform::qt
