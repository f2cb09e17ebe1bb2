#include "platform/utf8.h"

#include <cstdint>

namespace quorvel::platform::utf8 {
namespace {

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

void append(std::string& text, char32_t code) {
    const auto unit = [](std::uint32_t bits) { return static_cast<char>(bits); };
    if (code < 0x80) {
        text += unit(code);
        return;
    }
    const int extra = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    constexpr std::uint32_t kLead[] = {0, 0xC0, 0xE0, 0xF0};
    text += unit(kLead[extra] | (code >> (6 * extra)));
    for (int shift = 6 * (extra - 1); shift >= 0; shift -= 6)
        text += unit(0x80 | ((code >> shift) & 0x3F));
}

char32_t next(std::string_view text, std::size_t& at, bool* malformed) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    const bool bad = lead >= 0x80 && (extra == 0 || at + extra > text.size());
    if (malformed) *malformed = bad;
    if (extra == 0 || bad) return lead;
    char32_t code = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        if (!isContinuation(text[at + i])) {
            if (malformed) *malformed = true;
            return lead;
        }
        code = (code << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    }
    at += extra;
    return code;
}

void dropLast(std::string& text) {
    while (!text.empty()) {
        const bool continuation = isContinuation(text.back());
        text.pop_back();
        if (!continuation) return;
    }
}

}  // namespace quorvel::platform::utf8
