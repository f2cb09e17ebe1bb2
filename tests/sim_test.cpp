#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <array>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "math/par_sheet.h"
#include "tools/sim/eval_draw.h"

using nlohmann::json;

namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

// With `input`, the text is piped in (printf turns \\n into line ends).
Result runSim(const std::string& arguments, const std::string& input = "") {
    // Tests run in parallel processes: each run gets its own file for the error stream.
    static int runs = 0;
    const std::string errFile = testing::TempDir() + "sim_stderr_" + std::to_string(getpid()) +
                                "_" + std::to_string(++runs) + ".txt";
    const std::string feed = input.empty() ? "" : "printf '" + input + "' | ";
    const std::string command =
        feed + std::string(QUORVEL_SIM_PATH) + " " + arguments + " 2>" + errFile;
    Result result{};
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        result.out.append(buffer, n);
    const int raw = pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    if (FILE* err = std::fopen(errFile.c_str(), "r")) {
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, err))
            result.err.append(buffer, n);
        std::fclose(err);
    }
    std::remove(errFile.c_str());
    return result;
}

json evalJson(const std::string& arguments) {
    Result r = runSim("eval " + arguments);
    EXPECT_EQ(r.status, 0) << r.err;
    return json::parse(r.out);
}

}  // namespace

TEST(SimEval, ReportsTheWholeDraw) {
    const json j = evalJson("--stops 3,2,10,6,1 --lines 1 --bet 2");
    EXPECT_EQ(j["stops"], json::parse("[3,2,10,6,1]"));
    EXPECT_EQ(j["window"][0], json::parse(R"(["wild","wild","wild"])"));
    EXPECT_EQ(j["window"][3], json::parse(R"(["coin","chest","flag"])"));
    EXPECT_EQ(j["spinwin"], 930);
    EXPECT_EQ(j["linewin"].size(), 25u);
    EXPECT_EQ(j["linewin"][0], 1);
    EXPECT_EQ(j["linematch"][0], 3);
    EXPECT_EQ(j["linematch"][1], 0) << "only one line played";
    EXPECT_EQ(j["wildcell"].size(), 15u);
    EXPECT_EQ(j["wildcell"][5], 6);
    EXPECT_EQ(j["scattercell"], json::parse("[0,0,0,11,0]"));
    EXPECT_EQ(j["reelstop"], json::parse("[-5625,-3750,-18750,-11250,-1875]"));
    EXPECT_EQ(j["scattercount"], 1);
    EXPECT_EQ(j["freegames"], 0);
    EXPECT_EQ(j["jackpot"], false);
}

TEST(SimEval, FreeGamesAndTheJackpotFeature) {
    // Chests at the bottom of reels 1 and 2 and the top of reel 3.
    EXPECT_EQ(evalJson("--stops 10,7,1,1,1")["freegames"], 10);
    EXPECT_EQ(evalJson("--stops 10,7,1,1,1 --free")["freegames"], 11);
    EXPECT_EQ(evalJson("--stops 10,7,1,1,1")["spinwin"], 5 * 25);
    const json jackpot = evalJson("--stops 8,16,6,1,1 --reel3 1");
    EXPECT_EQ(jackpot["jackpot"], true);
    EXPECT_EQ(jackpot["jackpotcount"], 3);
    EXPECT_EQ(jackpot["jackpotcell"], json::parse("[1,6,7,0,0]"));
    EXPECT_EQ(evalJson("--stops 8,16,6,1,1 --reel3 2")["jackpot"], false);
    EXPECT_EQ(evalJson("--stops 8,16,6,1,1 --reel3 1 --free")["jackpotcount"], 0);
}

TEST(SimEval, BadArgumentsExitWithStatusTwoAndOneLine) {
    for (const char* bad :
         {"eval --stops 1,2,3,4,23", "eval --stops 1,2,3,4", "eval --stops 0,2,3,4,5",
          "eval --stops 1,2,x,4,5", "eval --stops 1,2,3,4,5,6", "eval --stops 1,2,3,4,5 --bet 4",
          "eval --stops 1,2,3,4,5 --lines 20", "eval --stops 1,2,3,4,5 --reel3 3", "eval --stops",
          "eval", "eval --stops 1,2,3,4,5 --bet", "par --lines 7", "par --machinepay 5",
          "frobnicate", ""}) {
        const Result r = runSim(bad);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_TRUE(r.out.empty()) << bad;
        ASSERT_FALSE(r.err.empty()) << bad;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << bad << ": " << r.err;
    }
}

TEST(SimPar, JsonCarriesTheWholeSheet) {
    const Result r = runSim("par --lines 25 --machinepay 3 --json");
    ASSERT_EQ(r.status, 0) << r.err;
    const json j = json::parse(r.out);
    for (const char* key :
         {"outcomes", "raw_rtp", "base_rtp", "hit_frequency", "freespins_p3", "freespins_p4",
          "freespins_p5", "jackpot_feature_p", "freespin_rtp", "jackpot_multiple_rtp", "seconds"})
        EXPECT_TRUE(j.contains(key)) << key;
    EXPECT_EQ(j["outcomes"], 2 * 5153632);
    EXPECT_EQ(j["machinepay"], 3);
    EXPECT_LT(j["base_rtp"].get<double>(), j["raw_rtp"].get<double>());
    EXPECT_NEAR(j["jackpot_multiple_rtp"].get<double>(),
                12.5 * j["jackpot_feature_p"].get<double>(), 1e-12);
    const Result text = runSim("par --lines 5");
    ASSERT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("Dream Machine !!"), std::string::npos);
    EXPECT_NE(text.out.find("Realistic"), std::string::npos);
}

