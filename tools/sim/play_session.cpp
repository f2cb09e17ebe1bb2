#include "tools/sim/play_session.h"

#include <sstream>

#include "engine/evaluate.h"
#include "engine/money.h"
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

long long Ledger::imbalance() const {
    return (bankEnd - bankStart) -
           (invested - wager + totalwon + jackpotPaid + betMultiplePaid - gambleLost);
}

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
    for (int presses = 0; presses < 5 && state().run.lines != options_.lines; ++presses)
        press("payline");
    for (int presses = 0; presses < 6 && state().run.bet != options_.bet; ++presses)
        press("btnbet");
}

// Only what the store kept survives: the books must balance on it alone.
void PlaySession::restart() {
    add(earlier_, game_->books());
    earlierMs_ += platform_->clock.now();
    auto next = std::make_unique<platform::headless::HeadlessPlatform>(options_.seed + ++restarts_);
    next->store = platform_->store;
    game_.reset();
    platform_ = std::move(next);
    start();
    checkBooks(state().player, "after a restart");
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
    if (state().player.bank < engine::totalBet(state().run)) press("coinsin");
}

bool PlaySession::settled() {
    const engine::RunState& run = state().run;
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
    if (state().player.bank < 0)
        throw BrokenRule{"the credit went below zero: " + std::to_string(state().player.bank)};
    if (game_->deepestSpin() > 1) throw BrokenRule{"a spin started inside another"};
}

void PlaySession::checkBooks(const engine::PlayerValues& values, const char* where) {
    engine::Books books = earlier_;
    add(books, game_->books());
    const long long gained = values.bank;
    const long long explained = static_cast<long long>(values.amountinvested) - values.wager +
                                values.totalwon + books.meterPrizes + books.betMultiplePrizes -
                                books.gambleLost;
    if (gained != explained)
        throw BrokenRule{std::string("the books do not balance ") + where + ": credit " +
                         std::to_string(gained) + ", explained " + std::to_string(explained) +
                         " at " + std::to_string(values.games) + " games"};
}

std::string PlaySession::where() {
    const engine::RunState& run = state().run;
    std::string text =
        "game " + std::to_string(state().player.games) + ", " +
        std::to_string(platform_->clock.now()) + " ms, autoplaymode " +
        std::to_string(run.autoplaymode) + ", freespinmode " + std::to_string(run.freespinmode) +
        ", freespins " + std::to_string(run.freespinsplayed) + "/" +
        std::to_string(run.freespintarget) + ", ticks " + std::to_string(run.tickcount) + "/" +
        std::to_string(run.autospinwait) + ", timers:";
    for (const platform::TimerSpec& timer : screen::mainScreenTimers())
        if (platform_->clock.enabled(timer.name))
            text +=
                std::string(" ") + timer.name + (platform_->clock.running(timer.name) ? "*" : "");
    return text;
}

Ledger PlaySession::ledger(double wallSeconds) {
    engine::Books books = earlier_;
    add(books, game_->books());
    const engine::PlayerValues& player = state().player;
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
    l.virtualSeconds = static_cast<double>(earlierMs_ + platform_->clock.now()) / 1000.0;
    l.wallSeconds = wallSeconds;
    return l;
}

}  // namespace quorvel::sim
