#include "players/options_layout.h"

#include "platform/languages.h"

namespace quorvel::players {
namespace {

using enum platform::ElementKind;
constexpr platform::Colour kBlue{0, 0, 255};
constexpr platform::Colour kDarkBlue{0, 0, 128};
constexpr platform::Colour kRed{255, 0, 0};
constexpr platform::Colour kWhite{255, 255, 255};
constexpr platform::Colour kYellow{255, 255, 0};

// clang-format off
constexpr platform::ElementSpec kDesign[] = {
    {.name = "Framemain", .kind = Frame, .left = 0, .top = 120, .width = 8595, .height = 5415, .caption = QV_TRANSLATE_NOOP("quorveloptions", "Quorvel Options")},
    {.name = "lblplayername", .kind = Label, .parent = "Framemain", .left = 240, .top = 360, .width = 4200, .height = 255, .caption = QV_TRANSLATE_NOOP("quorveloptions", "Input Players Name                                    Then Enter"), .fontFamily = "Times New Roman", .fontPoints = 9.75, .fore = kBlue, .autoSize = true},
    {.name = "player1", .kind = TextBox, .parent = "Framemain", .left = 1900, .top = 240, .width = 1455, .height = 375, .fontFamily = "MS Sans Serif", .bold = false},
    {.name = "lblcurrentplayer", .kind = Label, .parent = "Framemain", .left = 100, .top = 720, .width = 3375, .height = 300, .fore = kRed, .border = true},
    {.name = "machine", .index = 1, .kind = OptionButton, .parent = "Framemain", .left = 100, .top = 1200, .width = 1500, .height = 300, .caption = " "},
    {.name = "machine", .index = 2, .kind = OptionButton, .parent = "Framemain", .left = 100, .top = 1560, .width = 1500, .height = 300, .caption = " "},
    {.name = "machine", .index = 3, .kind = OptionButton, .parent = "Framemain", .left = 100, .top = 1920, .width = 1500, .height = 300, .caption = " "},
    {.name = "machine", .index = 4, .kind = OptionButton, .parent = "Framemain", .left = 100, .top = 2280, .width = 1500, .height = 300, .caption = " "},
    {.name = "machine", .index = 5, .kind = OptionButton, .parent = "Framemain", .left = 100, .top = 2640, .width = 1500, .height = 300, .caption = " "},
    {.name = "machine", .index = 6, .kind = OptionButton, .parent = "Framemain", .left = 100, .top = 3000, .width = 1500, .height = 300, .caption = " "},
    {.name = "lblgames", .kind = Label, .parent = "Framemain", .left = 2000, .top = 1200, .width = 2505, .height = 300, .fore = kDarkBlue, .hasBack = true, .back = kWhite, .border = true},
    {.name = "lblwager", .kind = Label, .parent = "Framemain", .left = 2000, .top = 1560, .width = 2500, .height = 300, .fore = kDarkBlue, .hasBack = true, .back = kWhite, .border = true},
    {.name = "lbltotalwon", .kind = Label, .parent = "Framemain", .left = 2000, .top = 1920, .width = 2500, .height = 300, .fore = kDarkBlue, .hasBack = true, .back = kWhite, .border = true},
    {.name = "lblwinlose", .kind = Label, .parent = "Framemain", .left = 2000, .top = 2280, .width = 2500, .height = 300, .fore = kDarkBlue, .hasBack = true, .back = kWhite, .border = true},
    {.name = "lblreturned", .kind = Label, .parent = "Framemain", .left = 2000, .top = 2640, .width = 2500, .height = 300, .fore = kDarkBlue, .hasBack = true, .back = kWhite, .border = true},
    {.name = "lblinvested", .kind = Label, .parent = "Framemain", .left = 2000, .top = 3000, .width = 2500, .height = 300, .fore = kDarkBlue, .hasBack = true, .back = kWhite, .border = true},
    {.name = "lblfreespins", .kind = Label, .parent = "Framemain", .left = 2010, .top = 3360, .width = 2500, .height = 300, .fore = kDarkBlue, .border = true},
    {.name = "lblgrandwon", .kind = Label, .parent = "Framemain", .left = 2010, .top = 3720, .width = 2500, .height = 300, .fore = kDarkBlue, .border = true},
    {.name = "lblmajorwon", .kind = Label, .parent = "Framemain", .left = 2010, .top = 4080, .width = 2500, .height = 300, .fore = kDarkBlue, .border = true},
    {.name = "lblminorwon", .kind = Label, .parent = "Framemain", .left = 2010, .top = 4440, .width = 2500, .height = 300, .fore = kDarkBlue, .border = true},
    {.name = "Label1", .kind = Label, .parent = "Framemain", .left = 120, .top = 3360, .width = 1695, .height = 855, .caption = QV_TRANSLATE_NOOP("quorveloptions", "    Total won does not include any funds from jackpots."), .bold = false, .hasBack = true, .back = kYellow, .border = true},
    {.name = "Framequickstop", .kind = Frame, .parent = "Framemain", .left = 120, .top = 4230, .width = 1695, .height = 540, .caption = QV_TRANSLATE_NOOP("quorveloptions", "Quick Stop")},
    {.name = "quickstop", .index = 1, .kind = OptionButton, .parent = "Framequickstop", .left = 105, .top = 230, .width = 700, .height = 270, .caption = QV_TRANSLATE_NOOP("quorveloptions", " ON")},
    {.name = "quickstop", .index = 2, .kind = OptionButton, .parent = "Framequickstop", .left = 840, .top = 230, .width = 780, .height = 270, .caption = QV_TRANSLATE_NOOP("quorveloptions", " OFF")},
    {.name = "btnokplayer", .kind = CommandButton, .parent = "Framemain", .left = 120, .top = 4800, .width = 4335, .height = 435, .caption = QV_TRANSLATE_NOOP("quorveloptions", "O.K. Close and save changes")},
    {.name = "Btndeletedetails", .kind = CommandButton, .parent = "Framemain", .left = 4680, .top = 4800, .width = 3615, .height = 435, .caption = QV_TRANSLATE_NOOP("quorveloptions", "Delete Current Player")},
    // The option groups, each a frame of its own inside the main frame.
    {.name = "Framecounter", .kind = Frame, .parent = "Framemain", .left = 4710, .top = 330, .width = 1600, .height = 930, .caption = QV_TRANSLATE_NOOP("quorveloptions", "Win Counter")},
    {.name = "wincounter", .index = 1, .kind = OptionButton, .parent = "Framecounter", .left = 105, .top = 285, .width = 1200, .height = 250},
    {.name = "wincounter", .index = 2, .kind = OptionButton, .parent = "Framecounter", .left = 105, .top = 600, .width = 1200, .height = 250},
    {.name = "soundonof", .kind = Frame, .parent = "Framemain", .left = 4710, .top = 1380, .width = 1600, .height = 1020, .caption = QV_TRANSLATE_NOOP("quorveloptions", "toggle sound")},
    {.name = "sounds", .index = 1, .kind = OptionButton, .parent = "soundonof", .left = 105, .top = 375, .width = 1200, .height = 300, .caption = QV_TRANSLATE_NOOP("quorveloptions", " ON")},
    {.name = "sounds", .index = 2, .kind = OptionButton, .parent = "soundonof", .left = 120, .top = 630, .width = 1300, .height = 300, .caption = QV_TRANSLATE_NOOP("quorveloptions", " OFF")},
    {.name = "Framespeed", .kind = Frame, .parent = "Framemain", .left = 4710, .top = 2350, .width = 3690, .height = 1335, .caption = QV_TRANSLATE_NOOP("quorveloptions", "Reel Speed")},
    {.name = "setspeed", .index = 0, .kind = OptionButton, .parent = "Framespeed", .left = 120, .top = 360, .width = 375, .height = 300, .caption = "1"},
    {.name = "setspeed", .index = 1, .kind = OptionButton, .parent = "Framespeed", .left = 720, .top = 360, .width = 375, .height = 300, .caption = "2"},
    {.name = "setspeed", .index = 2, .kind = OptionButton, .parent = "Framespeed", .left = 1320, .top = 360, .width = 375, .height = 300, .caption = "3"},
    {.name = "setspeed", .index = 3, .kind = OptionButton, .parent = "Framespeed", .left = 1920, .top = 360, .width = 375, .height = 300, .caption = "4"},
    {.name = "setspeed", .index = 4, .kind = OptionButton, .parent = "Framespeed", .left = 2520, .top = 360, .width = 375, .height = 300, .caption = "5"},
    {.name = "fastslow", .kind = Label, .parent = "Framespeed", .left = 120, .top = 720, .width = 2895, .height = 255, .caption = QV_TRANSLATE_NOOP("quorveloptions", "<<<Faster                       Slower>>>"), .fontFamily = "Times New Roman", .fontPoints = 9.75, .fore = kDarkBlue},
    {.name = "speedlab", .kind = Label, .parent = "Framespeed", .left = 135, .top = 960, .width = 2535, .height = 270, .fontFamily = "Times New Roman", .fontPoints = 9.75, .fore = kBlue},
    {.name = "payout", .index = 1, .kind = Frame, .parent = "Framemain", .left = 4740, .top = 3700, .width = 3660, .height = 735, .caption = QV_TRANSLATE_NOOP("quorveloptions", "Payout %")},
    {.name = "Amtpayout", .index = 0, .kind = OptionButton, .parent = "payout", .parentIndex = 1, .left = 120, .top = 360, .width = 1000, .height = 300, .caption = QV_TRANSLATE_NOOP("quorveloptions", "Realistic")},
    {.name = "Amtpayout", .index = 1, .kind = OptionButton, .parent = "payout", .parentIndex = 1, .left = 1200, .top = 360, .width = 735, .height = 300, .caption = QV_TRANSLATE_NOOP("quorveloptions", "Loose")},
    {.name = "Amtpayout", .index = 2, .kind = OptionButton, .parent = "payout", .parentIndex = 1, .left = 1920, .top = 360, .width = 1635, .height = 300, .caption = QV_TRANSLATE_NOOP("quorveloptions", "Dream Machine !!")},
    // The screen-size group lies on the window itself, over the main frame.
    {.name = "Frame1", .kind = Frame, .left = 6400, .top = 455, .width = 1980, .height = 2070, .caption = QV_TRANSLATE_NOOP("quorveloptions", "Screen Size")},
    {.name = "cmdorigonal", .kind = CommandButton, .parent = "Frame1", .left = 50, .top = 300, .width = 1900, .height = 300, .caption = QV_TRANSLATE_NOOP("quorveloptions", "Origonal Screen Size")},
    {.name = "cmdlargescreen", .kind = CommandButton, .parent = "Frame1", .left = 50, .top = 800, .width = 1900, .height = 300, .caption = QV_TRANSLATE_NOOP("quorveloptions", "Large Size 800X600")},
    {.name = "Text1", .kind = Label, .parent = "Frame1", .left = 100, .top = 1200, .width = 1750, .height = 705, .caption = QV_TRANSLATE_NOOP("quorveloptions", "Note :- Some machines \nmay not support this \noption.\n"), .bold = false, .fore = kRed, .hasBack = true, .back = kYellow, .border = true},
    // The reminder and autoplay's stops, in a band of their own below the main frame.
    {.name = "Framereminder", .kind = Frame, .left = 0, .top = 5660, .width = 1700, .height = 2040, .caption = QV_TRANSLATE_NOOP("quorveloptions", "Reminder")},
    {.name = "reminder", .index = 0, .kind = OptionButton, .parent = "Framereminder", .left = 120, .top = 300, .width = 1400, .height = 300, .caption = QV_TRANSLATE_NOOP("quorveloptions", "Off")},
    {.name = "reminder", .index = 1, .kind = OptionButton, .parent = "Framereminder", .left = 120, .top = 720, .width = 1400, .height = 300, .caption = QV_TRANSLATE_NOOP("quorveloptions", "15 min")},
    {.name = "reminder", .index = 2, .kind = OptionButton, .parent = "Framereminder", .left = 120, .top = 1140, .width = 1400, .height = 300, .caption = QV_TRANSLATE_NOOP("quorveloptions", "30 min")},
    {.name = "reminder", .index = 3, .kind = OptionButton, .parent = "Framereminder", .left = 120, .top = 1560, .width = 1400, .height = 300, .caption = QV_TRANSLATE_NOOP("quorveloptions", "60 min")},
    {.name = "Frameautostop", .kind = Frame, .left = 1800, .top = 5660, .width = 6780, .height = 2040, .caption = QV_TRANSLATE_NOOP("quorveloptions", "Autoplay stops")},
    {.name = "Framestopspins", .kind = Frame, .parent = "Frameautostop", .left = 120, .top = 260, .width = 6555, .height = 540, .caption = QV_TRANSLATE_NOOP("quorveloptions", "After this many spins")},
    {.name = "Framestoploss", .kind = Frame, .parent = "Frameautostop", .left = 120, .top = 840, .width = 6555, .height = 540, .caption = QV_TRANSLATE_NOOP("quorveloptions", "When the credit has fallen by")},
    {.name = "autostopspins", .index = 0, .kind = OptionButton, .parent = "Framestopspins", .left = 105, .top = 230, .width = 1100, .height = 270, .caption = QV_TRANSLATE_NOOP("quorveloptions", "No limit")},
    {.name = "autostopspins", .index = 1, .kind = OptionButton, .parent = "Framestopspins", .left = 1300, .top = 230, .width = 900, .height = 270, .caption = "10"},
    {.name = "autostopspins", .index = 2, .kind = OptionButton, .parent = "Framestopspins", .left = 2300, .top = 230, .width = 900, .height = 270, .caption = "25"},
    {.name = "autostopspins", .index = 3, .kind = OptionButton, .parent = "Framestopspins", .left = 3300, .top = 230, .width = 900, .height = 270, .caption = "50"},
    {.name = "autostopspins", .index = 4, .kind = OptionButton, .parent = "Framestopspins", .left = 4300, .top = 230, .width = 900, .height = 270, .caption = "100"},
    {.name = "autostopspins", .index = 5, .kind = OptionButton, .parent = "Framestopspins", .left = 5300, .top = 230, .width = 900, .height = 270, .caption = "250"},
    {.name = "autostoploss", .index = 0, .kind = OptionButton, .parent = "Framestoploss", .left = 105, .top = 230, .width = 1100, .height = 270, .caption = QV_TRANSLATE_NOOP("quorveloptions", "No limit")},
    {.name = "autostoploss", .index = 1, .kind = OptionButton, .parent = "Framestoploss", .left = 1300, .top = 230, .width = 900, .height = 270, .caption = "$5"},
    {.name = "autostoploss", .index = 2, .kind = OptionButton, .parent = "Framestoploss", .left = 2300, .top = 230, .width = 900, .height = 270, .caption = "$10"},
    {.name = "autostoploss", .index = 3, .kind = OptionButton, .parent = "Framestoploss", .left = 3300, .top = 230, .width = 900, .height = 270, .caption = "$25"},
    {.name = "autostoploss", .index = 4, .kind = OptionButton, .parent = "Framestoploss", .left = 4300, .top = 230, .width = 900, .height = 270, .caption = "$50"},
    {.name = "autostoploss", .index = 5, .kind = OptionButton, .parent = "Framestoploss", .left = 5300, .top = 230, .width = 900, .height = 270, .caption = "$100"},
    {.name = "Framestopwin", .kind = Frame, .parent = "Frameautostop", .left = 120, .top = 1420, .width = 4300, .height = 540, .caption = QV_TRANSLATE_NOOP("quorveloptions", "On a single win of at least")},
    {.name = "autostopwin", .index = 0, .kind = OptionButton, .parent = "Framestopwin", .left = 105, .top = 230, .width = 1000, .height = 270, .caption = QV_TRANSLATE_NOOP("quorveloptions", "No limit")},
    {.name = "autostopwin", .index = 1, .kind = OptionButton, .parent = "Framestopwin", .left = 1155, .top = 230, .width = 1000, .height = 270, .caption = QV_TRANSLATE_NOOP("quorveloptions", "10× bet")},
    {.name = "autostopwin", .index = 2, .kind = OptionButton, .parent = "Framestopwin", .left = 2205, .top = 230, .width = 1000, .height = 270, .caption = QV_TRANSLATE_NOOP("quorveloptions", "50× bet")},
    {.name = "autostopwin", .index = 3, .kind = OptionButton, .parent = "Framestopwin", .left = 3255, .top = 230, .width = 1000, .height = 270, .caption = QV_TRANSLATE_NOOP("quorveloptions", "100× bet")},
    {.name = "Framestopfeature", .kind = Frame, .parent = "Frameautostop", .left = 4500, .top = 1420, .width = 2175, .height = 540, .caption = QV_TRANSLATE_NOOP("quorveloptions", "When a feature starts")},
    {.name = "autostopfeature", .index = 0, .kind = OptionButton, .parent = "Framestopfeature", .left = 105, .top = 230, .width = 800, .height = 270, .caption = QV_TRANSLATE_NOOP("quorveloptions", " ON")},
    {.name = "autostopfeature", .index = 1, .kind = OptionButton, .parent = "Framestopfeature", .left = 1000, .top = 230, .width = 900, .height = 270, .caption = QV_TRANSLATE_NOOP("quorveloptions", " OFF")},
    // The language, one for the whole installation, in a band of its own at the bottom.
    {.name = "Framelanguage", .kind = Frame, .left = 0, .top = 7780, .width = 8580, .height = 600, .caption = QV_TRANSLATE_NOOP("quorveloptions", "Language")},
    {.name = "language", .index = 0, .kind = OptionButton, .parent = "Framelanguage", .left = 120, .top = 260, .width = 1700, .height = 270, .caption = QV_TRANSLATE_NOOP("quorveloptions", "Automatic")},
    {.name = "language", .index = 1, .kind = OptionButton, .parent = "Framelanguage", .left = 1950, .top = 260, .width = 1300, .height = 270, .caption = platform::kLanguages[0].name},
    {.name = "language", .index = 2, .kind = OptionButton, .parent = "Framelanguage", .left = 3400, .top = 260, .width = 1300, .height = 270, .caption = platform::kLanguages[1].name},
    {.name = "language", .index = 3, .kind = OptionButton, .parent = "Framelanguage", .left = 4850, .top = 260, .width = 1300, .height = 270, .caption = platform::kLanguages[2].name},
    {.name = "language", .index = 4, .kind = OptionButton, .parent = "Framelanguage", .left = 6300, .top = 260, .width = 1300, .height = 270, .caption = platform::kLanguages[3].name},
};

constexpr platform::TabStop kTabOrder[] = {
    {"player1", 0}, {"machine", 1}, {"machine", 2}, {"machine", 3}, {"machine", 4},
    {"machine", 5}, {"machine", 6}, {"wincounter", 1}, {"wincounter", 2}, {"sounds", 1},
    {"sounds", 2}, {"setspeed", 0}, {"setspeed", 1}, {"setspeed", 2}, {"setspeed", 3},
    {"setspeed", 4}, {"Amtpayout", 0}, {"Amtpayout", 1}, {"Amtpayout", 2}, {"quickstop", 1},
    {"quickstop", 2},
    {"reminder", 0}, {"reminder", 1}, {"reminder", 2}, {"reminder", 3},
    {"autostopspins", 0}, {"autostopspins", 1}, {"autostopspins", 2}, {"autostopspins", 3},
    {"autostopspins", 4}, {"autostopspins", 5},
    {"autostoploss", 0}, {"autostoploss", 1}, {"autostoploss", 2}, {"autostoploss", 3},
    {"autostoploss", 4}, {"autostoploss", 5},
    {"autostopwin", 0}, {"autostopwin", 1}, {"autostopwin", 2}, {"autostopwin", 3},
    {"autostopfeature", 0}, {"autostopfeature", 1},
    {"language", 0}, {"language", 1}, {"language", 2}, {"language", 3}, {"language", 4},
    {"cmdorigonal", 0}, {"cmdlargescreen", 0}, {"btnokplayer", 0}, {"Btndeletedetails", 0},
};
constexpr SpokenName kSpokenNames[] = {
    {"player1", 0, QV_TRANSLATE_NOOP("quorveloptions", "Input Players Name")},
    {"reminder", 0, QV_TRANSLATE_NOOP("quorveloptions", "No reminder")},
    {"reminder", 1, QV_TRANSLATE_NOOP("quorveloptions", "Reminder every 15 minutes")},
    {"reminder", 2, QV_TRANSLATE_NOOP("quorveloptions", "Reminder every 30 minutes")},
    {"reminder", 3, QV_TRANSLATE_NOOP("quorveloptions", "Reminder every 60 minutes")},
    {"autostopspins", 0, QV_TRANSLATE_NOOP("quorveloptions", "No spin limit")},
    {"autostopspins", 1, QV_TRANSLATE_NOOP("quorveloptions", "Stop autoplay after 10 spins")},
    {"autostopspins", 2, QV_TRANSLATE_NOOP("quorveloptions", "Stop autoplay after 25 spins")},
    {"autostopspins", 3, QV_TRANSLATE_NOOP("quorveloptions", "Stop autoplay after 50 spins")},
    {"autostopspins", 4, QV_TRANSLATE_NOOP("quorveloptions", "Stop autoplay after 100 spins")},
    {"autostopspins", 5, QV_TRANSLATE_NOOP("quorveloptions", "Stop autoplay after 250 spins")},
    {"autostoploss", 0, QV_TRANSLATE_NOOP("quorveloptions", "No loss limit")},
    {"autostoploss", 1, QV_TRANSLATE_NOOP("quorveloptions", "Stop autoplay when the credit has fallen by $5")},
    {"autostoploss", 2, QV_TRANSLATE_NOOP("quorveloptions", "Stop autoplay when the credit has fallen by $10")},
    {"autostoploss", 3, QV_TRANSLATE_NOOP("quorveloptions", "Stop autoplay when the credit has fallen by $25")},
    {"autostoploss", 4, QV_TRANSLATE_NOOP("quorveloptions", "Stop autoplay when the credit has fallen by $50")},
    {"autostoploss", 5, QV_TRANSLATE_NOOP("quorveloptions", "Stop autoplay when the credit has fallen by $100")},
    {"autostopwin", 0, QV_TRANSLATE_NOOP("quorveloptions", "No win limit")},
    {"autostopwin", 1, QV_TRANSLATE_NOOP("quorveloptions", "Stop autoplay on a win of 10 times the bet")},
    {"autostopwin", 2, QV_TRANSLATE_NOOP("quorveloptions", "Stop autoplay on a win of 50 times the bet")},
    {"autostopwin", 3, QV_TRANSLATE_NOOP("quorveloptions", "Stop autoplay on a win of 100 times the bet")},
    {"autostopfeature", 0, QV_TRANSLATE_NOOP("quorveloptions", "Stop autoplay when a feature starts")},
    {"autostopfeature", 1, QV_TRANSLATE_NOOP("quorveloptions", "Play on through features")},
    {"language", 0, QV_TRANSLATE_NOOP("quorveloptions", "Language as the system's")},
};
// clang-format on

}  // namespace

std::span<const platform::ElementSpec> optionsDesign() {
    return kDesign;
}

std::span<const SpokenName> optionsSpokenNames() {
    return kSpokenNames;
}

std::span<const platform::TabStop> optionsTabOrder() {
    return kTabOrder;
}

}  // namespace quorvel::players
