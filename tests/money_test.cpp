#include <gtest/gtest.h>

#include "engine/checked.h"
#include "engine/money.h"

using namespace quorvel::engine;

TEST(Money, DollarAndCreditForms) {
    EXPECT_EQ(creditForm(5), "5");
    EXPECT_EQ(dollarForm(5), "$ 0.05");
    EXPECT_EQ(dollarForm(100000), "$ 1000");
    EXPECT_EQ(dollarForm(1250), "$ 12.5");
    EXPECT_EQ(dollarForm(1200), "$ 12");
    EXPECT_EQ(dollarForm(0), "$ 0");
    EXPECT_EQ(dollarForm(123456), "$ 1234.56");
    EXPECT_EQ(dollarForm(2555), "$ 25.55");
    EXPECT_EQ(dollarForm(50), "$ 0.5");
    EXPECT_EQ(dollarForm(-250), "$ -2.5");
    EXPECT_EQ(creditForm(-250), "-250");
    EXPECT_EQ(dollarForm(2147483647), "$ 21474836.47");
    EXPECT_EQ(dollarForm(-2147483647 - 1), "$ -21474836.48");
}

TEST(Money, BetStepsAndLineChoices) {
    const int bets[] = {1, 2, 3, 5, 10, 20};
    for (int step = 1; step <= 6; ++step)
        EXPECT_EQ(betForStep(step), bets[step - 1]);
    for (int step : {0, 7, -1, 32767})
        EXPECT_EQ(betForStep(step), 1) << step;
    const int lines[] = {1, 5, 10, 15, 25};
    for (int choice = 1; choice <= 5; ++choice)
        EXPECT_EQ(linesForChoice(choice), lines[choice - 1]);
    EXPECT_TRUE(isOfferedBet(20));
    EXPECT_FALSE(isOfferedBet(4));
    EXPECT_TRUE(isOfferedLineCount(15));
    EXPECT_FALSE(isOfferedLineCount(20));
}

TEST(Money, FailedAssignmentKeepsTheOldValue) {
    std::int16_t small = 100;
    EXPECT_FALSE(assignChecked(small, 40000));
    EXPECT_EQ(small, 100);
    EXPECT_TRUE(addChecked(small, 32667));
    EXPECT_EQ(small, 32767);
    EXPECT_FALSE(addChecked(small, 1));
    EXPECT_EQ(small, 32767);
    std::int32_t bank = 2147483000;
    EXPECT_FALSE(addChecked(bank, 5000));
    EXPECT_EQ(bank, 2147483000);
    std::int16_t product = 7;
    EXPECT_TRUE(mul16(20, 1500, product));
    EXPECT_EQ(product, 30000);
    EXPECT_FALSE(mul16(30, 1500, product));
    EXPECT_EQ(product, 30000);
}
