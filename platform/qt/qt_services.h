#pragma once

#include <QSettings>
#include <map>
#include <memory>
#include <string>

#include "platform/display.h"
#include "platform/links.h"
#include "platform/message_boxes.h"
#include "platform/settings_store.h"
#include "platform/sound.h"

namespace quorvel::platform::qt {

// One INI file per application name in the user's configuration folder.
class QtSettingsStore : public SettingsStore {
public:
    explicit QtSettingsStore(std::string organisation = "Quorvel");
    std::string read(const std::string& application, const std::string& section,
                     const std::string& key) const override;
    void write(const std::string& application, const std::string& section, const std::string& key,
               const std::string& value) override;

private:
    QSettings& settings(const std::string& application) const;
    std::string organisation_;
    mutable std::map<std::string, std::unique_ptr<QSettings>> files_;
};

class QtMessageBoxes : public MessageBoxes {
public:
    void show(const std::string& title, const std::string& text, MessageIcon icon) override;
    Answer askYesNo(const std::string& title, const std::string& text, MessageIcon icon,
                    Answer defaultAnswer) override;
};

// The desktop keeps its resolution; only the current mode is listed and asking for it is
// the one change that succeeds.
class QtDisplay : public Display {
public:
    ScreenSize screenSize() const override;
    std::optional<DisplayModeRecord> mode(int index) const override;
    int change(const DisplayModeRecord& record) override;
};

class QtLinks : public Links {
public:
    int connectionState() const override;
    int open(const std::string& link) override;
};

// Sounds and pictures from the Qt resources compiled into the program, else the asset folder.
class QtResources : public Resources {
public:
    explicit QtResources(std::string assetDirectory);
    std::vector<std::uint8_t> load(const std::string& name, const std::string& type) override;

private:
    std::string assetDirectory_;
};

}  // namespace quorvel::platform::qt
