#pragma once

#include <array>
#include <cstdint>

namespace quorvel::screen::cue {

// Every recording the game loads at start-up, in loading order.
inline constexpr std::array<const char*, 36> kRecordings{
    "RESOURCE_ID_102", "RESOURCE_ID_103", "RESOURCE_ID_104", "RESOURCE_ID_105", "RESOURCE_ID_106",
    "RESOURCE_ID_107", "RESOURCE_ID_108", "RESOURCE_ID_109", "RESOURCE_ID_110", "RESOURCE_ID_111",
    "RESOURCE_ID_112", "RESOURCE_ID_113", "RESOURCE_ID_114", "RESOURCE_ID_115", "RESOURCE_ID_117",
    "RESOURCE_ID_118", "RESOURCE_ID_119", "RESOURCE_ID_120", "RESOURCE_ID_121", "RESOURCE_ID_122",
    "RESOURCE_ID_123", "RESOURCE_ID_125", "RESOURCE_ID_126", "RESOURCE_ID_127", "RESOURCE_ID_128",
    "RESOURCE_ID_130", "RESOURCE_ID_131", "RESOURCE_ID_132", "RESOURCE_ID_133", "RESOURCE_ID_134",
    "RESOURCE_ID_135", "RESOURCE_ID_136", "RESOURCE_ID_137", "RESOURCE_ID_138", "RESOURCE_ID_139",
    "RESOURCE_ID_140",
};

// Which recording marks which event.
inline constexpr const char* kStartUp = "RESOURCE_ID_117";
inline constexpr const char* kExit = "RESOURCE_ID_130";
inline constexpr const char* kSpinStarted = "RESOURCE_ID_113";
inline constexpr const char* kNotEnoughCredit = "RESOURCE_ID_103";
inline constexpr const char* kReelStop = "RESOURCE_ID_104";
inline constexpr std::array<const char*, 6> kChestLands{"",
                                                        "RESOURCE_ID_107",
                                                        "RESOURCE_ID_108",
                                                        "RESOURCE_ID_109",
                                                        "RESOURCE_ID_110",
                                                        "RESOURCE_ID_111"};
inline constexpr const char* kFreeSpinsWon = "RESOURCE_ID_121";
inline constexpr const char* kFreeSpinMusic = "RESOURCE_ID_127";
inline constexpr const char* kFreeSpinsFinished = "RESOURCE_ID_125";
inline constexpr const char* kFeatureCollected = "RESOURCE_ID_119";
inline constexpr const char* kJackpotBell = "RESOURCE_ID_131";
inline constexpr const char* kJackpotDraw = "RESOURCE_ID_123";
inline constexpr const char* kJackpotDecided = "RESOURCE_ID_125";
inline constexpr const char* kButtonClick = "RESOURCE_ID_130";
inline constexpr const char* kMenuEntry = "RESOURCE_ID_128";
inline constexpr const char* kGambleRedWon = "RESOURCE_ID_114";
inline constexpr const char* kGambleBlackWon = "RESOURCE_ID_117";
inline constexpr std::array<const char*, 5> kGambleSuitWon{"", "RESOURCE_ID_117", "RESOURCE_ID_117",
                                                           "RESOURCE_ID_120", "RESOURCE_ID_115"};
inline constexpr const char* kGambleLost = "RESOURCE_ID_106";
inline constexpr const char* kGambleTaken = "RESOURCE_ID_115";
// Bet step k (1..6) and line step k (1..5) play the k-th of these.
inline constexpr std::array<const char*, 7> kStep{"",
                                                  "RESOURCE_ID_132",
                                                  "RESOURCE_ID_133",
                                                  "RESOURCE_ID_134",
                                                  "RESOURCE_ID_135",
                                                  "RESOURCE_ID_136",
                                                  "RESOURCE_ID_137"};

// The big-win celebrations' fanfares by tier: big, mega, epic.
inline constexpr std::array<const char*, 4> kBigWins{"", "RESOURCE_ID_138", "RESOURCE_ID_139",
                                                     "RESOURCE_ID_140"};

// The win ladder: the cue of a normal spin's win in cents, nullptr for no win.
const char* winCue(std::int32_t spinwin);

}  // namespace quorvel::screen::cue
