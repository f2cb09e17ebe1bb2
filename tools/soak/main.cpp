// quorvel-soak: kills the game with SIGKILL at random moments, again and again, and after
// every kill checks that what the disk kept is readable and that its books balance.
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

#include "engine/play_record.h"
#include "platform/qt/qt_settings_store.h"
#include "players/settings_layout.h"
#include "tools/soak/soak_child.h"

namespace {

struct Books {
    long long held = 0, unexplained = 0, games = 0;
};

// What a fresh start-up would read: every key by the game's own rules.
Books readBooks() {
    quorvel::platform::qt::QtSettingsStore store("QuorvelSoak");
    quorvel::engine::PlayerValues player;
    quorvel::players::loadsettings(player, store, "1");
    Books books;
    books.games = player.games;
    // A feature total still owed is credit the next start will pay.
    books.held = static_cast<long long>(player.bank) + player.featureowed;
    books.unexplained =
        quorvel::engine::unexplainedStored(player, quorvel::players::loadPlay(store, "1"));
    return books;
}

std::string readPhase(const std::string& file) {
    std::ifstream in(file);
    std::string phase;
    std::getline(in, phase);
    return phase.empty() ? "starting" : phase;
}

int soak(int kills, std::uint64_t seed, int maxMs, const std::string& self) {
    std::mt19937_64 rng(seed);
    const std::string phaseFile = qgetenv("XDG_CONFIG_HOME").toStdString() + "/soak-phase";
    std::map<std::string, int> killedIn;
    long long lastGames = 0;
    for (int kill = 1; kill <= kills; ++kill) {
        std::remove(phaseFile.c_str());
        const pid_t child = fork();
        if (child == 0) {
            const std::string childSeed = std::to_string(seed * 1000 + kill);
            execl(self.c_str(), self.c_str(), "--child", childSeed.c_str(), phaseFile.c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20 + rng() % maxMs));
        ::kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFSIGNALED(status)) {
            std::fprintf(stderr, "quorvel-soak: the game stopped by itself before kill %d\n", kill);
            return 1;
        }
        ++killedIn[readPhase(phaseFile)];
        const Books books = readBooks();
        if (books.unexplained != 0 || books.held < 0 || books.games < lastGames) {
            std::fprintf(stderr,
                         "quorvel-soak: after kill %d (%s) the store does not balance: credit "
                         "%lld, unexplained %lld, games %lld (was %lld)\n",
                         kill, readPhase(phaseFile).c_str(), books.held, books.unexplained,
                         books.games, lastGames);
            return 1;
        }
        lastGames = books.games;
    }
    std::printf("kills: %d, games stored: %lld, books balanced after every kill\nkilled in:", kills,
                lastGames);
    for (const auto& [phase, count] : killedIn)
        std::printf(" %s %d", phase.c_str(), count);
    std::printf("\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--child") {
        QCoreApplication application(argc, argv);
        quorvel::soak::playUntilKilled(std::stoull(argv[2]), argv[3]);
    }
    CLI::App app{"Kill the game at random moments and check what the disk kept"};
    int kills = 100;
    std::uint64_t seed = 1;
    int maxMs = 400;
    std::string folder;
    app.add_option("--kills", kills, "How many times to kill the game");
    app.add_option("--seed", seed, "Seed of the moments and of the play");
    app.add_option("--max-ms", maxMs, "Longest run before a kill, in milliseconds");
    app.add_option("--dir", folder, "Configuration folder to use (a fresh one by default)")
        ->required();
    CLI11_PARSE(app, argc, argv);
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    QCoreApplication application(argc, argv);
    return soak(kills, seed, std::max(maxMs, 1), argv[0]);
}
