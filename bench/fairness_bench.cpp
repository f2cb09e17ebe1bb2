// Fairness of the game's draws, through the real handlers on the headless platform and the
// seeded generator: chi-square of each reel's stop over a million spins and of the gamble
// card's suit over a million draws, with degrees of freedom and p-values as counters.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "engine/reel_window.h"
#include "engine/strips.h"
#include "platform/headless/headless_platform.h"
#include "screen/quorvel.h"

namespace {

using quorvel::platform::EventKind;

constexpr int kDraws = 1'000'000;

// Upper tail of the chi-square law: Q(1/2, y) = erfc(sqrt y) and Q(1, y) = e^-y start the
// recursion Q(a + 1, y) = Q(a, y) + y^a e^-y / Gamma(a + 1), y half the statistic.
double pValue(double chiSquare, int freedom) {
    const double y = chiSquare / 2;
    double a = freedom % 2 == 1 ? 0.5 : 1.0;
    double q = freedom % 2 == 1 ? std::erfc(std::sqrt(y)) : std::exp(-y);
    for (; a < freedom / 2.0; a += 1)
        q += std::exp(a * std::log(y) - y - std::lgamma(a + 1));
    return q;
}

// Against equal chances for every value counted.
double chiSquare(const std::vector<std::int64_t>& counts) {
    double total = 0;
    for (auto c : counts)
        total += static_cast<double>(c);
    const double expected = total / static_cast<double>(counts.size());
    double sum = 0;
    for (auto c : counts)
        sum += (static_cast<double>(c) - expected) * (static_cast<double>(c) - expected) / expected;
    return sum;
}

void add(std::vector<std::int64_t>& into, const std::vector<std::int64_t>& from) {
    for (std::size_t i = 0; i < into.size(); ++i)
        into[i] += from[i];
}

void add(std::vector<std::vector<std::int64_t>>& into,
         const std::vector<std::vector<std::int64_t>>& from) {
    for (std::size_t i = 0; i < into.size(); ++i)
        add(into[i], from[i]);
}

void report(benchmark::State& state, const std::string& name,
            const std::vector<std::int64_t>& counts) {
    const double statistic = chiSquare(counts);
    const int freedom = static_cast<int>(counts.size()) - 1;
    state.counters[name + "_chi2"] = statistic;
    state.counters[name + "_df"] = freedom;
    state.counters[name + "_p"] = pValue(statistic, freedom);
}

// A player slot that spins as fast as the game allows (reel speed 1) and never runs dry. A
// payout setting of 1 lets every result stand, so the stops shown are the stops drawn: the
// control's thinning of big wins is a different matter from the fairness of the draw.
void prepareSpinner(quorvel::platform::headless::HeadlessPlatform& p) {
    for (const auto& [key, value] : {std::pair{"bank", "2000000000"},
                                     {"machinepay", "1"},
                                     {"reelspeed", "1"},
                                     {"soundonoff", "0"},
                                     {"winroll", "0"}})
        p.store.write("quorvel", "player1", key, value);
    p.store.write("quorvel", "notice", "autoplay", "-1");
}

// Lets the clock run until the space bar may spin again: a free-spin feature or the jackpot
// board plays out on its timers, and a free-spin total waiting for its button is taken.
void settle(quorvel::platform::headless::HeadlessPlatform& p, quorvel::screen::Quorvel& q) {
    auto& w = q.window();
    for (;;) {
        auto& takewin = w.at("takewin");
        if (takewin.shown() && takewin.active()) w.dispatch(takewin, EventKind::Click);
        if (q.run().freespinmode == 0 && w.at("panfreespin").shown() && !takewin.shown()) return;
        p.runFor(100);
    }
}

// Spins with the space bar; each spin's stops are those of one fresh draw per reel.
std::vector<std::vector<std::int64_t>> spinStops(std::uint64_t seed, int spins) {
    quorvel::platform::headless::HeadlessPlatform p(seed);
    prepareSpinner(p);
    quorvel::screen::Quorvel q(p.services());
    q.Form_Load();
    std::vector<std::vector<std::int64_t>> stops(
        quorvel::engine::kReels, std::vector<std::int64_t>(quorvel::engine::kStops));
    const auto& games = q.player().games;
    while (games < spins) {
        settle(p, q);
        const auto before = games;
        q.window().keyPress(' ');
        if (games == before) continue;
        for (int reel = 1; reel <= quorvel::engine::kReels; ++reel)
            ++stops[reel - 1][q.run().stop[reel] - 1];
    }
    return stops;
}

// Two games side by side, each on its own seed, on half the draws: counts add up.
template <typename Counts>
Counts halves(Counts (*play)(std::uint64_t, int), std::uint64_t seed) {
    Counts other;
    std::thread helper([&] { other = play(seed + 1, kDraws / 2); });
    Counts counts = play(seed, kDraws - kDraws / 2);
    helper.join();
    add(counts, other);
    return counts;
}

void BM_ReelStopFairness(benchmark::State& state) {
    for (auto _ : state) {
        const auto stops = halves(spinStops, 11);
        for (int reel = 1; reel <= quorvel::engine::kReels; ++reel)
            report(state, "reel" + std::to_string(reel), stops[reel - 1]);
    }
}
BENCHMARK(BM_ReelStopFairness)->Iterations(1)->Unit(benchmark::kSecond);

// Opens a gamble on a large stake and bets red again and again; a stake grown too big is
// taken, and a lost one is opened again. Counts the suits of the cards drawn.
std::vector<std::int64_t> gambleSuits(std::uint64_t seed, int draws) {
    quorvel::platform::headless::HeadlessPlatform p(seed);
    prepareSpinner(p);
    quorvel::screen::Quorvel q(p.services());
    q.Form_Load();
    auto& w = q.window();
    std::vector<std::int64_t> suits(4);
    for (int draw = 0; draw < draws;) {
        if (!w.at("pandouble").shown()) {
            quorvel::engine::CabinetState stake = q.cabinet().state();
            stake.run.spinwin = 1000;
            q.cabinet().restore(std::move(stake));
            q.doublebutton_MouseDown();
        }
        if (!w.dispatch(w.at("betred"), EventKind::Click)) continue;
        ++draw;
        ++suits[w.at("piccardholder").picture().index - 1];
        if (w.at("pandouble").shown() && q.run().atrisk > 100'000'000)
            w.dispatch(w.at("cancelbet"), EventKind::Click);
    }
    return suits;
}

void BM_GambleSuitFairness(benchmark::State& state) {
    for (auto _ : state)
        report(state, "suit", halves(gambleSuits, 21));
}
BENCHMARK(BM_GambleSuitFairness)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
