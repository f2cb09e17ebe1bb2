#include "tools/sim/script_runner.h"

#include <cstdlib>
#include <istream>
#include <ostream>
#include <sstream>

#include "platform/headless/spin_draws.h"
#include "platform/utf8.h"
#include "players/settings_layout.h"
#include "screen/quorvel_layout.h"
#include "tools/sim/script_failure.h"
#include "tools/sim/state_values.h"

namespace quorvel::sim {
namespace {

using nlohmann::json;
using platform::EventKind;

std::vector<std::string> split(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// The text after the first `count` words, blanks inside it kept.
std::string restAfter(const std::string& line, int count) {
    std::size_t at = 0;
    for (int i = 0; i < count; ++i) {
        at = line.find_first_not_of(" \t", at);
        at = line.find_first_of(" \t", at);
        if (at == std::string::npos) return "";
    }
    at = line.find_first_not_of(" \t", at);
    return at == std::string::npos ? "" : line.substr(at);
}

// A day of virtual time: longer runs are refused, not left to overflow the clock.
constexpr long long kLongestRunMs = 24LL * 60 * 60 * 1000;

long long wholeNumber(const std::string& text, const char* what) {
    if (auto value = players::parseStoredInteger(text)) return *value;
    throw Failure{std::string(what) + " '" + text + "' is not a whole number"};
}

int keyCode(const std::string& text) {
    const long long code = wholeNumber(text, "key");
    if (code < 1 || code > 0x10FFFF) throw Failure{"a key is a character code"};
    return static_cast<int>(code);
}

EventKind elementEvent(const std::string& verb) {
    return verb == "down"   ? EventKind::MouseDown
           : verb == "up"   ? EventKind::MouseUp
           : verb == "move" ? EventKind::MouseMove
                            : EventKind::Click;
}

// strtod, not stod: a value too small for a normal double (5e-324) is still a value.
double unitValue(const std::string& text) {
    char* end = nullptr;
    const double value = text.empty() ? -1 : std::strtod(text.c_str(), &end);
    const bool whole = end == text.c_str() + text.size();
    if (!whole || !(value >= 0 && value < 1))
        throw Failure{"random value '" + text + "' is not in [0, 1)"};
    return value;
}

}  // namespace

ScriptRunner::ScriptRunner(std::uint64_t seed, std::ostream& out, std::string storeFolder)
    : seed_(seed),
      out_(out),
      platform_(std::make_unique<platform::headless::HeadlessPlatform>(seed)),
      storeFolder_(std::move(storeFolder)) {
    makeGame();
}

platform::SettingsStore& ScriptRunner::store() {
    if (disk_) return *disk_;
    return platform_->store;
}

// A new game object on the current platform; on disk, with a store opened afresh as a new
// process would open it (finishing a commit a crash cut short).
void ScriptRunner::makeGame() {
    game_.reset();
    if (!storeFolder_.empty()) {
        disk_.reset();
        disk_ = std::make_unique<platform::qt::QtSettingsStore>(
            platform::qt::QtSettingsStore::Folder{storeFolder_});
    }
    platform_->text = &catalogue_;
    platform::Services s = platform_->services();
    platform::Services withStore{s.timers,  s.events, s.sound,  s.resources, store(), s.messages,
                                 s.display, s.links,  s.random, s.windows,   s.text};
    game_ = std::make_unique<screen::Quorvel>(withStore);
}

ScriptRunner::~ScriptRunner() = default;

void ScriptRunner::run(std::istream& in) {
    int number = 0;
    for (std::string line; std::getline(in, line);)
        execute(line, ++number);
}

void ScriptRunner::execute(const std::string& raw, int number) {
    const std::string line = raw.substr(0, raw.find('#'));
    const Words words = split(line);
    if (words.empty()) return;
    try {
        command(words, line);
        // Between two lines the game's event loop would have turned and saved.
        if (disk_) disk_->flush();
    } catch (const Failure& failure) {
        throw ScriptError{number, failure.reason};
    } catch (const std::out_of_range& missing) {
        throw ScriptError{number, missing.what()};
    }
}

void ScriptRunner::command(const Words& words, const std::string& line) {
    auto& p = *platform_;
    const std::string& verb = words[0];
    if (verb == "store") {
        if (words.size() < 4) throw Failure{"store takes APP SECTION KEY VALUE"};
        store().write(words[1], words[2], words[3], restAfter(line, 4));
    } else if (verb == "start") {
        expectWords(words, 1);
        if (running()) throw Failure{"start: the game is already running"};
        start();
    } else if (verb == "crash") {
        expectWords(words, 1);
        crash();
    } else if (verb == "quit") {
        expectWords(words, 1);
        game_->window().dispatchWindow(EventKind::Close);
    } else if (verb == "random") {
        if (words.size() < 2) throw Failure{"random takes at least one value"};
        for (std::size_t i = 1; i < words.size(); ++i)
            p.random.queue(unitValue(words[i]));
    } else if (verb == "stops") {
        queueStops(words);
    } else if (verb == "choose") {
        // The rest of the line is the button's text, which may hold blanks.
        if (words.size() < 2) throw Failure{"choose takes a button's text"};
        std::string button = words[1];
        for (std::size_t i = 2; i < words.size(); ++i)
            button += " " + words[i];
        p.messages.chooseNext(button);
    } else if (verb == "answer") {
        expectWords(words, 2);
        if (words[1] == "yes")
            p.messages.answerNext(platform::Answer::Yes);
        else if (words[1] == "no")
            p.messages.answerNext(platform::Answer::No);
        else if (words[1] != "ok")
            throw Failure{"answer takes ok, yes or no"};
    } else if (verb == "run") {
        expectWords(words, 2);
        const long long ms = wholeNumber(words[1], "run");
        if (ms < 0 || ms > kLongestRunMs)
            throw Failure{"run takes a time of 0 ms to " + std::to_string(kLongestRunMs) + " ms"};
        p.runFor(ms);
    } else if (verb == "text") {
        if (words.size() < 3) throw Failure{"text takes WINDOW.NAME TEXT"};
        typeText(elementFor(words[1]), restAfter(line, 2));
    } else if (verb == "down" || verb == "up" || verb == "click" || verb == "move" ||
               verb == "movewindow" || verb == "key" || verb == "close") {
        input(words);
    } else if (verb == "keydown" || verb == "keyup") {
        expectWords(words, 2);
        if (const int code = keyCode(words[1]); holdKey(verb, code)) keyboardWindow().keyDown(code);
    } else if (verb == "at") {
        schedule(words);
    } else if (verb == "element" || verb == "value" || verb == "sounds" || verb == "stored" ||
               verb == "timers" || verb == "boxes" || verb == "time" || verb == "recall" ||
               verb == "phase" || verb == "session") {
        query(words);
    } else {
        throw Failure{"unknown command '" + verb + "'"};
    }
}

bool ScriptRunner::running() const {
    return started_ && !game_->ended();
}

// As SIGKILL would: no shut-down, the store as it stands, no draws queued for what comes next.
void ScriptRunner::crash() {
    platform::headless::MemoryStore kept = platform_->store;
    game_.reset();
    if (disk_) disk_->abandon();
    platform_ = std::make_unique<platform::headless::HeadlessPlatform>(seed_ + ++restarts_);
    platform_->store = std::move(kept);
    makeGame();
    soundsSeen_ = boxesSeen_ = 0;
    started_ = false;
}

void ScriptRunner::start() {
    started_ = true;
    if (game_->ended()) {
        // A fresh start-up, as a new process would find the store.
        auto next = std::make_unique<platform::headless::HeadlessPlatform>(seed_ + ++restarts_);
        next->store = platform_->store;
        game_.reset();
        if (disk_) disk_->flush();
        platform_ = std::move(next);
        makeGame();
        soundsSeen_ = boxesSeen_ = 0;
    }
    game_->Form_Load();
}

void ScriptRunner::queueStops(const Words& words) {
    if (words.size() != 6 && words.size() != 7) throw Failure{"stops takes S1 S2 S3 S4 S5 [R3]"};
    int stops[5];
    for (int reel = 0; reel < 5; ++reel) {
        stops[reel] = static_cast<int>(wholeNumber(words[reel + 1], "stop"));
        if (stops[reel] < 1 || stops[reel] > 22) throw Failure{"a stop is 1 to 22"};
    }
    const int reel3 = words.size() == 7 ? static_cast<int>(wholeNumber(words[6], "R3")) : 1;
    if (reel3 != 1 && reel3 != 2) throw Failure{"R3 is 1 or 2"};
    platform::headless::queueSpinDraws(
        platform_->random, {stops[0], stops[1], stops[2], stops[3], stops[4]}, reel3, 0);
}

// The keyboard focus: the window in front, unless a window over a disabled one holds it.
platform::Window& ScriptRunner::keyboardWindow() {
    platform::Window* front = platform_->windows.front();
    if (front && front->enabled()) return *front;
    const auto& open = platform_->windows.openWindows();
    for (auto it = open.rbegin(); it != open.rend(); ++it)
        if ((*it)->enabled()) return **it;
    return front ? *front : game_->window();
}

platform::Window& ScriptRunner::windowNamed(const std::string& name) {
    if (name == game_->window().name()) return game_->window();
    for (platform::Window* window : platform_->windows.openWindows())
        if (window->name() == name) return *window;
    throw Failure{"no open window '" + name + "'"};
}

// Each character is a key press, as the player would type it into the box.
void ScriptRunner::typeText(platform::Element& box, const std::string& text) {
    platform::Window& window = box.window();
    window.setFocus(&box);
    for (std::size_t at = 0; at < text.size();)
        window.type(static_cast<int>(platform::utf8::next(text, at)));
}

platform::Window& ScriptRunner::windowFor(const std::string& qualified, std::string& elementName) {
    const auto dot = qualified.find('.');
    if (dot == std::string::npos) {
        elementName = qualified;
        return game_->window();
    }
    elementName = qualified.substr(dot + 1);
    return windowNamed(qualified.substr(0, dot));
}

platform::Element& ScriptRunner::elementFor(const std::string& reference) {
    std::string name;
    platform::Window& window = windowFor(reference, name);
    int index = 0;
    if (const auto open = name.find('('); open != std::string::npos) {
        if (name.back() != ')') throw Failure{"'" + reference + "' is not NAME or NAME(I)"};
        index =
            static_cast<int>(wholeNumber(name.substr(open + 1, name.size() - open - 2), "index"));
        name = name.substr(0, open);
    }
    if (platform::Element* element = window.find(name, index)) return *element;
    throw Failure{"no element '" + reference + "'"};
}

void ScriptRunner::input(const Words& words) {
    const std::string& verb = words[0];
    platform::Window& main = game_->window();
    if (verb == "close" && words.size() == 2) {
        windowNamed(words[1]).dispatchWindow(EventKind::Close);
        return;
    }
    if (verb == "movewindow" || verb == "close") {
        expectWords(words, 1);
        main.dispatchWindow(verb == "close" ? EventKind::Close : EventKind::MouseMove);
        return;
    }
    expectWords(words, 2);
    if (verb == "key") {
        keyboardWindow().type(keyCode(words[1]));
        return;
    }
    platform::Element& element = elementFor(words[1]);
    element.window().dispatch(element, elementEvent(verb));
}

// True when the key goes down: it must come up before it can go down again. The game reads
// no release, so a key's going up only frees it.
bool ScriptRunner::holdKey(const std::string& verb, int code) {
    const bool down = verb == "keydown";
    if (held_.count(code) == (down ? 1u : 0u))
        throw Failure{verb + ": key " + std::to_string(code) +
                      (down ? " is down" : " is not down")};
    if (down)
        held_.insert(code);
    else
        held_.erase(code);
    return down;
}

// `at MS COMMAND …`: the command arrives when the clock reaches MS, inside whatever pump or
// sleep runs then, offered to the reels' quick stop as the player's own press would be.
void ScriptRunner::schedule(const Words& words) {
    if (words.size() < 3) throw Failure{"at takes MS COMMAND"};
    const long long at = wholeNumber(words[1], "at");
    const long long now = platform_->clock.now();
    if (at < now || at > now + kLongestRunMs)
        throw Failure{"at takes a time from now (" + std::to_string(now) + " ms) to a day on"};
    const Words command(words.begin() + 2, words.end());
    const std::string& verb = command[0];
    auto& p = *platform_;
    if (verb == "close") {
        if (command.size() > 2) throw Failure{"close takes [WINDOW]"};
        platform::Window& window = command.size() == 2 ? windowNamed(command[1]) : game_->window();
        p.windowEventAt(at, window, EventKind::Close);
        return;
    }
    const bool element = verb == "down" || verb == "up" || verb == "click" || verb == "move";
    if (!element && verb != "key" && verb != "keydown" && verb != "keyup")
        throw Failure{"at cannot schedule '" + verb + "'"};
    expectWords(command, 2);
    if (element) {
        platform::Element& target = elementFor(command[1]);
        p.eventAt(at, target.window(), target.name(), target.index(), elementEvent(verb));
    } else if (verb == "key") {
        p.keyAt(at, keyboardWindow(), keyCode(command[1]));
    } else if (const int code = keyCode(command[1]); holdKey(verb, code)) {
        p.keyDownAt(at, keyboardWindow(), code);
    }
}

void ScriptRunner::print(const json& value) {
    out_ << value.dump(-1, ' ', false, json::error_handler_t::replace) << '\n';
}

}  // namespace quorvel::sim
