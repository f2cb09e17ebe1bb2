#include "platform/catalogue/qt_catalogue.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <cstdlib>

#include "platform/languages.h"

namespace quorvel::platform::qt {
namespace {

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// "dd.MM.yy" and "d/M/yy" widened to "dd.MM.yyyy" and "dd/MM/yyyy": the list's dates line up.
QString fullDateFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    format.replace(QRegularExpression("(?<!y)yy(?!y)"), "yyyy");
    format.replace(QRegularExpression("(?<!d)d(?!d)"), "dd");
    format.replace(QRegularExpression("(?<!M)M(?!M)"), "MM");
    return format;
}

}  // namespace

QtCatalogue::QtCatalogue()
    // LC_ALL stands over LC_MESSAGES, as it does for every other program.
    : QtCatalogue(systemLanguage(
          environment("LANGUAGE"),
          !environment("LC_ALL").empty() ? environment("LC_ALL") : environment("LC_MESSAGES"),
          environment("LANG"))) {}

QtCatalogue::QtCatalogue(std::string systemLanguage) : system_(std::move(systemLanguage)) {
    setLanguage("auto");
}

void QtCatalogue::setLanguage(const std::string& code) {
    const std::string before = language_;
    load(code);
    if (language_ != before && onChange_) onChange_();
}

void QtCatalogue::load(const std::string& code) {
    const std::string choice = storedLanguageChoice(code);
    language_ = choice == "auto" ? system_ : choice;
    translator_.reset();
    if (language_ == "en") return;
    auto translator = std::make_unique<QTranslator>();
    // Compiled in as resources; a language without its file stays in English.
    if (translator->load(QString::fromStdString(":/translations/quorvel_" + language_ + ".qm")))
        translator_ = std::move(translator);
    else
        language_ = "en";
}

std::string QtCatalogue::translate(const char* context, const char* source, const char* comment,
                                   int n) const {
    QString text;
    if (translator_) text = translator_->translate(context, source, comment, n);
    if (text.isEmpty()) return englishText(source, comment, n);
    if (n >= 0) text.replace(QStringLiteral("%n"), QString::number(n));
    return text.toStdString();
}

std::string QtCatalogue::dateTime(std::int64_t unixSeconds) const {
    if (language_ == "en") return TextCatalogue::dateTime(unixSeconds);
    const QLocale locale(QString::fromStdString(language_));
    const QDateTime when = QDateTime::fromSecsSinceEpoch(unixSeconds);
    return locale.toString(when, fullDateFormat(locale) + " HH:mm").toStdString();
}

}  // namespace quorvel::platform::qt
