// Start-up over ten thousand damaged stores, read through the real on-disk store: the game
// must always open, take every readable number by the conversion rule and nothing else.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <thread>

#include "corrupt_settings.h"
#include "platform/headless/headless_platform.h"
#include "platform/qt/qt_settings_store.h"
#include "screen/quorvel.h"

namespace {

using namespace quorvel;

constexpr int kCases = 10'000;
constexpr std::uint64_t kSeed = 20261209;
const std::string kCaptionPrefix = "Current Player       ";

// The conversion rule, written apart from the game's: optional sign, decimal digits, and
// the value within the variable's width; anything else leaves the variable as it was.
std::optional<long long> convert(const std::string& text, int bits) {
    std::size_t at = text.size() > 1 && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    if (at == text.size()) return std::nullopt;
    long long value = 0;
    const long long limit = 1LL << (bits - 1);
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9') return std::nullopt;
        value = value * 10 + (text[at] - '0');
        if (value > limit) return std::nullopt;
    }
    if (text[0] == '-') value = -value;
    if (value < -limit || value > limit - 1) return std::nullopt;
    return value;
}

long long variable(const engine::PlayerValues& p, const std::string& name) {
    const std::map<std::string, long long> values{
        {"sizescreen", p.sizescreen},
        {"howmanyspins", p.howmanyspins},
        {"soundonoff", p.soundonoff},
        {"machinepay", p.machinepay},
        {"winroll", p.winroll},
        {"reelspeed", p.reelspeed},
        {"amountinvested", p.amountinvested},
        {"wager", p.wager},
        {"total", p.totalwon},
        {"bank", p.bank},
        {"games", p.games},
        {"grandwon", p.grandwon},
        {"majorwon", p.majorwon},
        {"minorwon", p.minorwon},
        {"jackpotbank", p.jackpotbank},
        {"grand", p.grand},
        {"major", p.major},
        {"minor", p.minor},
    };
    return values.at(name);
}

// What start-up must leave in a variable, from the text the store gives for its key.
long long expected(const std::string& name, const std::string& stored, int bits) {
    const long long value = convert(stored, bits).value_or(0);
    if (name == "machinepay" && value == 0) return 4;
    if (name == "reelspeed" && value < 1) return 1;
    return value;
}

void writeStore(const QString& folder, const fuzz::CorruptStore& store) {
    QDir().mkpath(folder);
    for (const auto& [file, bytes] : store.files) {
        std::ofstream out((folder + "/" + QString::fromStdString(file)).toStdString(),
                          std::ios::binary);
        out << bytes;
    }
}

void checkStart(int number, const fuzz::CorruptStore& damaged) {
    // Each case has its own organisation, so its own files: Qt keeps parsed files by name.
    const std::string organisation = "QuorvelFuzz" + std::to_string(number);
    const QString folder = QString::fromLocal8Bit(std::getenv("XDG_CONFIG_HOME")) + "/" +
                           QString::fromStdString(organisation);
    writeStore(folder, damaged);
    {
        platform::qt::QtSettingsStore store(organisation);
        platform::headless::HeadlessPlatform p;
        platform::Services services{p.clock,   p.clock, p.sound,  p.resources, store,  p.messages,
                                    p.display, p.links, p.random, p.windows,   *p.text};
        screen::Quorvel game(services);
        game.Form_Load();
        SCOPED_TRACE("case " + std::to_string(number) + " (" + damaged.kind + ")");
        const auto& open = p.windows.openWindows();
        EXPECT_NE(std::find(open.begin(), open.end(), &game.window()), open.end());
        EXPECT_EQ(game.window().caption(), kCaptionPrefix + game.player().currentplayer);
        EXPECT_EQ(game.player().currentplayer, store.read("quorvel", "player1", "currentplayer"));
        EXPECT_EQ(game.run().lines, 25);
        EXPECT_EQ(game.run().bet, 1);
        const engine::PlayerValues& player = game.player();
        for (const fuzz::NumericKey& key : fuzz::numericKeys()) {
            const std::string stored = store.read(key.application, "player1", key.name);
            EXPECT_EQ(variable(player, key.name), expected(key.name, stored, key.bits))
                << key.name << " stored as '" << stored << "'";
            const auto intact = damaged.intact.find(std::string(key.application) + "/" + key.name);
            if (intact != damaged.intact.end()) {
                EXPECT_EQ(variable(player, key.name),
                          expected(key.name, std::to_string(intact->second), key.bits))
                    << key.name << " was written as " << intact->second;
            }
        }
        EXPECT_GE(player.reelspeed, 1);
        EXPECT_NE(player.machinepay, 0);
    }
    QDir(folder).removeRecursively();
}

// A case that hangs ends the run with its number instead of waiting for the test's timeout.
class Watchdog {
public:
    Watchdog()
        : thread_([this] {
              int last = -1;
              auto since = std::chrono::steady_clock::now();
              while (!done_) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(100));
                  const int now = current_;
                  if (now != last) {
                      last = now;
                      since = std::chrono::steady_clock::now();
                  } else if (std::chrono::steady_clock::now() - since > std::chrono::seconds(10)) {
                      std::fprintf(stderr, "start-up hangs on case %d\n", now);
                      std::abort();
                  }
              }
          }) {}
    ~Watchdog() {
        done_ = true;
        thread_.join();
    }
    void at(int number) { current_ = number; }

private:
    std::atomic<bool> done_{false};
    std::atomic<int> current_{0};
    std::thread thread_;
};

}  // namespace

TEST(StartupFuzz, EveryDamagedStoreStartsTheGame) {
    std::mt19937_64 random(kSeed);
    Watchdog watchdog;
    int intactValues = 0;
    for (int number = 0; number < kCases && !testing::Test::HasFailure(); ++number) {
        watchdog.at(number);
        const fuzz::CorruptStore damaged = fuzz::corruptStore(random);
        intactValues += static_cast<int>(damaged.intact.size());
        checkStart(number, damaged);
    }
    // The generator must leave readable values to check, not only garbage.
    EXPECT_GT(intactValues, kCases);
}

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // Ten thousand small folders come and go: in memory where the system offers it.
    QTemporaryDir config(QDir("/dev/shm").isReadable() ? "/dev/shm/quorvel-fuzz-XXXXXX"
                                                       : QDir::tempPath() + "/quorvel-fuzz-XXXXXX");
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    // Qt's complaints about the garbage it is fed are expected; only failures should show.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
