#pragma once

#include <cstdint>
#include <string>

namespace quorvel::engine {

// Amounts are whole cents. Credit form: the number of cents ("1250").
std::string creditForm(std::int32_t cents);
// Dollar form: "$ " and the amount in dollars, shortest decimal ("$ 12.5", "$ 0.05").
std::string dollarForm(std::int32_t cents);
// The dollars alone, shortest decimal ("12.5").
std::string dollars(std::int32_t cents);
// Dollars and cents, as sentences say them: "$103.00", "\u2212$15.50".
std::string dollarsAndCents(std::int64_t cents);

inline constexpr int kBetSteps = 6;
// Bet per line in cents for a bet step 1..6; any other step gives 1.
std::int16_t betForStep(int betStep);

inline constexpr int kLineChoices = 5;
// Lines played for a line choice 1..5; any other choice gives 25.
std::int16_t linesForChoice(int lineChoice);

bool isOfferedBet(int bet);
bool isOfferedLineCount(int lines);

}  // namespace quorvel::engine
