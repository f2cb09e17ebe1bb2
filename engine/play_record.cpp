#include "engine/play_record.h"

#include <limits>
#include <nlohmann/json.hpp>

#include "engine/cards.h"
#include "engine/money.h"
#include "engine/strips.h"

namespace quorvel::engine {
namespace {

using nlohmann::json;

constexpr std::int64_t kMaxAmount = std::numeric_limits<std::int32_t>::max();

json guessJson(const PlayState::Guess& guess) {
    return json{{"bet", static_cast<int>(guess.bet)}, {"suit", guess.suit}, {"card", guess.card}};
}

// A number of the text, taken only within [low, high].
template <typename T>
T within(const json& j, const char* key, std::int64_t low, std::int64_t high) {
    const std::int64_t value = j.at(key).get<std::int64_t>();
    if (value < low || value > high) throw std::out_of_range(key);
    return static_cast<T>(value);
}

void readRun(const json& j, RunState& run) {
    run.betstep = within<std::int16_t>(j, "betstep", 1, kBetSteps);
    run.bet = within<std::int16_t>(j, "bet", 1, 20);
    run.lines = within<std::int16_t>(j, "lines", 1, kLines);
    if (!isOfferedBet(run.bet) || !isOfferedLineCount(run.lines)) throw std::out_of_range("bet");
    run.linechoice = within<std::int16_t>(j, "linechoice", 0, kLineChoices);
    run.freespinmode = within<std::int16_t>(j, "freespinmode", -1, 0);
    run.freespinsplayed = within<std::int16_t>(j, "freespinsplayed", 0, 32767);
    run.freespintarget = within<std::int16_t>(j, "freespintarget", 0, 32767);
    run.featurewin = within<std::int32_t>(j, "featurewin", 0, kMaxAmount);
    run.spinwin = within<std::int32_t>(j, "spinwin", 0, kMaxAmount);
    run.atrisk = within<std::int32_t>(j, "atrisk", 0, kMaxAmount);
    run.carrywin = within<std::int32_t>(j, "carrywin", 0, kMaxAmount);
    run.reel3counts = within<std::int16_t>(j, "reel3", 0, 2);
    const json& stops = j.at("stops");
    if (!stops.is_array() || stops.size() != kReels) throw std::out_of_range("stops");
    for (int reel = 1; reel <= kReels; ++reel) {
        const std::int64_t stop = stops[reel - 1].get<std::int64_t>();
        if (stop < 0 || stop > kStops) throw std::out_of_range("stop");
        run.stop[reel] = static_cast<std::int16_t>(stop);
    }
    run.ballstop = within<std::int16_t>(j, "ballstop", 0, 16);
    run.jackpotprize = within<std::int32_t>(j, "jackpotprize", 0, kMaxAmount);
    run.gamblestake = within<std::int32_t>(j, "gamblestake", 0, kMaxAmount);
    run.historycount = within<std::int16_t>(j, "historycount", 0, 10);
    const json& cards = j.at("historycards");
    if (!cards.is_array() || cards.size() != 5) throw std::out_of_range("historycards");
    for (int place = 1; place <= 5; ++place) {
        const std::int64_t card = cards[place - 1].get<std::int64_t>();
        if (card < 0 || card > kSuits) throw std::out_of_range("historycards");
        run.historycards[place] = static_cast<std::int16_t>(card);
    }
}

PlayState::Guess readGuess(const json& j) {
    PlayState::Guess guess;
    guess.bet = static_cast<GambleBet>(within<int>(j, "bet", 0, 2));
    guess.suit = within<int>(j, "suit", 0, kSuits);
    guess.card = within<int>(j, "card", 1, kSuits);
    return guess;
}

void readPlayState(const json& j, PlayState& play) {
    play.winUnsettled = j.at("winunsettled").get<bool>();
    play.gameUnrecorded = j.at("gameunrecorded").get<bool>();
    play.creditBeforeSpin = within<std::int32_t>(j, "creditbefore", 0, kMaxAmount);
    play.featureOwed = j.at("featureowed").get<bool>();
    if (j.contains("board")) play.board = PlayState::Board{j.at("board").at("decided").get<bool>()};
    if (j.contains("gamble")) {
        play.gamble = PlayState::Gamble{};
        if (j.at("gamble").contains("reveal"))
            play.gamble->reveal = readGuess(j["gamble"]["reveal"]);
    }
}

}  // namespace

std::string playText(const RunState& run, const PlayState& play) {
    json stops = json::array();
    for (int reel = 1; reel <= kReels; ++reel)
        stops.push_back(run.stop[reel]);
    json j{{"betstep", run.betstep},
           {"bet", run.bet},
           {"lines", run.lines},
           {"linechoice", run.linechoice},
           {"freespinmode", run.freespinmode},
           {"freespinsplayed", run.freespinsplayed},
           {"freespintarget", run.freespintarget},
           {"featurewin", run.featurewin},
           {"spinwin", run.spinwin},
           {"atrisk", run.atrisk},
           {"carrywin", run.carrywin},
           {"reel3", run.reel3counts},
           {"stops", stops},
           {"ballstop", run.ballstop},
           {"jackpotprize", run.jackpotprize},
           {"gamblestake", run.gamblestake},
           {"historycount", run.historycount},
           {"historycards", std::vector<int>(run.historycards.begin() + 1, run.historycards.end())},
           {"winunsettled", play.winUnsettled},
           {"gameunrecorded", play.gameUnrecorded},
           {"creditbefore", play.creditBeforeSpin},
           {"featureowed", play.featureOwed}};
    if (play.board) j["board"] = json{{"decided", play.board->prizeDecided}};
    if (play.gamble) {
        j["gamble"] = json::object();
        if (play.gamble->reveal) j["gamble"]["reveal"] = guessJson(*play.gamble->reveal);
    }
    return j.dump();
}

long long unexplainedStored(const PlayerValues& player, const std::string& play) {
    Cabinet cabinet;
    cabinet.restoreProfile(player);
    RunState run;
    PlayState state;
    if (readPlay(play, run, state)) cabinet.resumePlay(run, state);
    return cabinet.unexplained();
}

bool readPlay(const std::string& text, RunState& run, PlayState& play) {
    try {
        const json j = json::parse(text);
        RunState readRunState = run;
        PlayState readPlayed;
        readRun(j, readRunState);
        readPlayState(j, readPlayed);
        run = readRunState;
        play = readPlayed;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace quorvel::engine
