#include "engine/money.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace quorvel::engine {
namespace {

constexpr std::array<std::int16_t, kBetSteps> kBets{1, 2, 3, 5, 10, 20};
constexpr std::array<std::int16_t, kLineChoices> kLines{1, 5, 10, 15, 25};

}  // namespace

std::string creditForm(std::int32_t cents) {
    return std::to_string(cents);
}

std::string dollarsAndCents(std::int64_t cents) {
    const long long magnitude = cents < 0 ? -static_cast<long long>(cents) : cents;
    char text[48];
    std::snprintf(text, sizeof text, "%s$%lld.%02lld", cents < 0 ? "\u2212" : "", magnitude / 100,
                  magnitude % 100);
    return text;
}

std::string dollars(std::int32_t cents) {
    const long long magnitude = std::llabs(static_cast<long long>(cents));
    std::string text;
    if (cents < 0) text.push_back('-');
    text.append(std::to_string(magnitude / 100));
    const int fraction = static_cast<int>(magnitude % 100);
    if (fraction == 0) return text;
    text += '.';
    text += static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
    return text;
}

std::string dollarForm(std::int32_t cents) {
    return "$ " + dollars(cents);
}

std::int16_t betForStep(int betStep) {
    return betStep >= 1 && betStep <= kBetSteps ? kBets[betStep - 1] : 1;
}

std::int16_t linesForChoice(int lineChoice) {
    return lineChoice >= 1 && lineChoice <= kLineChoices ? kLines[lineChoice - 1] : 25;
}

bool isOfferedBet(int bet) {
    for (auto b : kBets)
        if (b == bet) return true;
    return false;
}

bool isOfferedLineCount(int lines) {
    for (auto l : kLines)
        if (l == lines) return true;
    return false;
}

}  // namespace quorvel::engine
