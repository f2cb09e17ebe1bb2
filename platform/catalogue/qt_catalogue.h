#pragma once

#include <QTranslator>
#include <functional>
#include <memory>
#include <string>

#include "platform/text_catalogue.h"

namespace quorvel::platform::qt {

// The game's texts through Qt's translations, compiled into the program from translations/.
// The system's language is read from the environment once, when the catalogue is made.
class QtCatalogue : public TextCatalogue {
public:
    QtCatalogue();
    // With the system's language given, as a test or the simulator wants it.
    explicit QtCatalogue(std::string systemLanguage);
    std::string translate(const char* context, const char* source, const char* comment = nullptr,
                          int n = -1) const override;
    std::string language() const override { return language_; }
    void setLanguage(const std::string& code) override;
    // Told after the language in force has changed, not when it is chosen again.
    void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }
    // The language's short date with the full year, and the time to the minute.
    std::string dateTime(std::int64_t unixSeconds) const override;

private:
    void load(const std::string& code);

    std::string system_;
    std::string language_ = "en";
    std::unique_ptr<QTranslator> translator_;
    std::function<void()> onChange_;
};

}  // namespace quorvel::platform::qt
