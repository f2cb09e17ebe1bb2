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
    {.name = "lblsessiontitle", .kind = Label, .left = 120, .top = 90, .width = 9360, .height = 420, .caption = QV_TRANSLATE_NOOP("quorvelsession", "Your Session"), .fontPoints = 14.25, .fore = kNavy, .align = platform::Align::Centre},
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
    {.name = "btnclose", .kind = CommandButton, .left = 7920, .top = 8370, .width = 1440, .height = 450, .caption = QV_TRANSLATE_NOOP("quorvelsession", "Close"), .tooltip = QV_TRANSLATE_NOOP("quorvelsession", "Back to the game (Esc)")},
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
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
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
                  services.text.translate("quorvelsession", "Your Session")) {
    platform::buildElements(window(), kDesign, services_.text);
    const engine::PlayerValues& player = cabinet.player();
    const ReturnOdds odds = returnOdds(cabinet.run().lines, player.machinepay);
    const engine::SessionFigures figures = session.figures(player, services_.events.steadyMs());
    window().at("chtcredit").setChart(creditChart(session.points(), services_.text));
    window().at("chtreturn").setChart(returnChart(session.points(), odds, services_.text));
    window()
        .at("chtcredit")
        .setAccessibleName(services_.text.translate("quorvelsession", "Credit after each game"));
    window()
        .at("chtreturn")
        .setAccessibleName(services_.text.translate("quorvelsession",
                                                    "Return so far against the long-run return"));
    window().at("lblluck").setCaption(luckSentence(figures, odds, services_.text));
    showFigures(figures, odds.mean);
    window().on("btnclose", platform::EventKind::Click,
                [this](platform::Event&) { btnclose_Click(); });
    setTabOrder(kTabOrder);
    window().setFocus(&window().at("btnclose"));
}

void SessionWindow::showFigures(const engine::SessionFigures& f, double longRun) {
    platform::Window& w = window();
    const platform::TextCatalogue& text = services_.text;
    const auto show = [&w](const char* name, const std::string& form,
                           std::initializer_list<std::string> values) {
        w.at(name).setCaption(platform::fillIn(form, values));
    };
    const std::string soFar =
        f.wagered > 0 ? percentText(double(f.won) / double(f.wagered)) : std::string("-");
    show("lblreturn", text.translate("quorvelsession", "Return so far: %1   Long-run return: %2"),
         {soFar, percentText(longRun)});
    show("lbltime", text.translate("quorvelsession", "Time played: %1"), {timeText(f.seconds)});
    show("lblgames", text.translate("quorvelsession", "Games: %1"), {std::to_string(f.games)});
    show("lblwagered", text.translate("quorvelsession", "Wagered: %1"), {money(f.wagered)});
    show("lblwon", text.translate("quorvelsession", "Won: %1"), {money(f.won)});
    show("lblnet", text.translate("quorvelsession", "Net: %1"), {money(f.net)});
    show("lblbiggest", text.translate("quorvelsession", "Biggest win: %1"), {money(f.biggest)});
    show("lblfeatures", text.translate("quorvelsession", "Features won: free spins %1, boards %2"),
         {std::to_string(f.freeSpinFeatures), std::to_string(f.boards)});
}

void SessionWindow::btnclose_Click() {
    close();
}

}  // namespace quorvel::info
