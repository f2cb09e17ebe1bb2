#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>
#include "platform/catalogue/qt_catalogue.h"

#include "platform/headless/headless_platform.h"
#include "platform/qt/qt_settings_store.h"
#include "screen/quorvel.h"

namespace quorvel::sim {

// A line of a script that cannot be run; the runner stops there.
struct ScriptError {
    int line;
    std::string reason;
};

// Plays a script against the real main screen on the headless platform: one command a
// line, each query answered with one JSON object on its own line.
class ScriptRunner {
public:
    // With a store folder the game keeps its settings on disk there, in the game's own
    // files, so that killing this process is a real crash.
    ScriptRunner(std::uint64_t seed, std::ostream& out, std::string storeFolder = "");
    ~ScriptRunner();
    void run(std::istream& in);
    // One line; throws ScriptError with the given line number.
    void execute(const std::string& line, int number);

private:
    using Words = std::vector<std::string>;
    void command(const Words& words, const std::string& line);
    void input(const Words& words);
    bool holdKey(const std::string& verb, int code);
    void schedule(const Words& words);
    void query(const Words& words);
    void queueStops(const Words& words);
    void start();
    void makeGame();
    platform::SettingsStore& store();
    void crash();
    bool running() const;
    platform::Window& windowNamed(const std::string& name);
    platform::Window& keyboardWindow();
    void typeText(platform::Element& box, const std::string& text);
    platform::Window& windowFor(const std::string& qualified, std::string& elementName);
    platform::Element& elementFor(const std::string& reference);
    nlohmann::json elementJson(const std::string& reference);
    nlohmann::json soundsJson();
    nlohmann::json recallJson();
    nlohmann::json sessionJson();
    void print(const nlohmann::json& value);

    std::uint64_t seed_;
    std::ostream& out_;
    std::unique_ptr<platform::headless::HeadlessPlatform> platform_;
    // Scripts answer in English unless their store names a language.
    platform::qt::QtCatalogue catalogue_{"en"};
    std::string storeFolder_;
    std::unique_ptr<platform::qt::QtSettingsStore> disk_;
    std::unique_ptr<screen::Quorvel> game_;
    std::size_t soundsSeen_ = 0;
    std::size_t boxesSeen_ = 0;
    int restarts_ = 0;
    std::set<int> held_;  // keys down and not yet up, in the script's order
    bool started_ = false;
};

}  // namespace quorvel::sim
