#pragma once

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace quorvel::fuzz {

// A stored number the game keeps, stated here apart from the game's own table.
struct NumericKey {
    const char* application;
    const char* name;
    int bits;  // 16 or 32, signed
};
const std::vector<NumericKey>& numericKeys();

// The two files of one damaged store, and the values that were written as valid decimal
// text, in range, where no damage can reach them (keyed by application/key).
struct CorruptStore {
    std::map<std::string, std::string> files;  // "quorvel.ini", "allslot.ini" -> bytes
    std::map<std::string, long long> intact;
    std::string kind;  // what was done to it, for the failure message
};

// Seeded: the same generator state gives the same store.
CorruptStore corruptStore(std::mt19937_64& random);

}  // namespace quorvel::fuzz
