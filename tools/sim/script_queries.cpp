// The script's queries: each answered with one JSON object a line.
#include "platform/headless/recorders.h"
#include "screen/quorvel_layout.h"
#include "tools/sim/script_failure.h"
#include "tools/sim/script_runner.h"
#include "tools/sim/state_values.h"

namespace quorvel::sim {
namespace {

using nlohmann::json;

std::string pictureText(const platform::Picture& picture) {
    if (picture.empty()) return "";
    if (picture.index == 0) return picture.source;
    return picture.source + "(" + std::to_string(picture.index) + ")";
}

std::string focusName(const platform::Element* focus) {
    if (!focus) return "";
    if (focus->index() == 0) return focus->name();
    return focus->name() + "(" + std::to_string(focus->index()) + ")";
}

}  // namespace

json ScriptRunner::elementJson(const std::string& reference) {
    if (reference.find('.') == std::string::npos && reference.find('(') == std::string::npos &&
        !game_->window().find(reference)) {
        for (platform::Window* window : platform_->windows.openWindows())
            if (window->name() == reference)
                return json{{"name", reference},
                            {"caption", window->caption()},
                            {"visible", window->visible()},
                            {"enabled", window->enabled()},
                            {"focus", focusName(window->focus())}};
    }
    const platform::Element& e = elementFor(reference);
    if (e.kind() == platform::ElementKind::OptionButton)
        return json{{"name", reference},
                    {"visible", e.shown()},
                    {"enabled", e.enabled()},
                    {"caption", e.caption()},
                    {"selected", e.value()}};
    return json{{"name", reference},
                {"visible", e.shown()},
                {"enabled", e.enabled()},
                {"caption", e.caption()},
                {"picture", pictureText(e.picture())},
                {"left", e.left()},
                {"top", e.top()}};
}

json ScriptRunner::soundsJson() {
    json calls = json::array();
    const auto& all = platform_->sound.calls();
    for (; soundsSeen_ < all.size(); ++soundsSeen_) {
        const auto& call = all[soundsSeen_];
        using Kind = platform::headless::RecordingSound::Kind;
        if (call.kind == Kind::Stop)
            calls.push_back(json{{"stop", true}});
        else
            calls.push_back(json{{"play", call.name}, {"looped", call.kind == Kind::Loop}});
    }
    return json{{"sounds", calls}};
}

void ScriptRunner::query(const Words& words) {
    auto& p = *platform_;
    const std::string& verb = words[0];
    if (verb == "element") {
        expectWords(words, 2);
        print(elementJson(words[1]));
    } else if (verb == "value") {
        expectWords(words, 2);
        auto value = stateValue(*game_, words[1]);
        if (!value) throw Failure{"no game value '" + words[1] + "'"};
        print(json{{"name", words[1]}, {"value", *value}});
    } else if (verb == "sounds") {
        expectWords(words, 1);
        print(soundsJson());
    } else if (verb == "stored") {
        expectWords(words, 4);
        if (disk_) {
            const std::string value = disk_->read(words[1], words[2], words[3]);
            print(json{{"value", value.empty() ? json(nullptr) : json(value)}});
            return;
        }
        const auto& entries = p.store.entries();
        auto it = entries.find({words[1], words[2], words[3]});
        print(json{{"value", it == entries.end() ? json(nullptr) : json(it->second)}});
    } else if (verb == "timers") {
        expectWords(words, 1);
        json names = json::array();
        for (const platform::TimerSpec& timer : screen::mainScreenTimers())
            if (p.clock.enabled(timer.name)) names.push_back(timer.name);
        print(json{{"timers", names}});
    } else if (verb == "boxes") {
        expectWords(words, 1);
        json boxes = json::array();
        const auto& shown = p.messages.shown();
        for (; boxesSeen_ < shown.size(); ++boxesSeen_) {
            const auto& box = shown[boxesSeen_];
            const bool info = box.icon == platform::MessageIcon::Information;
            std::string buttons = box.question ? "yesno" : "ok";
            if (!box.buttons.empty()) {
                buttons.clear();
                for (const std::string& button : box.buttons)
                    buttons += (buttons.empty() ? "" : "|") + button;
            }
            boxes.push_back(json{{"text", box.text},
                                 {"title", box.title},
                                 {"icon", info ? "information" : "critical"},
                                 {"buttons", buttons}});
        }
        print(json{{"boxes", boxes}});
    } else if (verb == "recall") {
        expectWords(words, 1);
        print(recallJson());
    } else if (verb == "session") {
        expectWords(words, 1);
        print(sessionJson());
    } else if (verb == "phase") {
        expectWords(words, 1);
        print(json{{"phase", engine::phaseName(game_->cabinet().phase())}});
    } else {
        expectWords(words, 1);
        print(json{{"ms", p.clock.now()}});
    }
}

// The current player's session: its figures and the credit after each of its games.
json ScriptRunner::sessionJson() {
    engine::Session& session = game_->session();
    const std::int64_t now = game_->services().events.steadyMs();
    session.observe(game_->player(), now);
    const engine::SessionFigures f = session.figures(game_->player(), now);
    json points = json::array();
    for (const engine::SessionPoint& point : session.points())
        points.push_back(json::array({point.game, point.credit}));
    return json{{"games", f.games}, {"seconds", f.seconds}, {"wagered", f.wagered}, {"won", f.won},
                {"net", f.net},     {"biggest", f.biggest}, {"points", points}};
}

// The recalled games, newest first, as the player's profile keeps them.
json ScriptRunner::recallJson() {
    json games = json::array();
    for (const engine::GameRecord& game : game_->player().history.games())
        games.push_back(json{{"played_at", game.playedAt},
                             {"stops", game.stops},
                             {"reel3", game.reel3},
                             {"lines", game.lines},
                             {"bet", game.bet},
                             {"win", game.win},
                             {"paid_lines", game.paidLines},
                             {"free_spins", game.freeSpinsWon},
                             {"free_spin_total", game.freeSpinTotal},
                             {"jackpot", game.jackpotKind},
                             {"jackpot_prize", game.jackpotPrize},
                             {"gamble", game.gamble},
                             {"gamble_amount", game.gambleAmount},
                             {"bank_before", game.bankBefore},
                             {"bank_after", game.bankAfter}});
    return json{{"games", games}};
}

// Text from the game that is not valid UTF-8 is printed with replacement characters.
}  // namespace quorvel::sim
