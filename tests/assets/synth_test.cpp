#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

#include "tools/soundgen/score.h"
#include "tools/soundgen/wave_file.h"
#include "wave_reader.h"

namespace quorvel::assets_test {
namespace {

using namespace quorvel::soundgen;

int crossings(const std::vector<float>& s, std::size_t from, std::size_t to) {
    int n = 0;
    for (std::size_t i = from + 1; i < to; ++i)
        n += (s[i] >= 0) != (s[i - 1] >= 0);
    return n;
}

float peakOf(const std::vector<float>& s) {
    float p = 0;
    for (float v : s)
        p = std::max(p, std::abs(v));
    return p;
}

TEST(Synth, ASineSoundsAtItsPitchForTheWholeBuffer) {
    const auto s = render({{.length = 2, .freq = 441, .release = 0.01}}, 44100, 1.0);
    ASSERT_EQ(s.size(), 44100u);
    EXPECT_NEAR(crossings(s, 0, s.size()), 2 * 441, 3);
}

TEST(Synth, AGlideEndsHigherThanItStarts) {
    const auto s = render({{.length = 1, .freq = 200, .glideTo = 800}}, 22050, 1.0);
    EXPECT_GT(crossings(s, 19845, 22050), 3 * crossings(s, 0, 2205));
}

TEST(Synth, TheLowPassTakesTheHissOutOfNoise) {
    const Note hiss{.length = 0.5, .wave = Wave::Noise, .seed = 3};
    Note dull = hiss;
    dull.lowpass = 400;
    const auto bright = render({hiss}, 44100, 0.5), dark = render({dull}, 44100, 0.5);
    EXPECT_GT(crossings(bright, 0, bright.size()), 5 * crossings(dark, 0, dark.size()));
}

TEST(Synth, ANoteIsSilentBeforeItsStartAndAfterItsRelease) {
    const auto s = render({{.start = 0.1, .length = 0.1, .freq = 300, .release = 0.05}}, 8000, 0.4);
    EXPECT_EQ(peakOf({s.begin(), s.begin() + 800}), 0.0f);
    EXPECT_EQ(peakOf({s.begin() + 2001, s.end()}), 0.0f);
    EXPECT_GT(peakOf({s.begin() + 900, s.begin() + 1500}), 0.3f);
}

TEST(Synth, FinishingSetsThePeakAndSilencesBothEnds) {
    auto s = render({{.length = 0.5, .freq = 300, .wave = Wave::Square, .attack = 0}}, 22050, 0.5);
    finish(s, 22050, -6);
    EXPECT_NEAR(peakOf(s), std::pow(10.0, -6 / 20.0), 0.01);
    EXPECT_EQ(s.front(), 0.0f);
    EXPECT_LT(std::abs(s.back()), 0.01f);
}

TEST(WaveFile, EightBitSamplesAreUnsignedAroundTheMiddle) {
    const auto path = std::filesystem::temp_directory_path() / "quorvel-synth-8.wav";
    ASSERT_TRUE(writeWave(path.string(), {0.0f, 1.0f, -1.0f, 0.5f, 2.0f}, 11025, 8));
    const auto bytes = fileBytes(path.string());
    ASSERT_EQ(bytes.size(), 44u + 5 + 1);  // odd data is padded to an even chunk
    EXPECT_EQ(bytes[44], 128);
    EXPECT_EQ(bytes[45], 255);
    EXPECT_EQ(bytes[46], 1);
    EXPECT_EQ(bytes[48], 255);  // beyond full scale is clipped
    const auto wave = readWave(path.string());
    EXPECT_EQ(wave.rate, 11025);
    EXPECT_EQ(wave.samples.size(), 5u);
    std::filesystem::remove(path);
}

TEST(WaveFile, SixteenBitSamplesRoundTrip) {
    const auto path = std::filesystem::temp_directory_path() / "quorvel-synth-16.wav";
    const std::vector<float> in{0.0f, 0.25f, -0.75f, 0.999f};
    ASSERT_TRUE(writeWave(path.string(), in, 44100, 16));
    const auto wave = readWave(path.string());
    ASSERT_EQ(wave.samples.size(), in.size());
    for (std::size_t i = 0; i < in.size(); ++i)
        EXPECT_NEAR(wave.samples[i], in[i], 1e-4);
    std::filesystem::remove(path);
}

TEST(CueTable, HoldsEachRecordingOnceWithAScore) {
    std::set<int> ids;
    for (const Cue& cue : cues()) {
        EXPECT_TRUE(ids.insert(cue.id).second) << cue.id;
        EXPECT_FALSE(cue.score(cue.seconds, cue.pitch).empty()) << cue.id;
        EXPECT_LE(cue.peakDb, -1.0) << cue.id;
    }
    EXPECT_EQ(ids.size(), 36u);
}

TEST(CueTable, LoopedCuesLetEveryNoteDieBeforeTheyWrap) {
    for (const Cue& cue : cues()) {
        if (cue.id != 123 && cue.id != 127) continue;
        for (const Note& n : cue.score(cue.seconds, cue.pitch))
            EXPECT_LE(n.start + n.length + n.release, cue.seconds) << cue.id << " at " << n.start;
    }
}

}  // namespace
}  // namespace quorvel::assets_test
