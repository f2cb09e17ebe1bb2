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

// A whole number of the text, taken only within [low, high]: 12.9, 1e30 and "12" are not.
std::int64_t wholeNumber(const json& value, std::int64_t low, std::int64_t high) {
    if (!value.is_number_integer()) throw std::invalid_argument("not a whole number");
    if (value.is_number_unsigned() &&
        value.get<std::uint64_t>() >
            static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        throw std::out_of_range("too large");
    const std::int64_t number = value.get<std::int64_t>();
    if (number < low || number > high) throw std::out_of_range("out of range");
    return number;
}

template <typename T>
T within(const json& j, const char* key, std::int64_t low, std::int64_t high) {
    return static_cast<T>(wholeNumber(j.at(key), low, high));
}

bool flag(const json& j, const char* key) {
    const json& value = j.at(key);
    if (!value.is_boolean()) throw std::invalid_argument(key);
    return value.get<bool>();
}

const json& object(const json& j, const char* key) {
    const json& value = j.at(key);
    if (!value.is_object()) throw std::invalid_argument(key);
    return value;
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
        run.stop[reel] = static_cast<std::int16_t>(wholeNumber(stops[reel - 1], 0, kStops));
    }
    run.ballstop = within<std::int16_t>(j, "ballstop", 0, 16);
    run.jackpotprize = within<std::int32_t>(j, "jackpotprize", 0, kMaxAmount);
    run.gamblestake = within<std::int32_t>(j, "gamblestake", 0, kMaxAmount);
    run.historycount = within<std::int16_t>(j, "historycount", 0, 10);
    const json& cards = j.at("historycards");
    if (!cards.is_array() || cards.size() != 5) throw std::out_of_range("historycards");
    for (int place = 1; place <= 5; ++place) {
        run.historycards[place] =
            static_cast<std::int16_t>(wholeNumber(cards[place - 1], 0, kSuits));
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
    play.winUnsettled = flag(j, "winunsettled");
    play.gameUnrecorded = flag(j, "gameunrecorded");
    play.creditBeforeSpin = within<std::int32_t>(j, "creditbefore", 0, kMaxAmount);
    play.featureOwed = flag(j, "featureowed");
    // Older records have no charged stake: the spin was charged the stake in force.
    if (j.contains("chargedbet")) {
        play.chargedBet = within<std::int16_t>(j, "chargedbet", 1, 20);
        play.chargedLines = within<std::int16_t>(j, "chargedlines", 1, kLines);
        if (!isOfferedBet(play.chargedBet) || !isOfferedLineCount(play.chargedLines))
            throw std::out_of_range("chargedbet");
    }
    if (j.contains("board")) play.board = PlayState::Board{flag(object(j, "board"), "decided")};
    if (j.contains("gamble")) {
        const json& gamble = object(j, "gamble");
        play.gamble = PlayState::Gamble{};
        if (gamble.contains("reveal")) play.gamble->reveal = readGuess(object(gamble, "reveal"));
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
    if (play.chargedBet > 0) {
        j["chargedbet"] = play.chargedBet;
        j["chargedlines"] = play.chargedLines;
    }
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
        if (!j.is_object()) return false;
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
