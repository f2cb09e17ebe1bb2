#pragma once

#include <string>
#include <vector>

namespace quorvel::sim {

// A script line that cannot be run, and why; the runner adds its number.
struct Failure {
    std::string reason;
};

inline void expectWords(const std::vector<std::string>& words, std::size_t count) {
    if (words.size() != count)
        throw Failure{words[0] + " takes " + std::to_string(count - 1) + " argument(s)"};
}

}  // namespace quorvel::sim
