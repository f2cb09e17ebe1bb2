#include "corrupt_settings.h"

#include <algorithm>

namespace quorvel::fuzz {
namespace {

using Random = std::mt19937_64;

int below(Random& random, int n) {
    return static_cast<int>(random() % static_cast<std::uint64_t>(n));
}

template <typename T>
const T& pick(Random& random, const std::vector<T>& from) {
    return from[static_cast<std::size_t>(below(random, static_cast<int>(from.size())))];
}

long long inRange(Random& random, int bits) {
    const long long span = 1LL << bits;
    return static_cast<long long>(random() % static_cast<std::uint64_t>(span)) - span / 2;
}

// Appends rather than adds: GCC 12 warns wrongly about overlapping copies in chains of +.
template <typename... Parts>
std::string cat(const Parts&... parts) {
    std::string out;
    (out.append(parts), ...);
    return out;
}

std::string bytes(Random& random, int count) {
    std::string out;
    for (int i = 0; i < count; ++i)
        out.push_back(static_cast<char>(below(random, 256)));
    return out;
}

// Values no conversion should take, and a few it should.
std::string damagedValue(Random& random, const NumericKey& key) {
    const long long limit = (1LL << (key.bits - 1));
    switch (below(random, 16)) {
        case 0:
            return std::string(20 + below(random, 400), '9');
        case 1:
            return cat(std::string("-"),
                       std::to_string(1 + below(random, 50)));  // a negative count
        case 2:
            return std::to_string(limit + below(random, 1000));
        case 3:
            return std::to_string(-limit - 1 - below(random, 1000));
        case 4:
            return cat(std::string("1e"), std::to_string(below(random, 9)));
        case 5:
            return cat(std::string("0x"), std::to_string(below(random, 100)));
        case 6:
            return cat(std::to_string(below(random, 100)), std::string(".5"));
        case 7:
            return cat(std::string("--"), std::to_string(below(random, 100)));
        case 8:
            return cat(std::string("\""), std::to_string(inRange(random, key.bits)),
                       std::string("\""));
        case 9:
            return cat(std::string("@Variant("), bytes(random, below(random, 40)),
                       std::string(")"));
        case 10:
            return cat(std::string("@ByteArray("), bytes(random, below(random, 20)),
                       std::string(")"));
        case 11:
            return "\xd9\xa3";  // an Arabic-Indic three
        case 12:
            return "1,2,3";
        case 13:
            return cat(std::string(" "), std::to_string(inRange(random, key.bits)),
                       std::string(" \t"));
        case 14:
            return "\\x41\\";
        default:
            return bytes(random, below(random, 12));
    }
}

const std::vector<std::string>& sections() {
    static const std::vector<std::string> all{"[player1]",  "[player2]", "[notice]",   "[]",
                                              "[player1",   "[Player1]", "[player 1]", "[player1]]",
                                              "[%General]", "[player7]"};
    return all;
}

std::vector<const NumericKey*> keysOf(const std::string& application) {
    std::vector<const NumericKey*> keys;
    for (const NumericKey& key : numericKeys())
        if (application == key.application) keys.push_back(&key);
    return keys;
}

// One damaged line; never a key that was written intact.
std::string damagedLine(Random& random, const std::vector<const NumericKey*>& untouched) {
    const NumericKey& key = *pick(random, untouched);
    switch (below(random, 11)) {
        case 0:
            return bytes(random, 1 + below(random, 200));
        case 1:
            return cat(std::string(key.name), std::string("="), damagedValue(random, key));
        case 2:
            return cat(std::string(key.name), std::string("="),
                       std::to_string(inRange(random, key.bits)));
        case 3:
            return key.name;  // no "="
        case 4:               // a very long line, now and then
            return cat(
                std::string(key.name), std::string("="),
                std::string(below(random, 8) == 0 ? 10'000 + below(random, 90'000) : 300, 'x'));
        case 5:
            return "currentplayer=Jos\xe9 M\xfcller";  // Latin-1
        case 6:
            return "currentplayer=\xff\xfe\xc3\x28\xa0\xa1";  // not UTF-8
        case 7:
            return pick(random, sections());
        case 8:
            return cat(std::string("="), damagedValue(random, key));
        case 9:
            return cat(std::string(key.name), std::string("="), damagedValue(random, key),
                       std::string("\r"));
        default:
            return cat(std::string(key.name), std::string(" = "), damagedValue(random, key),
                       std::string("\\"));
    }
}

std::string utf16(const std::string& text, bool bigEndian) {
    std::string out = bigEndian ? "\xfe\xff" : "\xff\xfe";
    for (char c : text) {
        const char pair[2] = {bigEndian ? '\0' : c, bigEndian ? c : '\0'};
        out.append(pair, 2);
    }
    return out;
}

// One file: an intact head under "[player1]" whose values are recorded, then damage.
std::string corruptFile(Random& random, const std::string& application, const std::string& kind,
                        std::map<std::string, long long>& intact) {
    std::vector<const NumericKey*> keys = keysOf(application);
    std::shuffle(keys.begin(), keys.end(), random);
    const int kept = kind == "damaged tail" ? below(random, static_cast<int>(keys.size())) : 0;
    std::string head = "[player1]\n";
    for (int i = 0; i < kept; ++i) {
        const long long value = inRange(random, keys[i]->bits);
        head += cat(std::string(keys[i]->name), std::string("="), std::to_string(value),
                    std::string("\n"));
        if (kind == "damaged tail")
            intact[cat(application, std::string("/"), std::string(keys[i]->name))] = value;
    }
    const std::vector<const NumericKey*> untouched(keys.begin() + kept, keys.end());
    std::string tail;
    for (int lines = below(random, 30); lines > 0; --lines)
        tail += damagedLine(random, untouched) + (below(random, 8) == 0 ? "\r\n" : "\n");
    if (below(random, 3) == 0)
        tail.resize(static_cast<std::size_t>(below(random, 1 + int(tail.size()))));
    const std::string whole = head + tail;
    if (kind == "utf-16") return utf16(whole, below(random, 2) == 1);
    if (kind == "truncated")
        return whole.substr(0, static_cast<std::size_t>(below(random, 1 + int(whole.size()))));
    if (kind == "binary") return bytes(random, below(random, 4000));
    if (kind == "no sections") return tail;
    if (kind == "empty") return "";
    return whole;
}

}  // namespace

