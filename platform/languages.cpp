#include "platform/languages.h"

#include <algorithm>
#include <ctime>

#include "platform/text_catalogue.h"

namespace quorvel::platform {
namespace {

bool offered(std::string_view code) {
    return std::any_of(kLanguages.begin(), kLanguages.end(),
                       [code](const Language& l) { return code == l.code; });
}

// "de_AT.UTF-8@euro" -> "de"; "C" and "POSIX" name no language.
std::string_view languagePart(std::string_view locale) {
    return locale.substr(0, locale.find_first_of("_.@"));
}

}  // namespace

std::string storedLanguageChoice(std::string_view stored) {
    return offered(stored) ? std::string(stored) : "auto";
}

std::string systemLanguage(std::string_view language, std::string_view lcMessages,
                           std::string_view lang) {
    // LANGUAGE counts only with a locale set, as in gettext; its first match wins.
    const std::string_view locale = !lcMessages.empty() ? lcMessages : lang;
    if (!locale.empty() && locale != "C" && locale != "POSIX") {
        while (!language.empty()) {
            const auto colon = language.find(':');
            if (offered(languagePart(language.substr(0, colon))))
                return std::string(languagePart(language.substr(0, colon)));
            language = colon == std::string_view::npos ? "" : language.substr(colon + 1);
        }
    }
    const std::string_view part = languagePart(locale);
    return offered(part) ? std::string(part) : "en";
}

std::string TextCatalogue::dateTime(std::int64_t unixSeconds) const {
    const std::time_t when = static_cast<std::time_t>(unixSeconds);
    std::tm local{};
    localtime_r(&when, &local);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &local);
    return text;
}

std::string SourceCatalogue::translate(const char*, const char* source, const char* comment,
                                       int n) const {
    return englishText(source, comment, n);
}

std::string englishText(const char* source, const char* comment, int n) {
    if (n < 0) return source;
    return withCount(n == 1 && comment && *comment ? comment : source, n);
}

std::string withCount(std::string text, int n) {
    const std::string count = std::to_string(n);
    for (auto at = text.find("%n"); at != std::string::npos;
         at = text.find("%n", at + count.size()))
        text.replace(at, 2, count);
    return text;
}

// Built afresh rather than replaced in place: one pass, and a value holding "%2" stays as it is.
std::string fillIn(std::string text, std::initializer_list<std::string> values) {
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto number = at + 1 < text.size() ? text[at + 1] - '1' : -1;
        if (text[at] == '%' && number >= 0 && number < static_cast<int>(values.size())) {
            out += *(values.begin() + number);
            ++at;
        } else {
            out += text[at];
        }
    }
    return out;
}

}  // namespace quorvel::platform
