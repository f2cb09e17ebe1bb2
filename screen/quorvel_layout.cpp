#include "screen/quorvel_layout.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "screen/celebration.h"

namespace quorvel::screen {
namespace {

using platform::Align;
using enum platform::ElementKind;

// clang-format off
constexpr platform::ElementSpec kDesign[] = {
    // The five reel windows as one object for assistive technology: beneath everything, it
    // paints nothing, and disabled it leaves the mouse to what lies over it.
    {.name = "reelwindow", .kind = PictureBox, .left = 1025, .top = 730, .width = 10014, .height = 5625, .enabled = false},
    // Reel windows, each clipping its strip, with one highlight box per visible cell.
    {.name = "Picture1", .kind = PictureBox, .left = 1025, .top = 730, .width = 1875, .height = 5625, .hasBack = true, .back = {0, 0, 0}},
    {.name = "reel1", .kind = Image, .parent = "Picture1", .width = 1875, .height = 54375, .picture = "reel1"},
    {.name = "flasher", .index = 1, .kind = PictureBox, .parent = "Picture1", .top = 0, .width = 1875, .height = 1875, .visible = false},
    {.name = "flasher", .index = 2, .kind = PictureBox, .parent = "Picture1", .top = 1875, .width = 1875, .height = 1875, .visible = false},
    {.name = "flasher", .index = 3, .kind = PictureBox, .parent = "Picture1", .top = 3750, .width = 1875, .height = 1875, .visible = false},
    {.name = "Picture2", .kind = PictureBox, .left = 3039, .top = 730, .width = 1875, .height = 5625, .hasBack = true, .back = {0, 0, 0}},
    {.name = "reel2", .kind = Image, .parent = "Picture2", .width = 1875, .height = 54375, .picture = "reel2"},
    {.name = "flasher", .index = 6, .kind = PictureBox, .parent = "Picture2", .top = 0, .width = 1875, .height = 1875, .visible = false},
    {.name = "flasher", .index = 5, .kind = PictureBox, .parent = "Picture2", .top = 1875, .width = 1875, .height = 1875, .visible = false},
    {.name = "flasher", .index = 4, .kind = PictureBox, .parent = "Picture2", .top = 3750, .width = 1875, .height = 1875, .visible = false},
    {.name = "Picture3", .kind = PictureBox, .left = 5094, .top = 730, .width = 1875, .height = 5625, .hasBack = true, .back = {0, 0, 0}},
    {.name = "reel3", .kind = Image, .parent = "Picture3", .width = 1875, .height = 54375, .picture = "reel3"},
    {.name = "flasher", .index = 7, .kind = PictureBox, .parent = "Picture3", .top = 0, .width = 1875, .height = 1875, .visible = false},
    {.name = "flasher", .index = 8, .kind = PictureBox, .parent = "Picture3", .top = 1875, .width = 1875, .height = 1875, .visible = false},
    {.name = "flasher", .index = 9, .kind = PictureBox, .parent = "Picture3", .top = 3750, .width = 1875, .height = 1875, .visible = false},
    {.name = "Picture4", .kind = PictureBox, .left = 7124, .top = 730, .width = 1875, .height = 5625, .hasBack = true, .back = {0, 0, 0}},
    {.name = "reel4", .kind = Image, .parent = "Picture4", .width = 1875, .height = 54375, .picture = "reel4"},
    {.name = "flasher", .index = 12, .kind = PictureBox, .parent = "Picture4", .top = 0, .width = 1875, .height = 1875, .visible = false},
    {.name = "flasher", .index = 11, .kind = PictureBox, .parent = "Picture4", .top = 1875, .width = 1875, .height = 1875, .visible = false},
    {.name = "flasher", .index = 10, .kind = PictureBox, .parent = "Picture4", .top = 3750, .width = 1875, .height = 1875, .visible = false},
    {.name = "Picture5", .kind = PictureBox, .left = 9164, .top = 730, .width = 1875, .height = 5625, .hasBack = true, .back = {0, 0, 0}},
    {.name = "reel5", .kind = Image, .parent = "Picture5", .width = 1875, .height = 54375, .picture = "reel5"},
    {.name = "flasher", .index = 13, .kind = PictureBox, .parent = "Picture5", .top = 0, .width = 1875, .height = 1875, .visible = false},
    {.name = "flasher", .index = 14, .kind = PictureBox, .parent = "Picture5", .top = 1875, .width = 1875, .height = 1875, .visible = false},
    {.name = "flasher", .index = 15, .kind = PictureBox, .parent = "Picture5", .top = 3750, .width = 1875, .height = 1875, .visible = false},
    // Payline segments lie over the reels, so that a paid line is seen across its symbols.
    {.name = "Lineflash", .index = 1, .kind = Line, .visible = false, .fore = {0, 255, 255}, .points = {840, 6720, 840, 6840}, .lineWidth = 10},
    {.name = "Lineflash", .index = 2, .kind = Line, .visible = false, .fore = {0, 255, 255}, .points = {1080, 6840, 1440, 6840}, .lineWidth = 10},
    {.name = "Lineflash", .index = 3, .kind = Line, .visible = false, .fore = {0, 255, 255}, .points = {1800, 6840, 2040, 6840}, .lineWidth = 10},
    {.name = "Lineflash", .index = 4, .kind = Line, .visible = false, .fore = {0, 255, 255}, .points = {2400, 6840, 2640, 6840}, .lineWidth = 10},
    {.name = "Lineflash", .index = 5, .kind = Line, .visible = false, .fore = {0, 255, 255}, .points = {2880, 6840, 3240, 6840}, .lineWidth = 10},
    {.name = "Lineflash", .index = 6, .kind = Line, .visible = false, .fore = {0, 255, 255}, .points = {3480, 6840, 3840, 6840}, .lineWidth = 10},
    // Payline markers: lin(26) is the right-hand marker of line 1.
    {.name = "lin", .index = 1, .kind = Image, .left = 525, .top = 3405, .width = 390, .height = 405},
    {.name = "lin", .index = 2, .kind = Image, .left = 525, .top = 1650, .width = 390, .height = 405},
    {.name = "lin", .index = 3, .kind = Image, .left = 525, .top = 5175, .width = 390, .height = 405},
    {.name = "lin", .index = 4, .kind = Image, .left = 525, .top = 765, .width = 390, .height = 405},
    {.name = "lin", .index = 5, .kind = Image, .left = 525, .top = 6045, .width = 390, .height = 405},
    {.name = "lin", .index = 6, .kind = Image, .left = 525, .top = 1215, .width = 390, .height = 405},
    {.name = "lin", .index = 7, .kind = Image, .left = 525, .top = 5610, .width = 390, .height = 405},
    {.name = "lin", .index = 8, .kind = Image, .left = 525, .top = 2535, .width = 390, .height = 405},
    {.name = "lin", .index = 9, .kind = Image, .left = 525, .top = 4290, .width = 390, .height = 405},
    {.name = "lin", .index = 10, .kind = Image, .left = 525, .top = 2970, .width = 390, .height = 405},
    {.name = "lin", .index = 11, .kind = Image, .left = 525, .top = 3855, .width = 390, .height = 405},
    {.name = "lin", .index = 12, .kind = Image, .left = 525, .top = 2085, .width = 390, .height = 405},
    {.name = "lin", .index = 13, .kind = Image, .left = 525, .top = 4725, .width = 390, .height = 405},
    {.name = "lin", .index = 14, .kind = Image, .left = 11115, .top = 1215, .width = 390, .height = 405},
    {.name = "lin", .index = 15, .kind = Image, .left = 11115, .top = 2085, .width = 390, .height = 405},
    {.name = "lin", .index = 16, .kind = Image, .left = 11115, .top = 5175, .width = 390, .height = 405},
    {.name = "lin", .index = 17, .kind = Image, .left = 11115, .top = 4725, .width = 390, .height = 405},
    {.name = "lin", .index = 18, .kind = Image, .left = 11115, .top = 1650, .width = 390, .height = 405},
    {.name = "lin", .index = 19, .kind = Image, .left = 11115, .top = 5610, .width = 390, .height = 405},
    {.name = "lin", .index = 20, .kind = Image, .left = 11115, .top = 3855, .width = 390, .height = 405, .enabled = false},
    {.name = "lin", .index = 21, .kind = Image, .left = 11115, .top = 2970, .width = 390, .height = 405},
    {.name = "lin", .index = 22, .kind = Image, .left = 11115, .top = 2535, .width = 390, .height = 405},
    {.name = "lin", .index = 23, .kind = Image, .left = 11115, .top = 4290, .width = 390, .height = 405},
    {.name = "lin", .index = 24, .kind = Image, .left = 11115, .top = 6045, .width = 390, .height = 405},
    {.name = "lin", .index = 25, .kind = Image, .left = 11115, .top = 765, .width = 390, .height = 405},
    {.name = "lin", .index = 26, .kind = Image, .left = 11115, .top = 3405, .width = 390, .height = 405},
    // Meters.
    {.name = "panelbank", .kind = Label, .left = 779, .top = 7335, .width = 945, .height = 225, .caption = "123000000", .fontFamily = "Times New Roman", .fontPoints = 9.75, .fore = {255, 255, 0}, .align = Align::Centre, .autoSize = true},
    {.name = "Lblcredit", .kind = Label, .left = 1794, .top = 7350, .width = 900, .height = 195, .caption = "$123000000", .fontFamily = "Times New Roman", .fontPoints = 8.25, .fore = {255, 255, 255}, .align = Align::Centre, .autoSize = true},
    {.name = "lbllines", .kind = Label, .left = 3330, .top = 7335, .width = 225, .height = 225, .caption = "34", .fontFamily = "Times New Roman", .fontPoints = 9.75, .fore = {255, 255, 0}, .align = Align::Centre, .autoSize = true},
    {.name = "lblbet", .kind = Label, .left = 4545, .top = 7335, .width = 60, .height = 195, .fontFamily = "Times New Roman", .fontPoints = 8.25, .fore = {255, 255, 0}, .align = Align::Centre, .autoSize = true},
    {.name = "lbllast", .kind = Label, .left = 5625, .top = 7335, .width = 75, .height = 225, .fontFamily = "Times New Roman", .fontPoints = 9.75, .fore = {255, 255, 0}, .align = Align::Centre, .autoSize = true},
    {.name = "lbltotallast", .kind = Label, .left = 5985, .top = 7335, .width = 750, .height = 225, .fontFamily = "Times New Roman", .fontPoints = 8.25, .fore = {255, 255, 255}},
    {.name = "LABWIN", .kind = Label, .left = 7021, .top = 7350, .width = 750, .height = 225, .caption = "1230000", .fontFamily = "Times New Roman", .fontPoints = 9.75, .fore = {255, 255, 0}, .align = Align::Centre, .autoSize = true},
    {.name = "lblwin", .kind = Label, .left = 8295, .top = 7335, .width = 630, .height = 225, .caption = "659654", .fontFamily = "Times New Roman", .fontPoints = 9.75, .fore = {255, 255, 255}, .autoSize = true},
    {.name = "lblgrand", .kind = Label, .left = 2870, .top = 6600, .width = 1230, .height = 315, .fontFamily = "Arial", .fontPoints = 12, .fore = {0, 0, 255}},
    {.name = "lblmajor", .kind = Label, .left = 6405, .top = 6600, .width = 1410, .height = 315, .fontFamily = "Arial", .fontPoints = 12, .fore = {128, 0, 0}},
    {.name = "lblminor", .kind = Label, .left = 9789, .top = 6600, .width = 1020, .height = 315, .fontFamily = "Arial", .fontPoints = 12, .fore = {0, 0, 0}},
    // The button bar and its six picture keys.
    {.name = "panfreespin", .kind = PictureBox, .left = 0, .top = 7800, .width = 12060, .height = 1290, .tooltip = QV_TRANSLATE_NOOP("quorvel", "For ease  use SPACE BAR to spin reels"), .picture = "panfreespin"},
    {.name = "coinsin", .kind = PictureBox, .parent = "panfreespin", .left = 750, .top = 20, .width = 1635, .height = 810, .enabled = true, .tooltip = QV_TRANSLATE_NOOP("quorvel", "CLICK to insert $50.00 of credit"), .picture = "coinsin"},
    {.name = "payline", .kind = PictureBox, .parent = "panfreespin", .left = 2520, .top = 20, .width = 1545, .height = 810, .enabled = true, .tooltip = QV_TRANSLATE_NOOP("quorvel", "CLICK to select LINES 1 to 25"), .picture = "payline"},
    {.name = "btnbet", .kind = PictureBox, .parent = "panfreespin", .left = 4220, .top = 20, .width = 1590, .height = 810, .enabled = true, .tooltip = QV_TRANSLATE_NOOP("quorvel", "CLICK to choose how many coins to bet per LINE"), .picture = "btnbet"},
    {.name = "btnspin", .kind = PictureBox, .parent = "panfreespin", .left = 5910, .top = 20, .width = 1590, .height = 810, .enabled = true, .tooltip = "", .picture = "btnspin"},
    {.name = "doublebutton", .kind = PictureBox, .parent = "panfreespin", .left = 7455, .top = 20, .width = 1560, .height = 810, .enabled = false, .tooltip = "", .picture = "doublebutton"},
    {.name = "autoplayon", .kind = PictureBox, .parent = "panfreespin", .left = 9200, .top = 20, .width = 1740, .height = 810, .enabled = true, .tooltip = QV_TRANSLATE_NOOP("quorvel", "CLICK to turn AUTOPLAY ON or OFF"), .picture = "autoplayon"},
    {.name = "btnoptions", .kind = PictureBox, .left = 9135, .top = 6990, .width = 1155, .height = 705, .tooltip = QV_TRANSLATE_NOOP("quorvel", "Options, CLICK to VIEW"), .picture = "btnoptions"},
    {.name = "btnopenmenu", .kind = PictureBox, .left = 10322, .top = 6980, .width = 1155, .height = 705, .picture = "btnopenmenu"},
    {.name = "btnstartall", .kind = CommandButton, .left = 105, .top = 7035, .width = 435, .height = 540, .visible = false, .caption = "Command1"},
    // The pop-up menu.
    {.name = "menupic", .kind = PictureBox, .left = 10185, .top = 3720, .width = 1815, .height = 3855, .visible = false, .picture = "menupic"},
    {.name = "about", .kind = CommandButton, .parent = "menupic", .left = 120, .top = 120, .width = 1560, .height = 510, .picture = "about"},
    {.name = "mnuviewpaytable", .kind = CommandButton, .parent = "menupic", .left = 120, .top = 720, .width = 1560, .height = 510, .picture = "mnuviewpaytable"},
    {.name = "viewpaylines", .kind = CommandButton, .parent = "menupic", .left = 120, .top = 1320, .width = 1560, .height = 510, .picture = "viewpaylines"},
    {.name = "xit", .kind = CommandButton, .parent = "menupic", .left = 120, .top = 1920, .width = 1560, .height = 510, .picture = "xit"},
    {.name = "gamehistory", .kind = CommandButton, .parent = "menupic", .left = 120, .top = 2520, .width = 1560, .height = 510, .picture = "gamehistory"},
    {.name = "mnusession", .kind = CommandButton, .parent = "menupic", .left = 120, .top = 3120, .width = 1560, .height = 510, .picture = "mnusession"},
    // The gamble panel.
    {.name = "pandouble", .kind = PictureBox, .left = 3360, .top = 630, .width = 4080, .height = 5880, .visible = false, .picture = "pandouble"},
    {.name = "risklab", .kind = Label, .parent = "pandouble", .left = 120, .top = 100, .width = 3840, .height = 450, .fontFamily = "Times New Roman", .fontPoints = 18, .fore = {255, 255, 0}, .align = Align::Centre},
    {.name = "piccardholder", .kind = Image, .parent = "pandouble", .left = 1260, .top = 600, .width = 1560, .height = 2355, .picture = "cardback", .border = true, .stretch = true},
    {.name = "suitbet", .index = 1, .kind = PictureBox, .parent = "pandouble", .left = 240, .top = 700, .width = 810, .height = 810, .tooltip = QV_TRANSLATE_NOOP("quorvel", "Bet on Hearts"), .stretch = true},
    {.name = "suitbet", .index = 2, .kind = PictureBox, .parent = "pandouble", .left = 240, .top = 1700, .width = 810, .height = 810, .tooltip = QV_TRANSLATE_NOOP("quorvel", "Bet on Clubs"), .stretch = true},
    {.name = "suitbet", .index = 3, .kind = PictureBox, .parent = "pandouble", .left = 3030, .top = 700, .width = 810, .height = 810, .tooltip = QV_TRANSLATE_NOOP("quorvel", "Bet on Diamonds"), .stretch = true},
    {.name = "suitbet", .index = 4, .kind = PictureBox, .parent = "pandouble", .left = 3030, .top = 1700, .width = 810, .height = 810, .tooltip = QV_TRANSLATE_NOOP("quorvel", "Bet on Spades"), .stretch = true},
    {.name = "lblblackred", .kind = Label, .parent = "pandouble", .left = 120, .top = 3000, .width = 3840, .height = 300, .fontPoints = 12, .fore = {255, 255, 255}, .align = Align::Centre},
    {.name = "lblsuit", .kind = Label, .parent = "pandouble", .left = 120, .top = 3300, .width = 3840, .height = 300, .visible = false, .fontPoints = 12, .fore = {255, 255, 255}, .align = Align::Centre},
    {.name = "Lblpasthistory", .kind = Label, .parent = "pandouble", .left = 120, .top = 3600, .width = 3840, .height = 360, .caption = QV_TRANSLATE_NOOP("quorvel", "past history"), .fontPoints = 15.75, .fore = {255, 255, 255}, .align = Align::Centre},
    {.name = "historypic", .index = 1, .kind = CommandButton, .parent = "pandouble", .left = 360, .top = 3960, .width = 495, .height = 495, .visible = false, .stretch = true},
    {.name = "historypic", .index = 2, .kind = CommandButton, .parent = "pandouble", .left = 960, .top = 3960, .width = 495, .height = 495, .visible = false, .stretch = true},
    {.name = "historypic", .index = 3, .kind = CommandButton, .parent = "pandouble", .left = 1560, .top = 3960, .width = 495, .height = 495, .visible = false, .stretch = true},
    {.name = "historypic", .index = 4, .kind = CommandButton, .parent = "pandouble", .left = 2160, .top = 3960, .width = 495, .height = 495, .visible = false, .stretch = true},
    {.name = "historypic", .index = 5, .kind = CommandButton, .parent = "pandouble", .left = 2760, .top = 3960, .width = 495, .height = 495, .visible = false, .stretch = true},
    {.name = "betred", .kind = CommandButton, .parent = "pandouble", .left = 240, .top = 5310, .width = 1020, .height = 450, .tooltip = QV_TRANSLATE_NOOP("quorvel", "Bet on Red"), .picture = "betred"},
    {.name = "cancelbet", .kind = CommandButton, .parent = "pandouble", .left = 1260, .top = 5310, .width = 1560, .height = 450, .tooltip = QV_TRANSLATE_NOOP("quorvel", "Chicken out and take win"), .picture = "cancelbet"},
    {.name = "betblack", .kind = CommandButton, .parent = "pandouble", .left = 2820, .top = 5310, .width = 1020, .height = 450, .tooltip = QV_TRANSLATE_NOOP("quorvel", "Bet on Black"), .picture = "betblack"},
    {.name = "gamblewin", .kind = Image, .parent = "pandouble", .left = 700, .top = 10, .width = 2250, .height = 450, .visible = false, .picture = "gamblewin"},
    {.name = "gamblelose", .kind = Image, .parent = "pandouble", .left = 700, .top = 10, .width = 2250, .height = 450, .visible = false, .picture = "gamblelose"},
    // The jackpot board.
    {.name = "jackpotframe", .kind = PictureBox, .left = 945, .top = 735, .width = 10155, .height = 5730, .visible = false, .picture = "jackpotframe"},
    {.name = "jackpotpicture", .kind = Image, .parent = "jackpotframe", .left = 1867, .top = 1650, .width = 6420, .height = 2430, .stretch = true},
    {.name = "lbljackpotwon", .kind = Label, .parent = "jackpotframe", .left = 1740, .top = 3075, .width = 6675, .height = 900, .visible = false, .fontPoints = 27.75, .italic = true, .fore = {255, 255, 0}, .align = Align::Centre},
    {.name = "jackpotball11", .kind = FeatureControl, .parent = "jackpotframe", .width = 1800, .height = 1800, .picture = "jackpotball1"},
    {.name = "jackpotball21", .kind = FeatureControl, .parent = "jackpotframe", .width = 1800, .height = 1800, .picture = "jackpotball2"},
    {.name = "jackpotball31", .kind = FeatureControl, .parent = "jackpotframe", .width = 1800, .height = 1800, .picture = "jackpotball3"},
    // Panels and banners that wait for their feature.
    {.name = "pannomoney", .kind = Panel, .left = 1440, .top = 2880, .width = 9405, .height = 2220, .visible = false, .caption = QV_TRANSLATE_NOOP("quorvel", "Not enough credit for this bet !, reduce your bet or click the \"Insert Credit Button \" for more credit."), .fontPoints = 13.5, .fore = {255, 0, 0}, .hasBack = true, .back = {255, 255, 192}, .align = Align::Centre, .border = true},
    {.name = "takewin", .kind = CommandButton, .left = 4725, .top = 7980, .width = 1710, .height = 510, .visible = false, .picture = "takewin"},
    {.name = "Btnreturn2game", .kind = CommandButton, .left = 369, .top = 7850, .width = 11235, .height = 870, .visible = false, .picture = "Btnreturn2game"},
    {.name = "ctlfrees1", .kind = FeatureControl, .left = 1600, .top = 7840, .width = 7095, .height = 975, .visible = false, .picture = "ctlfrees"},
    // Raised from its design place, whose lower edge ran past the window.
    {.name = "ctrlfreesleft1", .kind = FeatureControl, .left = 1906, .top = 7800, .width = 8535, .height = 1200, .visible = false, .picture = "ctrlfreesleft"},
    {.name = "freespinscompleted1", .kind = FeatureControl, .left = 1705, .top = 5100, .width = 8655, .height = 1095, .visible = false, .picture = "freespinscompleted"},
    // The count stands after the "=" in the banner's dark window, light on dark to read at a glance.
    // Autoplay's own sentences over the help strip: the spins left, or why it stopped.
    {.name = "lblautoplay", .kind = Label, .left = 2400, .top = 8380, .width = 7200, .height = 330, .visible = false, .fontPoints = 12, .fore = {70, 30, 10}, .hasBack = true, .back = {240, 226, 196}, .align = Align::Centre},
    {.name = "spinsleft", .kind = Label, .left = 8880, .top = 7950, .width = 1350, .height = 900, .visible = false, .fontPoints = 36, .fore = {255, 240, 150}, .hasBack = true, .back = {24, 10, 8}, .align = Align::Centre},
    // The player's volume on the help strip: a mute key and a bar of ten steps.
    {.name = "btnmute", .kind = PictureBox, .left = 10350, .top = 8625, .width = 270, .height = 270, .tooltip = QV_TRANSLATE_NOOP("quorvel", "CLICK to turn the sound off or on (M)")},
    {.name = "volumebar", .kind = PictureBox, .left = 10710, .top = 8640, .width = 1140, .height = 240, .tooltip = QV_TRANSLATE_NOOP("quorvel", "CLICK to set the volume")},
    // Image lists: indexed frames, not drawn themselves.
    {.name = "ImageList1", .kind = ImageList, .visible = false, .images = 13, .imageWidth = 125, .imageHeight = 125},
    {.name = "ImageList2", .kind = ImageList, .visible = false, .images = 19, .imageWidth = 125, .imageHeight = 125},
    {.name = "morphing", .kind = ImageList, .visible = false, .images = 12, .imageWidth = 125, .imageHeight = 125},
    {.name = "jackpotwin", .kind = ImageList, .visible = false, .images = 9, .imageWidth = 429, .imageHeight = 162},
    {.name = "linepics", .kind = ImageList, .visible = false, .images = 50, .imageWidth = 23, .imageHeight = 23},
    {.name = "mutepics", .kind = ImageList, .visible = false, .images = 2, .imageWidth = 18, .imageHeight = 18},
    {.name = "volumepics", .kind = ImageList, .visible = false, .images = 11, .imageWidth = 76, .imageHeight = 16},
    {.name = "imagelistcards", .kind = ImageList, .visible = false, .images = 24, .imageWidth = 100, .imageHeight = 153},
};
// clang-format on

constexpr platform::TimerSpec kTimers[] = {
    {"tmrshowbuttons", 200, true},    {"tmrtick", 100, false},
    {"tmrautospin", 800, false},      {"Timerwincounter", 50, false},
    {"Timerrespin", 200, false},      {"Timer4", 100, false},
    {"tmrfrees", 100, false},         {"tmrshowjackpot", 100, false},
    {"tmrdecidejackpot", 100, false}, {"tmrbell", 100, false},
    {"Timerscatters", 100, false},    {"tmrlineflash", 100, false},
};

static_assert(std::size(kTimers) == static_cast<std::size_t>(Timer::tmrlineflash) + 1);

}  // namespace

std::span<const platform::ElementSpec> mainScreenDesign() {
    return kDesign;
}
platform::Window& buildMainScreen(platform::Window& window, const platform::TextCatalogue& text) {
    window.setCaption(kMainDesignCaption);
    window.setBackground(platform::Picture{"background", 0});
    // The celebration lies over the reels and their paylines, under all that opens over them.
    const std::span<const platform::ElementSpec> design = mainScreenDesign();
    const auto meters = std::find_if(design.begin(), design.end(), [](const auto& row) {
        return std::string_view(row.name) == "panelbank";
    });
    const auto split = static_cast<std::size_t>(meters - design.begin());
    platform::buildElements(window, design.first(split), text);
    platform::buildElements(window, celebrationDesign(), text);
    platform::buildElements(window, design.subspan(split), text);
    return window;
}

std::span<const platform::TimerSpec> mainScreenTimers() {
    return kTimers;
}

const char* timerName(Timer timer) {
    return kTimers[static_cast<std::size_t>(timer)].name;
}

}  // namespace quorvel::screen
