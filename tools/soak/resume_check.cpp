#include "tools/soak/resume_check.h"

#include "platform/headless/headless_platform.h"
#include "platform/qt/qt_settings_store.h"
#include "screen/quorvel.h"

namespace quorvel::soak {
namespace {

// A paid meter is one the jackpot bank grew by while that meter went back down.
bool meterPaidButFull(const engine::PlayerValues& before, const engine::PlayerValues& after) {
    if (after.jackpotbank <= before.jackpotbank) return false;
    return after.grand >= before.grand && after.major >= before.major &&
           after.minor >= before.minor;
}

}  // namespace

Stored readStored() {
    return storedIn(platform::qt::QtSettingsStore("QuorvelSoak"));
}

std::string checkKill(const Stored& before, const Stored& after) {
    if (after.unexplained != 0) return "the books are off by " + std::to_string(after.unexplained);
    if (after.player.bank < 0) return "the credit is below zero";
    if (after.player.games < before.player.games) return "stored games were lost";
    if (meterPaidButFull(before.player, after.player))
        return "a jackpot meter is both paid and still full";
    return {};
}

std::string checkResume(const Stored& stored) {
    platform::headless::HeadlessPlatform p(7);
    platform::qt::QtSettingsStore disk("QuorvelSoak");
    platform::Services s = p.services();
    platform::Services onDisk{s.timers,  s.events, s.sound,  s.resources, disk,  s.messages,
                              s.display, s.links,  s.random, s.windows,   s.text};
    screen::Quorvel game(onDisk);
    game.Form_Load();
    return compareResume(stored, resumedFrom(game, static_cast<int>(p.messages.shown().size())));
}

}  // namespace quorvel::soak