// The fast enumeration against the game's own evaluation of every single combination.
TEST(SimPar, EnumerationMatchesTheGameOnEveryCombination) {
    quorvel::math::ParTally slow;
    quorvel::sim::DrawRequest request;
    request.lines = 25;
    auto& s = request.stops;
    for (s[0] = 1; s[0] <= 22; ++s[0])
        for (s[1] = 1; s[1] <= 22; ++s[1])
            for (s[2] = 1; s[2] <= 22; ++s[2])
                for (s[3] = 1; s[3] <= 22; ++s[3])
                    for (s[4] = 1; s[4] <= 22; ++s[4]) {
                        const auto run = quorvel::sim::evaluateDraw(request);
                        const int band = run.spinwin > 2 * 25 ? 1 : 0;
                        ++slow.combinations[band];
                        slow.winBets[band] += run.spinwin;
                        slow.hits[band] += run.spinwin > 0;
                        ++slow.chests[run.scattercount][band];
                        slow.jackpotSymbols[band] +=
                            run.jackpotcell[1] && run.jackpotcell[2] && run.jackpotcell[3];
                    }
    const auto fast = quorvel::math::enumerateNormalSpin(25);
    for (int band = 0; band < 2; ++band) {
        EXPECT_EQ(fast.combinations[band], slow.combinations[band]);
        EXPECT_EQ(fast.winBets[band], slow.winBets[band]);
        EXPECT_EQ(fast.hits[band], slow.hits[band]);
        EXPECT_EQ(fast.jackpotSymbols[band], slow.jackpotSymbols[band]);
        for (int chests = 0; chests <= 5; ++chests)
            EXPECT_EQ(fast.chests[chests][band], slow.chests[chests][band]) << chests;
    }
}

TEST(SimScript, AMalformedLineStopsWithItsNumberAndReason) {
    for (const auto& [script, reason] : std::vector<std::pair<std::string, std::string>>{
             {"start\\nfly away", "line 2: unknown command 'fly'"},
             {"# comment\\n\\nstops 1 2 3 4", "line 3: stops takes S1 S2 S3 S4 S5 [R3]"},
             {"random 1.0", "line 1: random value '1.0' is not in [0, 1)"},
             {"start\\nclick nothing", "line 2: no element 'nothing'"},
             {"start\\nvalue bankk", "line 2: no game value 'bankk'"},
             {"run -5", "line 1: run takes a time of 0 ms to 86400000 ms"},
             {"run 9223372036854775807", "line 1: run takes a time of 0 ms to 86400000 ms"},
             {"start\\nstart", "line 2: start: the game is already running"},
             {"start\\nclick options.btnokplayer", "line 2: no open window 'options'"},
             {"start\\nkeydown 77\\nkeyup 77\\nkeyup 77", "line 4: keyup: key 77 is not down"},
             {"start\\nrun 50\\nat 49 click btnspin",
              "line 3: at takes a time from now (50 ms) to a day on"},
             {"start\\nat 60 quit", "line 2: at cannot schedule 'quit'"},
         }) {
        Result r = runSim("script", script);
        EXPECT_EQ(r.status, 2) << script;
        EXPECT_EQ(r.err, "quorvel-sim: " + reason + "\n") << script;
    }
}

TEST(SimScript, QueriesAnswerOneJsonObjectPerLine) {
    Result r = runSim("script --seed 5",
                      "store quorvel player1 bank 30\\nstart\\nvalue bank\\n"
                      "stops 1 4 3 1 1 2\\nrandom 0.1\\nkey 32\\nvalue stop\\n"
                      "time\\nelement lin(26)\\nstored quorvel player1 nothing");
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    std::vector<json> answers;
    for (std::string line; std::getline(lines, line);)
        answers.push_back(json::parse(line));
    ASSERT_EQ(answers.size(), 5u);
    EXPECT_EQ(answers[0], (json{{"name", "bank"}, {"value", 30}}));
    EXPECT_EQ(answers[1]["value"], (json{1, 4, 3, 1, 1}));
    EXPECT_EQ(answers[2]["ms"], 338) << "the reel animation at speed 1";
    EXPECT_EQ(answers[3]["picture"], "linepics(1)");
    EXPECT_EQ(answers[4]["value"], nullptr);
}

TEST(SimScript, OddInputIsTakenAndOddTextStillPrinted) {
    Result r = runSim("script",
                      "random 5e-324\nstore quorvel player1 currentplayer a\\377b\n"
                      "start\nvalue currentplayer");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(json::parse(r.out)["value"],
              "a\xEF\xBF\xBD"
              "b")
        << "replaced, not a crash";
}
