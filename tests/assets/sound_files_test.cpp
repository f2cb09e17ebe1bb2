#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "wave_reader.h"

namespace quorvel::assets_test {
namespace {

struct Expected {
    int id;
    int rate;
    int bits;
    double seconds;
};

// The recordings the game loads, as its sound table states them.
constexpr Expected kSounds[] = {
    {102, 22050, 8, 0.23},  {103, 11025, 8, 0.62},  {104, 22050, 16, 0.11}, {105, 11025, 8, 1.14},
    {106, 11025, 8, 1.16},  {107, 44100, 8, 0.50},  {108, 44100, 8, 0.50},  {109, 44100, 8, 0.50},
    {110, 44100, 8, 0.50},  {111, 44100, 8, 0.34},  {112, 44100, 8, 0.33},  {113, 44100, 8, 0.80},
    {114, 44100, 8, 0.72},  {115, 44100, 8, 1.45},  {117, 44100, 8, 1.49},  {118, 44100, 8, 2.53},
    {119, 44100, 8, 2.52},  {120, 11025, 8, 2.84},  {121, 11025, 8, 3.02},  {122, 44100, 8, 2.40},
    {123, 44100, 8, 2.56},  {125, 11025, 8, 5.87},  {126, 44100, 8, 2.53},  {127, 44100, 16, 15.63},
    {128, 11025, 8, 0.14},  {130, 22050, 8, 0.10},  {131, 11025, 8, 2.30},  {132, 44100, 16, 0.09},
    {133, 44100, 16, 0.09}, {134, 44100, 16, 0.10}, {135, 44100, 16, 0.11}, {136, 44100, 16, 0.11},
    {137, 44100, 16, 0.12}, {138, 44100, 16, 2.45}, {139, 44100, 16, 3.45}, {140, 44100, 16, 4.50},
};

std::string soundPath(int id) {
    return std::string(QUORVEL_ASSET_DIR) + "/sounds/RESOURCE_ID_" + std::to_string(id) + ".wav";
}

double decibels(double level) {
    return 20 * std::log10(std::max(level, 1e-9));
}

double peak(const std::vector<double>& s) {
    double p = 0;
    for (double v : s)
        p = std::max(p, std::abs(v));
    return p;
}

double rms(const std::vector<double>& s) {
    double sum = 0;
    for (double v : s)
        sum += v * v;
    return std::sqrt(sum / static_cast<double>(s.size()));
}

class SoundFile : public ::testing::TestWithParam<Expected> {};

TEST_P(SoundFile, IsMonoPcmInTheTableFormat) {
    const auto e = GetParam();
    const auto wave = readWave(soundPath(e.id));
    ASSERT_TRUE(wave.riff);
    ASSERT_TRUE(wave.hasFmt);
    ASSERT_TRUE(wave.hasData);
    EXPECT_EQ(wave.format, 1);
    EXPECT_EQ(wave.channels, 1);
    EXPECT_EQ(wave.rate, e.rate);
    EXPECT_EQ(wave.bits, e.bits);
}

TEST_P(SoundFile, LastsTheTableLengthWithinTenPercent) {
    const auto e = GetParam();
    const auto wave = readWave(soundPath(e.id));
    ASSERT_GT(wave.rate, 0);
    const double seconds = static_cast<double>(wave.samples.size()) / wave.rate;
    EXPECT_NEAR(seconds, e.seconds, e.seconds * 0.1);
}

TEST_P(SoundFile, IsAudibleWithoutClipping) {
    const auto wave = readWave(soundPath(GetParam().id));
    ASSERT_FALSE(wave.samples.empty());
    EXPECT_LE(decibels(peak(wave.samples)), -1.0);
    EXPECT_GE(decibels(peak(wave.samples)), -14.0);
    EXPECT_GE(decibels(rms(wave.samples)), -35.0);
}

TEST_P(SoundFile, StartsAndEndsInSilence) {
    const auto wave = readWave(soundPath(GetParam().id));
    ASSERT_GE(wave.samples.size(), 2u);
    const double quiet = wave.bits == 8 ? 2.0 / 128 : 0.01;
    EXPECT_LE(std::abs(wave.samples.front()), quiet);
    EXPECT_LE(std::abs(wave.samples.back()), quiet);
}

INSTANTIATE_TEST_SUITE_P(Recordings, SoundFile, ::testing::ValuesIn(kSounds),
                         [](const auto& info) { return std::to_string(info.param.id); });

TEST(SoundSet, EveryRecordingIsItsOwnCue) {
    std::set<std::vector<std::uint8_t>> seen;
    for (const auto& e : kSounds) {
        const auto bytes = fileBytes(soundPath(e.id));
        ASSERT_FALSE(bytes.empty()) << e.id;
        EXPECT_TRUE(seen.insert(bytes).second) << "RESOURCE_ID_" << e.id << " repeats another";
    }
}

TEST(SoundSet, CelebrationFanfaresSitAtTheLevelOfTheWinCues) {
    // Neither drowned by nor drowning the win ladder they follow.
    const auto ladderTop = readWave(soundPath(126));
    ASSERT_FALSE(ladderTop.samples.empty());
    double previous = 0;
    for (int id : {138, 139, 140}) {
        const auto wave = readWave(soundPath(id));
        ASSERT_FALSE(wave.samples.empty()) << id;
        EXPECT_NEAR(decibels(peak(wave.samples)), decibels(peak(ladderTop.samples)), 1.0) << id;
        EXPECT_NEAR(decibels(rms(wave.samples)), decibels(rms(ladderTop.samples)), 4.0) << id;
        const double seconds = static_cast<double>(wave.samples.size()) / wave.rate;
        EXPECT_GT(seconds, previous) << "each tier's fanfare outlasts the one below: " << id;
        previous = seconds;
    }
}

TEST(SoundSet, LoopedMusicJoinsItsEndToItsStart) {
    // A sound still ringing when the loop wraps would be cut off audibly.
    for (int id : {123, 127}) {
        const auto wave = readWave(soundPath(id));
        ASSERT_GT(wave.rate, 0);
        const auto edge = static_cast<std::size_t>(wave.rate / 100);
        ASSERT_GT(wave.samples.size(), 2 * edge);
        const std::vector<double> tail(wave.samples.end() - edge, wave.samples.end());
        EXPECT_LE(decibels(peak(tail)), decibels(peak(wave.samples)) - 18.0) << id;
    }
}

// Sign changes per second over the loud part: a rough pitch, enough to order a set.
double crossingRate(const WaveInfo& wave) {
    const double gate = peak(wave.samples) * 0.1;
    int crossings = 0, counted = 0;
    for (std::size_t i = 1; i < wave.samples.size(); ++i) {
        if (std::abs(wave.samples[i]) < gate && std::abs(wave.samples[i - 1]) < gate) continue;
        ++counted;
        crossings += (wave.samples[i] >= 0) != (wave.samples[i - 1] >= 0);
    }
    return counted ? crossings * static_cast<double>(wave.rate) / counted : 0;
}

TEST(SoundSet, StepAndChestCuesClimbInPitch) {
    for (const auto& [first, last] : {std::pair{132, 137}, std::pair{107, 111}}) {
        double previous = 0;
        for (int id = first; id <= last; ++id) {
            const double rate = crossingRate(readWave(soundPath(id)));
            EXPECT_GT(rate, previous * 1.03) << "RESOURCE_ID_" << id;
            previous = rate;
        }
    }
}

}  // namespace
}  // namespace quorvel::assets_test
