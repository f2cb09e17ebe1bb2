#include <cstdio>
#include <filesystem>
#include <string>

#include "tools/soundgen/score.h"
#include "tools/soundgen/wave_file.h"

// Writes every recording of the game as sounds/RESOURCE_ID_nnn.wav under the given folder.
int main(int argc, char** argv) {
    using namespace quorvel::soundgen;
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen <output folder>\n");
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::filesystem::create_directories(folder);
    for (const Cue& cue : cues()) {
        auto samples = render(cue.score(cue.seconds, cue.pitch), cue.rate, cue.seconds);
        finish(samples, cue.rate, cue.peakDb);
        const auto path = folder / ("RESOURCE_ID_" + std::to_string(cue.id) + ".wav");
        if (!writeWave(path.string(), samples, cue.rate, cue.bits)) {
            std::fprintf(stderr, "soundgen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
