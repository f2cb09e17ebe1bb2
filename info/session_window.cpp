#include "info/session_window.h"

#include <cstdio>

#include "engine/money.h"
#include "info/session_report.h"
#include "platform/layout.h"

namespace quorvel::info {
namespace {

using enum platform::ElementKind;
constexpr platform::Colour kInk{64, 32, 0};
constexpr platform::Colour kNavy{0, 0, 128};

// clang-format off
constexpr platform::ElementSpec kDesign[] = {
    {.name = "lblsessiontitle", .kind = Label, .left = 120, .top = 90, .width = 9360, .height = 420, .caption = "Your Session", .fontPoints = 14.25, .fore = kNavy, .align = platform::Align::Centre},
    {.name = "lblluck", .kind = Label, .left = 120, .top = 540, .width = 9360, .height = 330, .fontPoints = 11.25, .fore = {160, 0, 0}, .align = platform::Align::Centre},
    {.name = "chtcredit", .kind = Chart, .left = 120, .top = 930, .width = 9360, .height = 3300},
    {.name = "chtreturn", .kind = Chart, .left = 120, .top = 4290, .width = 9360, .height = 2700},
    {.name = "lblreturn", .kind = Label, .left = 240, .top = 7050, .width = 9120, .height = 300, .fore = kInk, .align = platform::Align::Centre},
    {.name = "lbltime", .kind = Label, .left = 480, .top = 7410, .width = 4200, .height = 300, .fore = kInk},
    {.name = "lblgames", .kind = Label, .left = 480, .top = 7710, .width = 4200, .height = 300, .fore = kInk},
    {.name = "lblwagered", .kind = Label, .left = 480, .top = 8010, .width = 4200, .height = 300, .fore = kInk},
    {.name = "lblwon", .kind = Label, .left = 480, .top = 8310, .width = 4200, .height = 300, .fore = kInk},
    {.name = "lblnet", .kind = Label, .left = 4920, .top = 7410, .width = 4440, .height = 300, .fore = kInk},
    {.name = "lblbiggest", .kind = Label, .left = 4920, .top = 7710, .width = 4440, .height = 300, .fore = kInk},
    {.name = "lblfeatures", .kind = Label, .left = 4920, .top = 8010, .width = 4440, .height = 300, .fore = kInk},
    {.name = "btnclose", .kind = CommandButton, .left = 7920, .top = 8370, .width = 1440, .height = 450, .caption = "Close", .tooltip = "Back to the game (Esc)"},
};
constexpr platform::TabStop kTabOrder[] = {{"btnclose", 0}};
// clang-format on

std::string percentText(double share) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f %%", share * 100);
    return text;
}

std::string timeText(std::int64_t seconds) {
    char text[48];
    std::snprintf(text, sizeof text, "Time played: %lld:%02lld:%02lld",
                  static_cast<long long>(seconds / 3600), static_cast<long long>(seconds / 60 % 60),
                  static_cast<long long>(seconds % 60));
    return text;
}

// Always with its cents, as the reminder's sentence says it.
std::string money(std::int64_t cents) {
    return engine::dollarsAndCents(cents);
}

}  // namespace

SessionWindow::SessionWindow(platform::Services services, platform::Window& mainScreen,
                             const engine::Cabinet& cabinet, const engine::Session& session)
    : ChildWindow(services, mainScreen, "quorvelsession", kSessionClientWidth, kSessionClientHeight,
                  "Your Session") {
    platform::buildElements(window(), kDesign, services_.text);
    const engine::PlayerValues& player = cabinet.player();
    const ReturnOdds odds = returnOdds(cabinet.run().lines, player.machinepay);
    const engine::SessionFigures figures = session.figures(player, services_.events.steadyMs());
    window().at("chtcredit").setChart(creditChart(session.points()));
    window().at("chtreturn").setChart(returnChart(session.points(), odds));
    window().at("chtcredit").setAccessibleName("Credit after each game");
    window().at("chtreturn").setAccessibleName("Return so far against the long-run return");
    window().at("lblluck").setCaption(luckSentence(figures, odds));
    showFigures(figures, odds.mean);
    window().on("btnclose", platform::EventKind::Click,
                [this](platform::Event&) { btnclose_Click(); });
    setTabOrder(kTabOrder);
    window().setFocus(&window().at("btnclose"));
}

void SessionWindow::showFigures(const engine::SessionFigures& f, double longRun) {
    platform::Window& w = window();
    const std::string soFar =
        f.wagered > 0 ? percentText(double(f.won) / double(f.wagered)) : std::string("-");
    w.at("lblreturn")
        .setCaption("Return so far: " + soFar + "   Long-run return: " + percentText(longRun));
    w.at("lbltime").setCaption(timeText(f.seconds));
    w.at("lblgames").setCaption("Games: " + std::to_string(f.games));
    w.at("lblwagered").setCaption("Wagered: " + money(f.wagered));
    w.at("lblwon").setCaption("Won: " + money(f.won));
    w.at("lblnet").setCaption("Net: " + money(f.net));
    w.at("lblbiggest").setCaption("Biggest win: " + money(f.biggest));
    w.at("lblfeatures")
        .setCaption("Features won: free spins " + std::to_string(f.freeSpinFeatures) + ", boards " +
                    std::to_string(f.boards));
}

void SessionWindow::btnclose_Click() {
    close();
}

}  // namespace quorvel::info
