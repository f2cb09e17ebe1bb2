#include "info/about_layout.h"

namespace quorvel::info {
namespace {

using enum platform::ElementKind;
constexpr platform::Colour kDarkBlue{0, 0, 128};
constexpr const char* kCasinoTip =
    QV_TRANSLATE_NOOP("aboutquorvel", "This link will take you to an online casino.");

// clang-format off
constexpr platform::ElementSpec kDesign[] = {
    {.name = "picIcon", .kind = PictureBox, .left = 240, .top = 240, .width = 480, .height = 480, .picture = "icon"},
    {.name = "lblTitle", .kind = Label, .left = 840, .top = 120, .width = 4335, .height = 465, .caption = QV_TRANSLATE_NOOP("aboutquorvel", "Quorvel - a pirate video slot"), .fontFamily = "Times New Roman", .fontPoints = 12},
    // The artwork's licence asks for its authors to be named where the game names its own.
    {.name = "lblcredits", .kind = Label, .left = 840, .top = 570, .width = 4950, .height = 360, .caption = QV_TRANSLATE_NOOP("aboutquorvel", "Artwork from Game Icons by Lorc, Delapouite and contributors, CC BY 3.0"), .fontFamily = "Times New Roman", .fontPoints = 6.75, .bold = false},
    {.name = "Label2", .kind = Label, .left = 60, .top = 960, .width = 2655, .height = 375, .caption = QV_TRANSLATE_NOOP("aboutquorvel", "See More Slots At :-"), .fontFamily = "Times New Roman", .fontPoints = 9.75, .align = platform::Align::Right},
    {.name = "cmdtavrin", .kind = CommandButton, .left = 3195, .top = 960, .width = 2115, .height = 315, .caption = "Tavrin", .tooltip = QV_TRANSLATE_NOOP("aboutquorvel", "See more games at Tavrin")},
    {.name = "lblfeedback", .kind = Label, .left = 120, .top = 1470, .width = 3015, .height = 435, .caption = QV_TRANSLATE_NOOP("aboutquorvel", "Any Feedback ? Please email me at :-"), .fontFamily = "Times New Roman", .fontPoints = 9.75, .fore = kDarkBlue},
    {.name = "cmdfeedback", .kind = CommandButton, .left = 3195, .top = 1470, .width = 2115, .height = 330, .caption = QV_TRANSLATE_NOOP("aboutquorvel", "Email Me"), .tooltip = QV_TRANSLATE_NOOP("aboutquorvel", "Any comments ? Please email me.")},
    {.name = "SSCommand1", .kind = CommandButton, .left = 360, .top = 1920, .width = 4935, .height = 495, .caption = QV_TRANSLATE_NOOP("aboutquorvel", "CLICK to try real slots action "), .tooltip = kCasinoTip},
    {.name = "Picture1", .kind = PictureBox, .left = 600, .top = 2520, .width = 4560, .height = 3810, .tooltip = kCasinoTip, .picture = "aboutad"},
    {.name = "Picture2", .kind = PictureBox, .left = 360, .top = 6480, .width = 5145, .height = 2085, .picture = "aboutreturn"},
};

constexpr platform::TabStop kTabOrder[] = {
    {"cmdtavrin", 0}, {"cmdfeedback", 0}, {"SSCommand1", 0}, {"Picture1", 0}, {"Picture2", 0},
};
// clang-format on

}  // namespace

std::span<const platform::ElementSpec> aboutDesign() {
    return kDesign;
}

std::span<const platform::TabStop> aboutTabOrder() {
    return kTabOrder;
}

}  // namespace quorvel::info
