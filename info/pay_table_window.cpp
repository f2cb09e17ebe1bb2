#include "info/pay_table_window.h"

#include "info/theoretical_return.h"
#include "platform/layout.h"

namespace quorvel::info {
namespace {

using enum platform::ElementKind;

// clang-format off
// The picture fills the window and leaves its bottom band plain for the return figure and the
// button.
constexpr platform::ElementSpec kDesign[] = {
    {.name = "picpaytable", .kind = PictureBox, .width = kPayTablePictureWidth * 15, .height = kPayTablePictureHeight * 15, .picture = kPayTablePicture},
    {.name = "lblreturn", .kind = Label, .left = 120, .top = 6510, .width = 7380, .height = 300, .fontFamily = "Times New Roman", .fontPoints = 9.75, .fore = {255, 215, 0}, .align = platform::Align::Centre},
    {.name = "btnunloadpays", .kind = CommandButton, .left = 2385, .top = 6960, .width = 3000, .height = 450, .caption = QV_TRANSLATE_NOOP("quorvelpays", "CLOSE PAYTABLE")},
};
constexpr platform::TabStop kTabOrder[] = {{"btnunloadpays", 0}};
// clang-format on

}  // namespace

PayTableWindow::PayTableWindow(platform::Services services, platform::Window& mainScreen,
                               const engine::PlayerValues& player)
    : ChildWindow(services, mainScreen, "quorvelpays", 7770, 7785,
                  services.text.translate("quorvelpays", "QUORVEL PAYTABLE")) {
    platform::buildElements(window(), kDesign, services_.text);
    window().at("lblreturn").setCaption(returnStatement(player.machinepay, services_.text));
    window().on("btnunloadpays", platform::EventKind::Click,
                [this](platform::Event&) { btnunloadpays_Click(); });
    setTabOrder(kTabOrder);
    window().setFocus(&window().at("btnunloadpays"));
}

void PayTableWindow::btnunloadpays_Click() {
    close();
}

}  // namespace quorvel::info
