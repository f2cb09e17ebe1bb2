#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quorvel::platform {

struct Language {
    const char* code;  // as stored: quorvel.ini, [general], language
    const char* name;  // in its own tongue, as the options offer it
};

inline constexpr std::array<Language, 4> kLanguages{{
    {"en", "English"},
    {"de", "Deutsch"},
    {"fr", "Fran\u00e7ais"},
    {"es", "Espa\u00f1ol"},
}};

// The stored choice read back: one of the codes, or "auto" for anything else.
std::string storedLanguageChoice(std::string_view stored);

// The system's language from LANGUAGE (a list such as "de:en"), LC_MESSAGES and LANG, in that
// order, as gettext looks; English where none of the game's languages is named.
std::string systemLanguage(std::string_view language, std::string_view lcMessages,
                           std::string_view lang);

}  // namespace quorvel::platform
