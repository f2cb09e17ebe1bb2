#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "platform/layout.h"
#include "platform/services.h"
#include "platform/window.h"

namespace quorvel::screen {

// How big a win is against the total bet that won it.
enum class WinTier { None, Big, Mega, Epic };
WinTier winTier(std::int32_t win, std::int32_t totalBet);

// The big-win moment over the reels: its banner, the amount counting up and a shower of
// coins, on a timer of its own. It only shows: it never touches money or play, and anything
// that moves play on (a spin, the gamble, the payline view) ends it at once.
class Celebration {
public:
    using Cue = std::function<void(const char*)>;
    Celebration(platform::Services services, platform::Window& window, Cue cue);
    Celebration(const Celebration&) = delete;
    Celebration& operator=(const Celebration&) = delete;

    // Starts the moment for a win of its size; a smaller win shows nothing. Hurried (under
    // autoplay), it is over within three seconds.
    void begin(std::int32_t win, std::int32_t totalBet, bool hurried);
    // A click or the space bar: a count still running lands on the win; one at rest ends.
    void skip();
    void end();

    bool running() const { return tier_ != WinTier::None; }
    WinTier tier() const { return tier_; }
    bool atRest() const { return running() && elapsedMs_ >= countMs_; }
    std::int32_t shownAmount() const { return shown_; }

private:
    void tick();
    void showAmount();
    void moveCoins();

    platform::Services services_;
    platform::Window& window_;
    Cue cue_;
    platform::Element& overlay_;
    platform::Element& amount_;
    WinTier tier_ = WinTier::None;
    std::int32_t win_ = 0;
    std::int32_t shown_ = 0;
    std::int64_t startedAt_ = 0;
    int elapsedMs_ = 0;
    int countMs_ = 0;
    int restMs_ = 0;
    bool fanfareDue_ = false;
};

// The overlay's elements in their design state, drawn over the reels and their paylines and
// under everything that opens over them.
std::span<const platform::ElementSpec> celebrationDesign();

}  // namespace quorvel::screen
