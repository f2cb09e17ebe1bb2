#include "tools/sim/play_session.h"

#include <sstream>

#include "engine/ledger.h"
#include "engine/money.h"
#include "engine/play_record.h"
#include "players/settings_layout.h"
#include "screen/quorvel_layout.h"

namespace quorvel::sim {
namespace {

using platform::EventKind;

void add(engine::Books& into, const engine::Books& more) {
    into.meterPrizes += more.meterPrizes;
    into.betMultiplePrizes += more.betMultiplePrizes;
    into.gambleLost += more.gambleLost;
    into.freeSpinFeatures += more.freeSpinFeatures;
    into.freeSpinsPlayed += more.freeSpinsPlayed;
    into.jackpotFeatures += more.jackpotFeatures;
    into.gambles += more.gambles;
}

}  // namespace

nlohmann::json Ledger::json() const {
    return nlohmann::json{
        {"games", games},
        {"bank_start", bankStart},
        {"bank_end", bankEnd},
        {"invested", invested},
        {"wager", wager},
        {"totalwon", totalwon},
        {"jackpot_paid", jackpotPaid},
        {"bet_multiple_paid", betMultiplePaid},
        {"gamble_lost", gambleLost},
        {"freespin_features", freespinFeatures},
        {"freespins_played", freespinsPlayed},
        {"jackpot_features", jackpotFeatures},
        {"gambles", gambles},
        {"restarts", restarts},
        {"input_in_handlers", inputInHandlers},
        {"virtual_seconds", virtualSeconds},
        {"wall_seconds", wallSeconds},
    };
}

std::string Ledger::text() const {
    std::ostringstream out;
    const nlohmann::json fields = json();
    for (const auto& [key, value] : fields.items())
        out << key << ": " << value.dump() << '\n';
    out << "balance: " << (imbalance() == 0 ? "exact" : "OFF BY " + std::to_string(imbalance()))
        << '\n';
    return out.str();
}

PlaySession::PlaySession(const PlayOptions& options) : options_(options) {
    platform_ = std::make_unique<platform::headless::HeadlessPlatform>(options.seed);
    platform_->store.write("quorvel", "player1", "machinepay", std::to_string(options.machinepay));
    start();
}

PlaySession::~PlaySession() = default;

void PlaySession::start() {
    game_ = std::make_unique<screen::Quorvel>(platform_->services());
    game_->Form_Load();
    setStake();
}

// Lines and bet are set as a player sets them, with the two buttons.
void PlaySession::setStake() {
    for (int presses = 0; presses < 5 && run().lines != options_.lines; ++presses)
        press("payline");
    for (int presses = 0; presses < 6 && run().bet != options_.bet; ++presses)
        press("btnbet");
}

// Only what the store kept survives: the books must balance on it alone.
void PlaySession::restart() {
    add(earlier_, game_->books());
    earlierMs_ += platform_->clock.now();
    earlierInputInPumps_ += platform_->clock.inputInPumps();
    auto next = std::make_unique<platform::headless::HeadlessPlatform>(options_.seed + ++restarts_);
    next->store = platform_->store;
    game_.reset();
    platform_ = std::move(next);
    start();
    checkBooks("after a restart");
}

void PlaySession::down(const std::string& name, int index) {
    platform::Window& w = game_->window();
    if (platform::Element* e = w.find(name, index)) w.dispatch(*e, EventKind::MouseDown);
}

void PlaySession::up(const std::string& name, int index) {
    platform::Window& w = game_->window();
    if (platform::Element* e = w.find(name, index)) w.dispatch(*e, EventKind::MouseUp);
}

void PlaySession::press(const std::string& name, int index) {
    down(name, index);
    up(name, index);
}

void PlaySession::click(const std::string& name, int index) {
    platform::Window& w = game_->window();
    if (platform::Element* e = w.find(name, index)) w.dispatch(*e, EventKind::Click);
}

void PlaySession::key(int character) {
    game_->window().keyPress(character);
}

void PlaySession::insertCreditIfShort() {
    if (!game_->cabinet().creditCovers()) press("coinsin");
}

bool PlaySession::settled() {
    const engine::RunState& run = this->run();
    auto& timers = platform_->clock;
    return run.freespinmode == 0 && run.freespintarget == 0 && !timers.enabled("tmrbell") &&
           !timers.enabled("tmrdecidejackpot") && !timers.enabled("tmrshowjackpot") &&
           !shown("pandouble");
}

bool PlaySession::runUntil(const std::function<bool()>& condition, std::int64_t limitMs) {
    return platform_->runUntil(
        [&] {
            checkRules();
            return condition();
        },
        limitMs);
}

void PlaySession::checkRules() {
    if (player().bank < 0)
        throw BrokenRule{"the credit went below zero: " + std::to_string(player().bank)};
    if (game_->deepestSpin() > 1) throw BrokenRule{"a spin started inside another at " + where()};
    if (const long long off = game_->cabinet().unexplained())
        throw BrokenRule{"the live books are off by " + std::to_string(off) + " at " + where()};
}

// Each slot's books are its own: input may switch the player in the options window, so the
// live profile is checked beside every slot the store keeps.
void PlaySession::checkBooks(const char* where) {
    auto check = [&](const engine::PlayerValues& values, int slot) {
        const std::string play = players::loadPlay(platform_->store, std::to_string(slot));
        if (const long long off = engine::unexplainedStored(values, play))
            throw BrokenRule{std::string("the books do not balance ") + where + " for slot " +
                             std::to_string(slot) + ": credit " + std::to_string(values.bank) +
                             " off by " + std::to_string(off) + " at " +
                             std::to_string(values.games) + " games"};
    };
    if (const long long off = game_->cabinet().unexplained())
        throw BrokenRule{std::string("the live books are off by ") + std::to_string(off) + " " +
                         where};
    for (int slot = 1; slot <= players::kSlots; ++slot)
        check(storedSlot(slot), slot);
}

engine::PlayerValues PlaySession::storedSlot(int slot) {
    engine::PlayerValues stored;
    stored.playerslot = std::to_string(slot);
    players::loadsettings(stored, platform_->store, stored.playerslot);
    return stored;
}

std::string PlaySession::where() {
    const engine::RunState& run = this->run();
    std::string text =
        "game " + std::to_string(player().games) + ", " + std::to_string(platform_->clock.now()) +
        " ms, phase " + std::string(engine::phaseName(game_->cabinet().phase())) +
        ", autoplaymode " + std::to_string(pace().autoplaymode) + ", freespinmode " +
        std::to_string(run.freespinmode) + ", freespins " + std::to_string(run.freespinsplayed) +
        "/" + std::to_string(run.freespintarget) + ", ticks " + std::to_string(pace().tickcount) +
        "/" + std::to_string(pace().autospinwait) + ", timers:";
    for (const platform::TimerSpec& timer : screen::mainScreenTimers())
        if (platform_->clock.enabled(timer.name))
            text +=
                std::string(" ") + timer.name + (platform_->clock.running(timer.name) ? "*" : "");
    return text;
}

Ledger PlaySession::ledger(double wallSeconds) {
    engine::Books books = earlier_;
    add(books, game_->books());
    const engine::PlayerValues& player = this->player();
    Ledger l;
    l.games = player.games;
    l.bankEnd = player.bank;
    l.invested = player.amountinvested;
    l.wager = player.wager;
    l.totalwon = player.totalwon;
    l.jackpotPaid = books.meterPrizes;
    l.betMultiplePaid = books.betMultiplePrizes;
    l.gambleLost = books.gambleLost;
    l.freespinFeatures = books.freeSpinFeatures;
    l.freespinsPlayed = books.freeSpinsPlayed;
    l.jackpotFeatures = books.jackpotFeatures;
    l.gambles = books.gambles;
    l.restarts = restarts_;
    l.inputInHandlers = earlierInputInPumps_ + platform_->clock.inputInPumps();
    l.virtualSeconds = static_cast<double>(earlierMs_ + platform_->clock.now()) / 1000.0;
    l.wallSeconds = wallSeconds;
    if (!options_.chaos) {
        l.unexplained =
            engine::unexplained({l.bankEnd - l.bankStart, l.invested, l.wager, l.totalwon,
                                 l.jackpotPaid, l.betMultiplePaid, l.gambleLost});
        return l;
    }
    l.unexplained = game_->cabinet().unexplained();
    for (int slot = 1; slot <= players::kSlots; ++slot)
        if (std::to_string(slot) != player.playerslot)
            l.unexplained += engine::unexplainedStored(
                storedSlot(slot), players::loadPlay(platform_->store, std::to_string(slot)));
    return l;
}

}  // namespace quorvel::sim
