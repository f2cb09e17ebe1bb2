#include "screen/celebration.h"

#include <array>

#include "engine/money.h"
#include "screen/sound_cues.h"

namespace quorvel::screen {
namespace {

using enum platform::ElementKind;

// How long each tier counts up and then rests, by tier (Big, Mega, Epic). Under autoplay
// every tier is over within three seconds, so the next spin is never held up.
constexpr int kTickMs = 50;
constexpr std::array<int, 4> kCountMs{0, 2500, 3500, 4500};
constexpr std::array<int, 4> kRestMs{0, 2000, 2500, 3000};
// Under autoplay a little is kept in hand: a tick can come late behind a sleeping handler.
constexpr int kHurriedCountMs = 1700;
constexpr int kHurriedRestMs = 1100;
constexpr int kGlowMs = 300;  // the banner's two glows take turns

// The wins that earn each tier, as multiples of the total bet.
constexpr std::array<std::int32_t, 4> kTierMultiple{0, 15, 50, 100};

constexpr const char* kTimer = "tmrcelebration";
constexpr const char* kOverlay = "celebration";
constexpr const char* kAmount = "celebrationamount";
constexpr const char* kCoin = "celebrationcoin";
constexpr const char* kBanners = "bigwins";
constexpr const char* kCoinFrames = "goldcoin";

// The overlay covers the five reel windows; the amount sits in the banner's dark window.
constexpr int kLeft = 1025, kTop = 730, kWidth = 10005, kHeight = 5625;
constexpr int kAmountLeft = 2745, kAmountWidth = 4500;
constexpr int kCoins = 18;
constexpr int kCoinSize = 660;
constexpr int kCoinTurns = 8;

constexpr std::array<platform::ElementSpec, 4 + kCoins> kDesign = [] {
    std::array<platform::ElementSpec, 4 + kCoins> rows{};
    rows[0] = {.name = kBanners,
               .kind = ImageList,
               .visible = false,
               .images = 6,
               .imageWidth = kWidth / 15,
               .imageHeight = kHeight / 15};
    rows[1] = {.name = kCoinFrames,
               .kind = ImageList,
               .visible = false,
               .images = kCoinTurns,
               .imageWidth = kCoinSize / 15,
               .imageHeight = kCoinSize / 15};
    rows[2] = {.name = kOverlay,
               .kind = PictureBox,
               .left = kLeft,
               .top = kTop,
               .width = kWidth,
               .height = kHeight,
               .visible = false};
    for (int coin = 1; coin <= kCoins; ++coin)
        rows[2 + static_cast<std::size_t>(coin)] = {.name = kCoin,
                                                    .index = coin,
                                                    .kind = PictureBox,
                                                    .parent = kOverlay,
                                                    .width = kCoinSize,
                                                    .height = kCoinSize};
    rows[3 + kCoins] = {.name = kAmount,
                        .kind = Label,
                        .parent = kOverlay,
                        .left = kAmountLeft,
                        .top = 3420,
                        .width = kAmountWidth,
                        .height = 1110,
                        .fontPoints = 36,
                        .fore = {255, 224, 96},
                        .align = platform::Align::Centre};
    return rows;
}();

int tierIndex(WinTier tier) {
    return static_cast<int>(tier);
}

// A coin's lane, left or right of the amount so that the count stays readable.
int coinLane(int coin) {
    constexpr int leftSide = kAmountLeft - kCoinSize;
    constexpr int rightSide = kWidth - kCoinSize - (kAmountLeft + kAmountWidth);
    const int lane = (coin * 5743) % (leftSide + rightSide);
    return lane <= leftSide ? lane : lane + kAmountWidth + kCoinSize;
}

}  // namespace

WinTier winTier(std::int32_t win, std::int32_t totalBet) {
    if (totalBet < 1) return WinTier::None;
    for (WinTier tier : {WinTier::Epic, WinTier::Mega, WinTier::Big})
        if (static_cast<std::int64_t>(win) >=
            static_cast<std::int64_t>(totalBet) * kTierMultiple[tierIndex(tier)])
            return tier;
    return WinTier::None;
}

std::span<const platform::ElementSpec> celebrationDesign() {
    return kDesign;
}

Celebration::Celebration(platform::Services services, platform::Window& window, Cue cue)
    : services_(services),
      window_(window),
      cue_(std::move(cue)),
      overlay_(window.at(kOverlay)),
      amount_(window.at(kAmount)) {
    services_.timers.add(kTimer, kTickMs, [this] { tick(); });
    services_.timers.stop(kTimer);
    for (const char* part : {kOverlay, kAmount, kCoin})
        window_.on(part, platform::EventKind::MouseDown, [this](platform::Event&) { skip(); });
}

void Celebration::begin(std::int32_t win, std::int32_t totalBet, bool hurried) {
    end();
    const WinTier tier = winTier(win, totalBet);
    if (tier == WinTier::None) return;
    tier_ = tier;
    win_ = win;
    startedAt_ = services_.events.steadyMs();
    elapsedMs_ = 0;
    countMs_ = hurried ? kHurriedCountMs : kCountMs[tierIndex(tier)];
    restMs_ = hurried ? kHurriedRestMs : kRestMs[tierIndex(tier)];
    showAmount();
    moveCoins();
    overlay_.show();
    fanfareDue_ = true;
    services_.timers.start(kTimer);
}

void Celebration::skip() {
    if (!running()) return;
    if (atRest()) {
        end();
        return;
    }
    startedAt_ = services_.events.steadyMs() - countMs_;
    elapsedMs_ = countMs_;
    showAmount();
}

void Celebration::end() {
    if (!running()) return;
    services_.timers.stop(kTimer);
    overlay_.hide();
    tier_ = WinTier::None;
    fanfareDue_ = false;
    win_ = shown_ = 0;
    elapsedMs_ = countMs_ = restMs_ = 0;
}

// The fanfare waits for the first frame: the win's own cue is heard as the reels stop.
void Celebration::tick() {
    if (fanfareDue_) cue_(cue::kBigWins[static_cast<std::size_t>(tierIndex(tier_))]);
    fanfareDue_ = false;
    elapsedMs_ = static_cast<int>(services_.events.steadyMs() - startedAt_);
    if (elapsedMs_ >= countMs_ + restMs_) {
        end();
        return;
    }
    showAmount();
    moveCoins();
}

// The count eases out: it races at first and settles gently on the win.
void Celebration::showAmount() {
    if (atRest()) {
        shown_ = win_;
    } else {
        const double left = 1.0 - static_cast<double>(elapsedMs_) / countMs_;
        shown_ = static_cast<std::int32_t>(win_ * (1.0 - left * left * left));
    }
    amount_.setCaption(engine::creditForm(shown_));
    const int glow = (elapsedMs_ / kGlowMs) % 2;
    overlay_.setPicture(kBanners, 2 * (tierIndex(tier_) - 1) + glow + 1);
}

// Each coin falls in its own lane at its own pace and turns as it falls; one that leaves
// the bottom comes in again at the top. Fixed lanes: the draws belong to play alone.
void Celebration::moveCoins() {
    const int ticks = elapsedMs_ / kTickMs;
    const int travel = kHeight + kCoinSize;
    for (int coin = 1; coin <= kCoins; ++coin) {
        platform::Element& element = window_.at(kCoin, coin);
        const int lane = coinLane(coin);
        const int speed = 90 + (coin * 75) % 105;  // twips a tick
        const int height = ((coin * 2371) % travel + speed * ticks) % travel - kCoinSize;
        element.move(lane, height);
        element.setPicture(kCoinFrames, (ticks + coin * 3) % kCoinTurns + 1);
    }
}

}  // namespace quorvel::screen
