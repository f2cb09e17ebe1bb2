#include <gtest/gtest.h>

#include "players/name_text.h"

namespace quorvel::players {
namespace {

TEST(NameText, CountsCharactersNotBytes) {
    EXPECT_EQ(characterCount(""), 0u);
    EXPECT_EQ(characterCount("Jack"), 4u);
    EXPECT_EQ(characterCount("Ελευθερία"), 9u);
    EXPECT_EQ(characterCount("Жанна"), 5u);
    EXPECT_EQ(characterCount("☠ ship"), 6u);
    EXPECT_EQ(characterCount("🦜"), 1u);
}

TEST(NameText, CapitalsInEveryScriptAndOthersLeftAlone) {
    EXPECT_EQ(inCapitals("anne bonny"), "ANNE BONNY");
    EXPECT_EQ(inCapitals("élise"), "ÉLISE");
    EXPECT_EQ(inCapitals("ελένη"), "ΕΛΈΝΗ");
    EXPECT_EQ(inCapitals("жанна"), "ЖАННА");
    EXPECT_EQ(inCapitals("a=b[c];\\d\n7"), "A=B[C];\\D\n7");
    // A byte that is no character stays as it was rather than being lost.
    EXPECT_EQ(inCapitals("a\xffz"), "A\xffZ");
}

}  // namespace
}  // namespace quorvel::players
