#include <chrono>
#include <random>

#include "tools/sim/play_chaos.h"
#include "tools/sim/play_session.h"

namespace quorvel::sim {
namespace {

constexpr std::int64_t kFeatureLimitMs = 30 * 60 * 1000;
constexpr int kGamblesInARow = 3;

long long games(PlaySession& s) {
    return s.player().games;
}

// Autoplay on, answered notice and all; a halt for credit is met with a coin and a restart
// of autoplay, as a player at the cabinet would.
void playAutoplay(PlaySession& s) {
    s.insertCreditIfShort();
    s.press("autoplayon");
    const long long target = s.options().spins;
    while (games(s) < target) {
        // Autoplay must keep spinning: a stretch of game time without a single new game is a
        // stall, whatever features ran in it.
        const long long before = games(s);
        const bool halted = s.runUntil(
            [&] { return games(s) >= target || s.pace().autoplaymode == 0; }, kFeatureLimitMs);
        if (!halted && games(s) == before)
            throw BrokenRule{"autoplay stopped spinning at " + s.where()};
        if (games(s) >= target) break;
        if (s.pace().autoplaymode != 0) continue;
        s.insertCreditIfShort();
        s.press("autoplayon");  // the halted autoplay switches off...
        s.press("autoplayon");  // ...and on again
    }
    // Autoplay goes off as soon as its button can be reached again.
    while (s.pace().autoplaymode != 0) {
        s.runUntil([&] { return s.enabled("autoplayon") && s.shown("autoplayon"); },
                   kFeatureLimitMs);
        s.press("autoplayon");
    }
}

void gamble(PlaySession& s, GamblePolicy policy, std::mt19937_64& choose) {
    s.press("doublebutton");
    if (!s.shown("pandouble")) return;
    if (policy != GamblePolicy::Take) {
        for (int draw = 0; draw < kGamblesInARow && s.shown("pandouble"); ++draw) {
            if (policy == GamblePolicy::Red)
                s.click("betred");
            else if (policy == GamblePolicy::Black)
                s.click("betblack");
            else
                s.click("suitbet", static_cast<int>(choose() % 4) + 1);
        }
    }
    if (s.shown("pandouble")) s.click("cancelbet");
}

// Spin after spin by the button, every offered win gambled by the policy.
void playManual(PlaySession& s, GamblePolicy policy) {
    std::mt19937_64 choose(s.options().seed * 7919 + 1);
    const long long target = s.options().spins;
    while (true) {
        if (s.shown("takewin") && s.enabled("takewin")) {
            s.click("takewin");
            continue;
        }
        if (!s.settled()) {
            if (!s.runUntil([&] { return s.settled() || s.shown("takewin"); }, kFeatureLimitMs))
                throw BrokenRule{"a feature never ended at " + s.where()};
            continue;
        }
        if (s.enabled("doublebutton")) {
            gamble(s, policy, choose);
            continue;
        }
        if (games(s) >= target) return;
        s.insertCreditIfShort();
        s.press("btnspin");
    }
}

// Lets every feature the run started pay out, collecting a waiting total.
void finish(PlaySession& s) {
    while (!s.settled()) {
        if (s.shown("takewin") && s.enabled("takewin")) {
            s.click("takewin");
            continue;
        }
        if (s.shown("pandouble")) {
            s.click("cancelbet");
            continue;
        }
        if (!s.runUntil([&] { return s.settled() || s.shown("takewin"); }, kFeatureLimitMs))
            throw BrokenRule{"the run could not settle at " + s.where()};
    }
}

}  // namespace

Ledger play(const PlayOptions& options) {
    const auto started = std::chrono::steady_clock::now();
    PlaySession s(options);
    if (options.chaos)
        playChaos(s);
    else if (options.gamble == GamblePolicy::Never)
        playAutoplay(s);
    else
        playManual(s, options.gamble);
    finish(s);
    s.checkBooks("at the end of the run");
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return s.ledger(wall);
}

}  // namespace quorvel::sim
