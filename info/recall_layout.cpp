#include "info/recall_layout.h"

#include <vector>

namespace quorvel::info {
namespace {

using platform::Align;
using enum platform::ElementKind;

// clang-format off
const platform::ElementSpec kFixed[] = {
    // No panel of its own: the window wears the parchment form face like the other windows.
    {.name = "lblrecalltitle", .kind = Label, .left = 300, .top = 120, .width = 6000, .height = 450, .caption = QV_TRANSLATE_NOOP("quorvelrecall", "Game Recall - your last ten games"), .fontPoints = 14.25, .fore = {0, 0, 128}},
    {.name = "Picture1", .kind = PictureBox, .left = 1025, .top = 730, .width = 1875, .height = 5625, .hasBack = true, .back = {0, 0, 0}},
    {.name = "reel1", .kind = Image, .parent = "Picture1", .width = 1875, .height = 54375, .picture = "reel1"},
    {.name = "Picture2", .kind = PictureBox, .left = 3039, .top = 730, .width = 1875, .height = 5625, .hasBack = true, .back = {0, 0, 0}},
    {.name = "reel2", .kind = Image, .parent = "Picture2", .width = 1875, .height = 54375, .picture = "reel2"},
    {.name = "Picture3", .kind = PictureBox, .left = 5094, .top = 730, .width = 1875, .height = 5625, .hasBack = true, .back = {0, 0, 0}},
    {.name = "reel3", .kind = Image, .parent = "Picture3", .width = 1875, .height = 54375, .picture = "reel3"},
    {.name = "Picture4", .kind = PictureBox, .left = 7124, .top = 730, .width = 1875, .height = 5625, .hasBack = true, .back = {0, 0, 0}},
    {.name = "reel4", .kind = Image, .parent = "Picture4", .width = 1875, .height = 54375, .picture = "reel4"},
    {.name = "Picture5", .kind = PictureBox, .left = 9164, .top = 730, .width = 1875, .height = 5625, .hasBack = true, .back = {0, 0, 0}},
    {.name = "reel5", .kind = Image, .parent = "Picture5", .width = 1875, .height = 54375, .picture = "reel5"},
    {.name = "mystery", .kind = PictureBox, .parent = "Picture3", .width = 1875, .height = 1875, .visible = false},
};
const platform::ElementSpec kFigures[] = {
    {.name = "lblplayed", .kind = Label, .left = 6300, .top = 6520, .width = 5400, .height = 300, .fore = {0, 0, 0}},
    {.name = "lblstake", .kind = Label, .left = 6300, .top = 6850, .width = 5400, .height = 300, .fore = {0, 0, 0}},
    {.name = "lblresult", .kind = Label, .left = 6300, .top = 7180, .width = 5400, .height = 300, .fore = {255, 0, 0}},
    {.name = "lblfeature", .kind = Label, .left = 6300, .top = 7510, .width = 5400, .height = 300, .fore = {0, 0, 0}},
    {.name = "lblgamble", .kind = Label, .left = 6300, .top = 7840, .width = 5400, .height = 300, .fore = {0, 0, 0}},
    {.name = "lblcredit", .kind = Label, .left = 6300, .top = 8170, .width = 5400, .height = 300, .fore = {0, 0, 0}},
    {.name = "lblempty", .kind = Label, .left = 1025, .top = 3300, .width = 10014, .height = 600, .visible = false, .caption = QV_TRANSLATE_NOOP("quorvelrecall", "No games played yet"), .fontPoints = 18, .fore = {0, 0, 128}, .align = Align::Centre},
    {.name = "btnclose", .kind = CommandButton, .left = 10300, .top = 8480, .width = 1400, .height = 420, .caption = QV_TRANSLATE_NOOP("quorvelrecall", "Close"), .tooltip = QV_TRANSLATE_NOOP("quorvelrecall", "Back to the game (Esc)")},
};
// clang-format on

std::vector<platform::ElementSpec> buildDesign() {
    std::vector<platform::ElementSpec> design(std::begin(kFixed), std::end(kFixed));
    // Every paid line can be drawn at once: six segments a line, over the reels.
    static const char* const kSegment = "paidline";
    for (int i = 1; i <= kRecallLines * kSegmentsPerLine; ++i)
        design.push_back(
            {.name = kSegment, .index = i, .kind = Line, .visible = false, .lineWidth = 4});
    for (int k = 1; k <= 10; ++k)
        design.push_back({.name = "game",
                          .index = k,
                          .kind = OptionButton,
                          .left = 300,
                          .top = 6520 + 240 * (k - 1),
                          .width = 5700,
                          .height = 240,
                          .fontPoints = 8.25,
                          .fore = {0, 0, 0}});
    design.insert(design.end(), std::begin(kFigures), std::end(kFigures));
    return design;
}

}  // namespace

std::span<const platform::ElementSpec> recallDesign() {
    static const std::vector<platform::ElementSpec> design = buildDesign();
    return design;
}

}  // namespace quorvel::info
