// quorvel-soak: kills the game with SIGKILL again and again, at random moments, inside each
// phase of play and at each file operation of a save, and after every kill starts the game
// again from the disk and checks that it resumes where the disk says play stood.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <random>
#include <thread>

#include "tools/soak/resume_check.h"
#include "tools/soak/soak_child.h"

namespace {

using quorvel::soak::Stored;

// Where each kill is aimed, in turn: free play, each phase, each file operation of a save.
const std::vector<std::string> kAims = {
    "free",   "spin",   "free_spins", "total_waiting", "jackpot", "jackpot_stop_drawn",
    "gamble", "reveal", "countup",    "step1",         "step2",   "step3",
    "step4",  "step5",  "step6",
};

std::string readPhase(const std::string& file) {
    std::ifstream in(file);
    std::string phase;
    std::getline(in, phase);
    return phase.empty() ? "starting" : phase;
}

// Waits until the child notes the aimed phase (or a while has passed), then kills it a
// moment later; a child aimed at a file operation kills itself.
bool killChild(pid_t child, const std::string& aim, const std::string& phaseFile,
               std::mt19937_64& rng, int maxMs) {
    using Clock = std::chrono::steady_clock;
    const bool selfKill = aim.starts_with("step");
    const auto deadline = Clock::now() + std::chrono::milliseconds(selfKill ? 20'000 : 4'000);
    const auto freeMoment = Clock::now() + std::chrono::milliseconds(20 + rng() % maxMs);
    int status = 0;
    while (Clock::now() < deadline) {
        if (waitpid(child, &status, WNOHANG) == child) return WIFSIGNALED(status);
        const bool reached =
            aim == "free" ? Clock::now() >= freeMoment : !selfKill && readPhase(phaseFile) == aim;
        if (reached) {
            std::this_thread::sleep_for(std::chrono::milliseconds(rng() % 25));
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ::kill(child, SIGKILL);
    waitpid(child, &status, 0);
    return WIFSIGNALED(status);
}

int soak(int kills, std::uint64_t seed, int maxMs, const std::string& self, bool aimed) {
    std::mt19937_64 rng(seed);
    const std::string phaseFile = qgetenv("XDG_CONFIG_HOME").toStdString() + "/soak-phase";
    std::map<std::string, int> killedIn;
    Stored before = quorvel::soak::readStored();
    for (int kill = 1; kill <= kills; ++kill) {
        std::remove(phaseFile.c_str());
        const std::string aim = aimed ? kAims[(kill - 1) % kAims.size()] : "free";
        const pid_t child = fork();
        if (child == 0) {
            const std::string childSeed = std::to_string(seed * 1000 + kill);
            execl(self.c_str(), self.c_str(), "--child", childSeed.c_str(), phaseFile.c_str(),
                  aim.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        if (!killChild(child, aim, phaseFile, rng, maxMs)) {
            std::fprintf(stderr, "quorvel-soak: the game stopped by itself before kill %d\n", kill);
            return 1;
        }
        const Stored after = quorvel::soak::readStored();
        const std::string where = aim.starts_with("step") ? aim : after.phase;
        ++killedIn[where == "idle" && readPhase(phaseFile) == "countup" ? "countup" : where];
        if (const std::string broken = quorvel::soak::checkKill(before, after); !broken.empty()) {
            std::fprintf(stderr, "quorvel-soak: after kill %d (aimed at %s, stored %s): %s\n", kill,
                         aim.c_str(), after.phase.c_str(), broken.c_str());
            return 1;
        }
        if (const std::string broken = quorvel::soak::checkResume(after); !broken.empty()) {
            std::fprintf(stderr, "quorvel-soak: resuming after kill %d (%s): %s\n", kill,
                         after.phase.c_str(), broken.c_str());
            return 1;
        }
        before = quorvel::soak::readStored();
    }
    std::printf("kills: %d, games stored: %d, books balanced and play resumed after every kill\n",
                kills, before.player.games);
    std::printf("killed in:");
    for (const auto& [phase, count] : killedIn)
        std::printf(" %s %d", phase.c_str(), count);
    std::printf("\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--child") {
        QCoreApplication application(argc, argv);
        quorvel::soak::playUntilKilled(std::stoull(argv[2]), argv[3], argv[4]);
    }
    CLI::App app{"Kill the game again and again and check that it resumes from what the disk kept"};
    int kills = 100;
    std::uint64_t seed = 1;
    int maxMs = 400;
    bool randomOnly = false;
    std::string folder;
    app.add_option("--kills", kills, "How many times to kill the game");
    app.add_option("--seed", seed, "Seed of the moments and of the play");
    app.add_option("--max-ms", maxMs, "Longest run before a kill at a random moment, in ms");
    app.add_flag("--random-only", randomOnly, "Kill at random moments only, never aimed");
    app.add_option("--dir", folder, "Configuration folder to use (a fresh one by default)")
        ->required();
    CLI11_PARSE(app, argc, argv);
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    QCoreApplication application(argc, argv);
    return soak(kills, seed, std::max(maxMs, 1), argv[0], !randomOnly);
}
