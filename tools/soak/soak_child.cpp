#include "tools/soak/soak_child.h"

#include <QCoreApplication>
#include <cstdio>
#include <random>

#include "platform/headless/headless_platform.h"
#include "platform/qt/qt_settings_store.h"
#include "screen/quorvel.h"

namespace quorvel::soak {
namespace {

using platform::EventKind;

class Player {
public:
    Player(std::uint64_t seed, const std::string& phaseFile)
        : platform_(seed), rng_(seed), phaseFile_(phaseFile) {
        platform::Services s = platform_.services();
        platform::Services withDisk{s.timers,   s.events,  s.sound, s.resources, store_,
                                    s.messages, s.display, s.links, s.random,    s.windows};
        game_ = std::make_unique<screen::Quorvel>(withDisk);
        game_->Form_Load();
    }

    [[noreturn]] void run() {
        while (true) {
            act();
            note();
            platform_.runFor(roll(3) == 0 ? roll(2500) : roll(200));
            note();
            // The store saves on the event loop's next turn, as it does in the game.
            QCoreApplication::processEvents();
        }
    }

private:
    int roll(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }
    platform::Window& w() { return game_->window(); }
    bool usable(const char* name) { return w().at(name).shown() && w().at(name).active(); }
    void press(const char* name, int index = 0) {
        platform::Element& e = w().at(name, index);
        w().dispatch(e, EventKind::MouseDown);
        w().dispatch(e, EventKind::MouseUp);
        w().dispatch(e, EventKind::Click);
    }

    void act() {
        if (platform::ChildWindow* child = game_->childWindow(); child && child->isOpen()) {
            if (roll(4) == 0) child->close();
            return;
        }
        if (usable("takewin")) return press("takewin");
        if (w().at("pandouble").shown()) return gamble();
        if (!game_->cabinet().creditCovers() && usable("coinsin")) return press("coinsin");
        const int dice = roll(100);
        if (dice < 10 && usable("autoplayon")) return press("autoplayon");
        if (dice < 40 && usable("doublebutton")) return press("doublebutton");
        if (dice < 43 && usable("btnoptions")) return press("btnoptions");
        if (usable("btnspin")) press("btnspin");
    }

    void gamble() {
        if (roll(3) == 0) return press("cancelbet");
        press(roll(2) ? "betred" : "betblack");
    }

    // The moment the game is in, for the parent's tally of where the kills landed.
    void note() {
        const engine::RunState& run = game_->run();
        auto& clock = platform_.clock;
        const char* phase = "idle";
        if (game_->childWindow() && game_->childWindow()->isOpen())
            phase = "options";
        else if (w().at("pandouble").shown())
            phase = "gamble";
        else if (clock.enabled("tmrbell") || clock.enabled("tmrdecidejackpot") ||
                 clock.enabled("tmrshowjackpot"))
            phase = "jackpot";
        else if (run.freespinmode == -1 || run.freespintarget > 0)
            phase = "freespins";
        else if (clock.enabled("Timerwincounter"))
            phase = "countup";
        else if (game_->counters().pace.autoplaymode != 0)
            phase = "autoplay";
        if (phase == last_) return;
        last_ = phase;
        if (FILE* f = std::fopen(phaseFile_.c_str(), "w")) {
            std::fputs(phase, f);
            std::fclose(f);
        }
    }

    platform::headless::HeadlessPlatform platform_;
    platform::qt::QtSettingsStore store_{"QuorvelSoak"};
    std::unique_ptr<screen::Quorvel> game_;
    std::mt19937_64 rng_;
    std::string phaseFile_;
    const char* last_ = "";
};

}  // namespace

void playUntilKilled(std::uint64_t seed, const std::string& phaseFile) {
    Player(seed, phaseFile).run();
}

}  // namespace quorvel::soak
