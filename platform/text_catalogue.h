#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

// Names a text for the translators where it is only stored (a layout's caption); it is
// translated where it is shown.
#define QV_TRANSLATE_NOOP(context, source) source

namespace quorvel::platform {

// The game's texts in the player's language. Contexts are the windows' names (and "artwork"
// for painted texts); a text the catalogue lacks is shown as written.
class TextCatalogue {
public:
    virtual ~TextCatalogue() = default;
    // A count (n >= 0) picks the language's plural form and fills in "%n"; the comment is then
    // the English singular ("%n spin left" beside "%n spins left"), which English shows for one.
    virtual std::string translate(const char* context, const char* source,
                                  const char* comment = nullptr, int n = -1) const = 0;
    // "en", "de", "fr" or "es".
    virtual std::string language() const = 0;
    // An unknown code, or "auto", chooses the system's language.
    virtual void setLanguage(const std::string& code) = 0;
    // When a game was played, in the player's time zone and the language's form; English
    // gives the time of day alone, "12:07:45".
    virtual std::string dateTime(std::int64_t unixSeconds) const;
};

// English only: the source texts, whatever language is asked for.
class SourceCatalogue : public TextCatalogue {
public:
    std::string translate(const char* context, const char* source, const char* comment = nullptr,
                          int n = -1) const override;
    std::string language() const override { return "en"; }
    void setLanguage(const std::string&) override {}
};

// The source text itself, its singular for a count of one.
std::string englishText(const char* source, const char* comment, int n);
// "%n" in a text replaced by the count.
std::string withCount(std::string text, int n);
// "%1", "%2", ... replaced by the values in turn, so a translation may place them anywhere.
std::string fillIn(std::string text, std::initializer_list<std::string> values);

}  // namespace quorvel::platform
