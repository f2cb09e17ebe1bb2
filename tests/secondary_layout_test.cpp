#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "info/about_layout.h"
#include "players/options_layout.h"

namespace quorvel {
namespace {

using platform::ElementKind;

// Each window's design written out a second time: name, index, container, place, caption.
struct Row {
    const char* name;
    int index;
    const char* parent;
    int left, top, width, height;
    const char* caption;
};

// clang-format off
const Row kOptions[] = {
    {"Framemain", 0, "", 0, 120, 8595, 5415, "Quorvel Options"},
    {"lblplayername", 0, "Framemain", 240, 360, 4200, 255, "Input Players Name                                    Then Enter"},
    {"player1", 0, "Framemain", 1900, 240, 1455, 375, ""},
    {"lblcurrentplayer", 0, "Framemain", 100, 720, 3375, 300, ""},
    {"machine", 1, "Framemain", 100, 1200, 1500, 300, " "},
    {"machine", 4, "Framemain", 100, 2280, 1500, 300, " "},
    {"machine", 6, "Framemain", 100, 3000, 1500, 300, " "},
    {"lblgames", 0, "Framemain", 2000, 1200, 2505, 300, ""},
    {"lblwager", 0, "Framemain", 2000, 1560, 2500, 300, ""},
    {"lblinvested", 0, "Framemain", 2000, 3000, 2500, 300, ""},
    {"lblfreespins", 0, "Framemain", 2010, 3360, 2500, 300, ""},
    {"lblminorwon", 0, "Framemain", 2010, 4440, 2500, 300, ""},
    {"Label1", 0, "Framemain", 120, 3360, 1695, 855, "    Total won does not include any funds from jackpots."},
    {"btnokplayer", 0, "Framemain", 120, 4800, 4335, 435, "O.K. Close and save changes"},
    {"Btndeletedetails", 0, "Framemain", 4680, 4800, 3615, 435, "Delete Current Player"},
    {"payout", 1, "Framemain", 4740, 3700, 3660, 735, "Payout %"},
    {"Amtpayout", 0, "payout", 120, 360, 1000, 300, "Realistic"},
    {"Amtpayout", 1, "payout", 1200, 360, 735, 300, "Loose"},
    {"Amtpayout", 2, "payout", 1920, 360, 1635, 300, "Dream Machine !!"},
    {"Framespeed", 0, "Framemain", 4710, 2350, 3690, 1335, "Reel Speed"},
    {"setspeed", 0, "Framespeed", 120, 360, 375, 300, "1"},
    {"setspeed", 4, "Framespeed", 2520, 360, 375, 300, "5"},
    {"fastslow", 0, "Framespeed", 120, 720, 2895, 255, "<<<Faster                       Slower>>>"},
    {"speedlab", 0, "Framespeed", 135, 960, 2535, 270, ""},
    {"soundonof", 0, "Framemain", 4710, 1380, 1600, 1020, "toggle sound"},
    {"sounds", 1, "soundonof", 105, 375, 1200, 300, " ON"},
    {"sounds", 2, "soundonof", 120, 630, 1300, 300, " OFF"},
    {"Framecounter", 0, "Framemain", 4710, 330, 1600, 930, "Win Counter"},
    {"wincounter", 1, "Framecounter", 105, 285, 1200, 250, ""},
    {"wincounter", 2, "Framecounter", 105, 600, 1200, 250, ""},
    {"Frame1", 0, "", 6400, 455, 1980, 2070, "Screen Size"},
    {"cmdorigonal", 0, "Frame1", 50, 300, 1900, 300, "Origonal Screen Size"},
    {"cmdlargescreen", 0, "Frame1", 50, 800, 1900, 300, "Large Size 800X600"},
    {"Text1", 0, "Frame1", 100, 1200, 1750, 705, "Note :- Some machines \nmay not support this \noption.\n"},
};

// The about window's places are given in pixels; the design holds twips.
const Row kAboutPixels[] = {
    {"picIcon", 0, "", 16, 16, 32, 32, ""},
    {"lblTitle", 0, "", 56, 8, 289, 31, nullptr},
    {"Label2", 0, "", 4, 64, 177, 25, "See More Slots At :-"},
    {"cmdtavrin", 0, "", 213, 64, 141, 21, "Tavrin"},
    {"lblfeedback", 0, "", 8, 98, 201, 29, "Any Feedback ? Please email me at :-"},
    {"cmdfeedback", 0, "", 213, 98, 141, 22, "Email Me"},
    {"SSCommand1", 0, "", 24, 128, 329, 33, "CLICK to try real slots action "},
    {"Picture1", 0, "", 40, 168, 304, 254, ""},
    {"Picture2", 0, "", 24, 432, 343, 139, ""},
};
// clang-format on

void expectDesign(std::span<const platform::ElementSpec> design, const Row& row, int scale) {
    const std::string what = std::string(row.name) + "(" + std::to_string(row.index) + ")";
    for (const platform::ElementSpec& e : design) {
        if (e.name != std::string(row.name) || e.index != row.index) continue;
        EXPECT_EQ(std::string(e.parent), row.parent) << what;
        EXPECT_EQ(e.left, row.left * scale) << what;
        EXPECT_EQ(e.top, row.top * scale) << what;
        EXPECT_EQ(e.width, row.width * scale) << what;
        EXPECT_EQ(e.height, row.height * scale) << what;
        if (row.caption) {
            EXPECT_EQ(std::string(e.caption), row.caption) << what;
        }
        return;
    }
    ADD_FAILURE() << what << " is missing";
}

TEST(SecondaryLayout, TheOptionsWindowHasEveryElementAtItsPlace) {
    for (const Row& row : kOptions)
        expectDesign(players::optionsDesign(), row, 1);
    EXPECT_EQ(players::kOptionsClientWidth, 8580);
    // Grown below the main frame for the reminder and autoplay's stops, and only as far.
    int bottom = 0;
    for (const platform::ElementSpec& e : players::optionsDesign())
        if (*e.parent == '\0') bottom = std::max(bottom, e.top + e.height);
    EXPECT_GE(players::kOptionsClientHeight, std::max(bottom, 5745));
    EXPECT_LE(players::kOptionsClientHeight, bottom + 120);
}

TEST(SecondaryLayout, TheAboutWindowHasEveryElementAtItsPlace) {
    for (const Row& row : kAboutPixels)
        expectDesign(info::aboutDesign(), row, 15);
    EXPECT_EQ(info::kAboutClientWidth, 394 * 15);
    EXPECT_EQ(info::kAboutClientHeight, 585 * 15);
}

// Tab reaches every control that takes input, each once.
TEST(SecondaryLayout, TabStopsAreControlsOfTheDesign) {
    int controls = 0;
    for (const platform::ElementSpec& e : players::optionsDesign())
        if (e.kind == ElementKind::OptionButton || e.kind == ElementKind::CommandButton ||
            e.kind == ElementKind::TextBox)
            ++controls;
    EXPECT_EQ(players::optionsTabOrder().size(), static_cast<std::size_t>(controls));
    for (const platform::TabStop& stop : players::optionsTabOrder()) {
        int found = 0;
        for (const platform::ElementSpec& e : players::optionsDesign())
            found += e.name == std::string(stop.name) && e.index == stop.index;
        EXPECT_EQ(found, 1) << stop.name << "(" << stop.index << ")";
    }
}

}  // namespace
}  // namespace quorvel
