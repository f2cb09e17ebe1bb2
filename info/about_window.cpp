#include "info/about_window.h"

#include "info/about_layout.h"

namespace quorvel::info {
namespace {

constexpr const char* kOnlineSlotsNeedConnection = QV_TRANSLATE_NOOP(
    "aboutquorvel",
    "Your computer needs to be connected to the internet to play casino slots online !!\r");
constexpr const char* kEmailNeedsConnection = QV_TRANSLATE_NOOP(
    "aboutquorvel", "Your computer needs to be connected to the internet for email !!\r");
constexpr const char* kBePatient =
    QV_TRANSLATE_NOOP("aboutquorvel",
                      "      Please be Patient as this may take a little time !!\r"
                      "You are being taken via Tavrin to a secure web site that encrypts\r"
                      "all transmitted  data according to the secure HTTP protocol.\r");
constexpr const char* kFreeVersionTitle = QV_TRANSLATE_NOOP("aboutquorvel", "Quorvel FREE version");
// Before a casino link names the free version the boxes carry the game's usual title.
constexpr const char* kUsualTitle = "Slots_Quorvel";

}  // namespace

AboutWindow::AboutWindow(platform::Services services, platform::Window& mainScreen)
    : ChildWindow(services, mainScreen, "aboutquorvel", kAboutClientWidth, kAboutClientHeight,
                  platform::fillIn(services.text.translate("aboutquorvel", "About %1"),
                                   {kApplicationTitle})) {
    platform::buildElements(window(), aboutDesign(), services_.text);
    const auto bind = [this](const char* name, void (AboutWindow::*handler)()) {
        window().on(name, platform::EventKind::Click,
                    [this, handler](platform::Event&) { (this->*handler)(); });
    };
    bind("cmdtavrin", &AboutWindow::cmdtavrin_Click);
    bind("cmdfeedback", &AboutWindow::cmdfeedback_Click);
    bind("SSCommand1", &AboutWindow::SSCommand1_Click);
    bind("Picture1", &AboutWindow::Picture1_Click);
    bind("Picture2", &AboutWindow::Picture2_Click);
    window()
        .at("Picture2")
        .setAccessibleName(services_.text.translate("aboutquorvel", "Return to Game"));
    setTabOrder(aboutTabOrder());
    window().setFocus(&window().at("Picture2"));
}

bool AboutWindow::IsConnected() const {
    return services_.links.connectionState() == 1;
}

void AboutWindow::ExecuteLink(const std::string& link) {
    const platform::MousePointer before = window().mousePointer();
    window().setMousePointer(platform::MousePointer::Hourglass);
    const int result = services_.links.open(link);
    window().setMousePointer(before);
    if (result == 0)
        services_.messages.show(
            "ExecuteLink",
            platform::fillIn(
                services_.text.translate("aboutquorvel", "error Opening Link to %1\r\n\r\n%2"),
                {link, std::to_string(result)}),
            platform::MessageIcon::Information);
}

void AboutWindow::cmdtavrin_Click() {
    if (IsConnected())
        ExecuteLink(kMakerSite);
    else
        notConnected(kOnlineSlotsNeedConnection);
    services_.windows.bringToFront(owner());
}

void AboutWindow::cmdfeedback_Click() {
    const std::string link = std::string("mailto:") + kSupportAddress + "?subject=" +
                             services_.text.translate("aboutquorvel", "Anything you wish");
    if (IsConnected())
        services_.links.open(link);
    else
        notConnected(kEmailNeedsConnection);
    services_.windows.bringToFront(owner());
}

void AboutWindow::SSCommand1_Click() {
    openCasino();
}

void AboutWindow::Picture1_Click() {
    openCasino();
}

void AboutWindow::openCasino() {
    boxTitle_ = services_.text.translate("aboutquorvel", kFreeVersionTitle);
    if (IsConnected()) {
        services_.messages.show(boxTitle_, services_.text.translate("aboutquorvel", kBePatient),
                                platform::MessageIcon::Information);
        ExecuteLink(kCasinoPage);
    } else {
        notConnected(kOnlineSlotsNeedConnection);
    }
    services_.windows.bringToFront(owner());
}

void AboutWindow::Picture2_Click() {
    close();
}

void AboutWindow::notConnected(const char* text) {
    services_.messages.show(boxTitle_.empty() ? kUsualTitle : boxTitle_,
                            services_.text.translate("aboutquorvel", text),
                            platform::MessageIcon::Information);
}

}  // namespace quorvel::info
