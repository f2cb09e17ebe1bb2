// quorvel-sim: the game's math on the command line, from the same engine as the game.
#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include <fstream>
#include "engine/evaluate.h"
#include "engine/money.h"
#include "engine/paylines.h"
#include "engine/strips.h"
#include "math/par_sheet.h"
#include "math/volatility.h"
#include "tools/sim/eval_draw.h"
#include "tools/sim/play_session.h"
#include "tools/sim/script_runner.h"
#include "tools/sim/state_values.h"

namespace {

using quorvel::sim::DrawRequest;
using json = nlohmann::json;

struct UsageError {
    std::string message;
};

std::array<int, 5> parseStops(const std::string& text) {
    std::array<int, 5> stops{};
    std::stringstream in(text);
    std::string part;
    int count = 0;
    while (std::getline(in, part, ',')) {
        if (count == 5) throw UsageError{"--stops takes exactly five stops"};
        std::size_t used = 0;
        int stop = 0;
        try {
            stop = std::stoi(part, &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used == 0 || used != part.size())
            throw UsageError{"--stops: '" + part + "' is not a whole number"};
        if (stop < 1 || stop > quorvel::engine::kStops)
            throw UsageError{"--stops: stop " + part + " is outside 1..22"};
        stops[count++] = stop;
    }
    if (count != 5) throw UsageError{"--stops takes exactly five stops"};
    return stops;
}

template <typename T, std::size_t N>
json indexed(const std::array<T, N>& values) {
    return json(std::vector<long long>(values.begin() + 1, values.end()));
}

json evalJson(const DrawRequest& request) {
    const auto run = quorvel::sim::evaluateDraw(request);
    json window = json::array();
    for (int reel = 1; reel <= quorvel::engine::kReels; ++reel) {
        json column = json::array();
        for (int row = 1; row <= quorvel::engine::kRows; ++row)
            column.push_back(std::string(quorvel::engine::symbolName(run.window[reel][row])));
        window.push_back(column);
    }
    const bool freeSpinsWon = quorvel::engine::freeSpinsWon(run);
    return json{
        {"stops", request.stops},
        {"window", window},
        {"spinwin", run.spinwin},
        {"scattercount", run.scattercount},
        {"jackpotcount", run.jackpotcount},
        {"linewin", indexed(run.linewin)},
        {"linematch", indexed(run.linematch)},
        {"wildcell", indexed(run.wildcell)},
        {"scattercell", indexed(run.scattercell)},
        {"jackpotcell", indexed(run.jackpotcell)},
        {"reelstop", quorvel::sim::restOffsets(run)},
        {"freegames",
         freeSpinsWon ? quorvel::engine::freeGamesFor(run.scattercount, request.freeSpin) : 0},
        {"jackpot", quorvel::engine::jackpotFeatureStarts(run)},
    };
}

json volatilityJson(const quorvel::math::Volatility& v) {
    json tails = json::object();
    for (std::size_t i = 0; i < quorvel::math::kTailThresholds.size(); ++i)
        tails[std::to_string(quorvel::math::kTailThresholds[i])] = v.pAtLeast[i];
    return json{
        {"sd", v.sd},
        {"p_at_least", tails},
        {"feature_spins_mean", v.featureSpinsMean},
        {"feature_spins_sd", v.featureSpinsSd},
    };
}

json sheetJson(const quorvel::math::ParSheet& s, const quorvel::math::Volatility& v,
               double seconds) {
    json sheet{
        {"lines", s.lines},
        {"machinepay", s.machinepay},
        {"outcomes", s.outcomes},
        {"raw_rtp", s.rawRtp},
        {"base_rtp", s.baseRtp},
        {"hit_frequency", s.hitFrequency},
        {"freespins_p3", s.freespinsP[3]},
        {"freespins_p4", s.freespinsP[4]},
        {"freespins_p5", s.freespinsP[5]},
        {"jackpot_feature_p", s.jackpotFeatureP},
        {"freespin_rtp", s.freespinRtp},
        {"jackpot_multiple_rtp", s.jackpotMultipleRtp},
        {"total_rtp", s.baseRtp + s.freespinRtp + s.jackpotMultipleRtp},
    };
    sheet.update(volatilityJson(v));
    sheet["seconds"] = seconds;
    return sheet;
}

void printVolatility(const quorvel::math::Volatility (&v)[3]) {
    const auto row = [&](const std::string& label, auto field) {
        std::printf("%-34s", label.c_str());
        for (const auto& one : v)
            std::printf(" %18.6g", field(one));
        std::printf("\n");
    };
    using V = quorvel::math::Volatility;
    row("sd of a spin's total, total bets", [](const V& one) { return one.sd; });
    for (std::size_t i = 0; i < quorvel::math::kTailThresholds.size(); ++i)
        row("P(total >= " + std::to_string(quorvel::math::kTailThresholds[i]) + " total bets)",
            [i](const V& one) { return one.pAtLeast[i]; });
    row("free spins per feature, mean", [](const V& one) { return one.featureSpinsMean; });
    row("free spins per feature, sd", [](const V& one) { return one.featureSpinsSd; });
}

void printSheets(const quorvel::math::ParSheet (&sheets)[3],
                 const quorvel::math::Volatility (&volatility)[3], int lines, double seconds) {
    const char* names[] = {"Dream Machine !!", "Loose", "Realistic"};
    std::printf("Quorvel par sheet: normal spin, %d line%s, %llu outcomes, %.3f s\n\n", lines,
                lines == 1 ? "" : "s", static_cast<unsigned long long>(sheets[0].outcomes),
                seconds);
    std::printf("%-34s %18s %18s %18s\n", "payout setting", names[0], names[1], names[2]);
    std::printf("%-34s %18d %18d %18d\n", "machinepay", 2, 3, 4);
    const auto row = [&](const char* label, auto field, double scale) {
        std::printf("%-34s", label);
        for (const auto& s : sheets)
            std::printf(" %18.6f", field(s) * scale);
        std::printf("\n");
    };
    using S = quorvel::math::ParSheet;
    std::printf("%-34s %18.6f %18.6f %18.6f\n", "raw return (before control) %",
                sheets[0].rawRtp * 100, sheets[1].rawRtp * 100, sheets[2].rawRtp * 100);
    row(
        "base game return %", [](const S& s) { return s.baseRtp; }, 100);
    row(
        "free spins return %", [](const S& s) { return s.freespinRtp; }, 100);
    row(
        "jackpot bet-multiples return %", [](const S& s) { return s.jackpotMultipleRtp; }, 100);
    row(
        "total return (without meters) %",
        [](const S& s) { return s.baseRtp + s.freespinRtp + s.jackpotMultipleRtp; }, 100);
    row(
        "hit frequency %", [](const S& s) { return s.hitFrequency; }, 100);
    row(
        "3 chests, 1 in", [](const S& s) { return 1 / s.freespinsP[3]; }, 1);
    row(
        "4 chests, 1 in", [](const S& s) { return 1 / s.freespinsP[4]; }, 1);
    row(
        "5 chests, 1 in", [](const S& s) { return 1 / s.freespinsP[5]; }, 1);
    row(
        "jackpot feature, 1 in", [](const S& s) { return 1 / s.jackpotFeatureP; }, 1);
    printVolatility(volatility);
}

// The seconds reported cover the whole computation: enumeration, sheet and volatility.
void runPar(int lines, int machinepay, bool asJson) {
    const auto started = std::chrono::steady_clock::now();
    const auto tally = quorvel::math::enumerateNormalSpin(lines);
    const auto seconds = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    };
    if (asJson) {
        const auto sheet = quorvel::math::parSheet(tally, lines, machinepay);
        const auto volatility = quorvel::math::volatility(tally, lines, machinepay);
        std::cout << sheetJson(sheet, volatility, seconds()).dump() << '\n';
        return;
    }
    quorvel::math::ParSheet sheets[3];
    quorvel::math::Volatility volatility[3];
    for (int i = 0; i < 3; ++i) {
        sheets[i] = quorvel::math::parSheet(tally, lines, i + 2);
        volatility[i] = quorvel::math::volatility(tally, lines, i + 2);
    }
    printSheets(sheets, volatility, lines, seconds());
}

int runScript(const std::string& file, std::uint64_t seed, const std::string& storeFolder) {
    std::ifstream opened;
    if (!file.empty()) {
        opened.open(file);
        if (!opened) throw UsageError{"cannot read '" + file + "'"};
    }
    std::istream& in = file.empty() ? std::cin : opened;
    quorvel::sim::ScriptRunner runner(seed, std::cout, storeFolder);
    try {
        runner.run(in);
    } catch (const quorvel::sim::ScriptError& error) {
        std::cout.flush();
        std::cerr << "quorvel-sim: line " << error.line << ": " << error.reason << '\n';
        return 2;
    }
    return 0;
}

quorvel::sim::GamblePolicy gamblePolicy(const std::string& name) {
    using quorvel::sim::GamblePolicy;
    if (name == "never") return GamblePolicy::Never;
    if (name == "take") return GamblePolicy::Take;
    if (name == "red") return GamblePolicy::Red;
    if (name == "black") return GamblePolicy::Black;
    if (name == "suit") return GamblePolicy::Suit;
    throw UsageError{"--gamble must be never, take, red, black or suit"};
}

int runPlay(quorvel::sim::PlayOptions options, const std::string& gamble, bool asJson) {
    options.gamble = gamblePolicy(gamble);
    if (options.spins < 1) throw UsageError{"--spins must be at least 1"};
    if (options.machinepay < 2 || options.machinepay > 4)
        throw UsageError{"--machinepay must be 2, 3 or 4"};
    if (!quorvel::engine::isOfferedLineCount(options.lines))
        throw UsageError{"--lines must be 1, 5, 10, 15 or 25"};
    if (!quorvel::engine::isOfferedBet(options.bet))
        throw UsageError{"--bet must be 1, 2, 3, 5, 10 or 20"};
    try {
        const quorvel::sim::Ledger ledger = quorvel::sim::play(options);
        std::cout << (asJson ? ledger.json().dump() + "\n" : ledger.text());
        if (ledger.imbalance() != 0) {
            std::cerr << "quorvel-sim: the books are off by " << ledger.imbalance() << '\n';
            return 1;
        }
        return 0;
    } catch (const quorvel::sim::BrokenRule& broken) {
        std::cerr << "quorvel-sim: " << broken.what << '\n';
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Quorvel's game math: evaluate one draw or print the exact par sheet"};
    app.require_subcommand(1);

    std::string stopsText;
    DrawRequest request;
    auto* eval = app.add_subcommand("eval", "Evaluate the draw that shows the given stops");
    eval->add_option("--stops", stopsText, "Stops of reels 1..5, e.g. 1,2,3,4,5")->required();
    eval->add_option("--lines", request.lines, "Lines played: 1, 5, 10, 15 or 25");
    eval->add_option("--bet", request.bet, "Bet per line in cents: 1, 2, 3, 5, 10 or 20");
    eval->add_option("--reel3", request.reel3, "1: reel 3's jolly roger counts, 2: it does not");
    eval->add_flag("--free", request.freeSpin, "Evaluate as a free spin");

    int parLines = 25;
    int machinepay = 4;
    bool asJson = false;
    auto* par = app.add_subcommand("par", "Exact par sheet of a normal spin (full enumeration)");
    par->add_option("--lines", parLines, "Lines played: 1, 5, 10, 15 or 25");
    par->add_option("--machinepay", machinepay, "Payout setting for --json: 2, 3 or 4");
    par->add_flag("--json", asJson, "One JSON object for the chosen payout setting");

    std::string scriptFile;
    std::uint64_t seed = 1;
    auto* script = app.add_subcommand(
        "script", "Play a script through the real main screen, headless, in virtual time");
    script->add_option("FILE", scriptFile, "Script file; standard input when left out");
    script->add_option("--seed", seed, "Seed of the random draws that the script does not queue");
    std::string storeFolder;
    script->add_option(
        "--store", storeFolder,
        "Keep the settings on disk in this folder, as the game does (DIR/quorvel.ini "
        "and DIR/allslot.ini), so killing the process is a real crash");

    quorvel::sim::PlayOptions play;
    std::string gamble = "never";
    bool playJson = false;
    auto* playCommand = app.add_subcommand(
        "play", "Play a long headless run through the real main screen and print its ledger");
    playCommand->add_option("--spins", play.spins, "Normal spins to play")->required();
    playCommand->add_option("--seed", play.seed, "Seed of the draws and of the player's choices");
    playCommand->add_option("--machinepay", play.machinepay, "Payout setting: 2, 3 or 4");
    playCommand->add_option("--lines", play.lines, "Lines played: 1, 5, 10, 15 or 25");
    playCommand->add_option("--bet", play.bet, "Bet per line in cents: 1, 2, 3, 5, 10 or 20");
    playCommand->add_option("--gamble", gamble, "never, take, red, black or suit");
    playCommand->add_flag("--chaos", play.chaos, "Random input everywhere, with restarts");
    playCommand->add_flag("--json", playJson, "The ledger as one JSON object");

    try {
        app.parse(argc, argv);
        if (script->parsed()) return runScript(scriptFile, seed, storeFolder);
        if (playCommand->parsed()) return runPlay(play, gamble, playJson);
        if (eval->parsed()) {
            request.stops = parseStops(stopsText);
            if (!quorvel::engine::isOfferedLineCount(request.lines))
                throw UsageError{"--lines must be 1, 5, 10, 15 or 25"};
            if (!quorvel::engine::isOfferedBet(request.bet))
                throw UsageError{"--bet must be 1, 2, 3, 5, 10 or 20"};
            if (request.reel3 != 1 && request.reel3 != 2)
                throw UsageError{"--reel3 must be 1 or 2"};
            std::cout << evalJson(request).dump() << '\n';
            return 0;
        }
        if (!quorvel::engine::isOfferedLineCount(parLines))
            throw UsageError{"--lines must be 1, 5, 10, 15 or 25"};
        if (machinepay < 2 || machinepay > 4) throw UsageError{"--machinepay must be 2, 3 or 4"};
        runPar(parLines, machinepay, asJson);
        return 0;
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) return app.exit(e);
        std::cerr << "quorvel-sim: " << e.what() << '\n';
        return 2;
    } catch (const UsageError& e) {
        std::cerr << "quorvel-sim: " << e.message << '\n';
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "quorvel-sim: " << e.what() << '\n';
        return 1;
    }
}