const std::vector<NumericKey>& numericKeys() {
    static const std::vector<NumericKey> keys{
        {"quorvel", "sizescreen", 16},     {"quorvel", "howmanyspins", 16},
        {"quorvel", "soundonoff", 16},     {"quorvel", "machinepay", 16},
        {"quorvel", "winroll", 16},        {"quorvel", "reelspeed", 16},
        {"quorvel", "amountinvested", 32}, {"quorvel", "wager", 32},
        {"quorvel", "total", 32},          {"quorvel", "bank", 32},
        {"quorvel", "games", 32},          {"quorvel", "grandwon", 16},
        {"quorvel", "majorwon", 16},       {"quorvel", "minorwon", 16},
        {"quorvel", "jackpotbank", 32},    {"allslot", "grand", 32},
        {"allslot", "major", 32},          {"allslot", "minor", 32},
    };
    return keys;
}

CorruptStore corruptStore(Random& random) {
    static const std::vector<std::string> kinds{"damaged tail", "damaged tail", "damaged tail",
                                                "truncated",    "binary",       "utf-16",
                                                "no sections",  "empty"};
    CorruptStore store;
    for (const char* application : {"quorvel", "allslot"}) {
        const std::string& kind = pick(random, kinds);
        store.kind += cat(std::string(application), std::string(": "), kind, std::string("; "));
        store.files[cat(std::string(application), std::string(".ini"))] =
            corruptFile(random, application, kind, store.intact);
    }
    return store;
}

}  // namespace quorvel::fuzz
