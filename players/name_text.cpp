#include "players/name_text.h"

#include <locale.h>
#include <wctype.h>

#include "platform/utf8.h"

namespace quorvel::players {
namespace {

// The C library's Unicode case table, independent of the locale the process runs in.
locale_t unicodeLocale() {
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    return locale;
}

char32_t upper(char32_t code) {
    if (code >= 'a' && code <= 'z') return code - ('a' - 'A');
    if (code < 0x80 || !unicodeLocale()) return code;
    return static_cast<char32_t>(towupper_l(static_cast<wint_t>(code), unicodeLocale()));
}

}  // namespace

std::string withoutControls(std::string_view utf8) {
    std::string kept;
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t code = platform::utf8::next(utf8, at);
        if (code < 0x20 || (code >= 0x7F && code <= 0x9F)) continue;
        platform::utf8::append(kept, code);
    }
    return kept;
}

std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < utf8.size(); ++count)
        platform::utf8::next(utf8, at);
    return count;
}

std::string inCapitals(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t start = at;
        bool malformed = false;
        const char32_t code = platform::utf8::next(utf8, at, &malformed);
        if (malformed)
            out += utf8[start];  // a stray byte stays as it was
        else
            platform::utf8::append(out, upper(code));
    }
    return out;
}

}  // namespace quorvel::players
