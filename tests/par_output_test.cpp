// The volatility figures as `quorvel-sim par` prints them.
#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "math/par_sheet.h"
#include "math/volatility.h"

namespace {

std::string output(const std::string& arguments) {
    std::string out;
    FILE* pipe = popen((std::string(QUORVEL_SIM_PATH) + " " + arguments).c_str(), "r");
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        out.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0) << arguments;
    return out;
}

}  // namespace

TEST(ParOutput, JsonCarriesTheVolatility) {
    const auto j = nlohmann::json::parse(output("par --lines 10 --machinepay 2 --json"));
    const auto exact = quorvel::math::volatility(quorvel::math::enumerateNormalSpin(10), 10, 2);
    EXPECT_DOUBLE_EQ(j.at("sd").get<double>(), exact.sd);
    EXPECT_DOUBLE_EQ(j.at("feature_spins_mean").get<double>(), exact.featureSpinsMean);
    EXPECT_DOUBLE_EQ(j.at("feature_spins_sd").get<double>(), exact.featureSpinsSd);
    const auto& tails = j.at("p_at_least");
    ASSERT_EQ(tails.size(), 7u);
    const char* keys[] = {"1", "5", "10", "50", "100", "500", "1000"};
    for (int i = 0; i < 7; ++i)
        EXPECT_DOUBLE_EQ(tails.at(keys[i]).get<double>(), exact.pAtLeast[i]) << keys[i];
    // The feature is 10, 15 or 20 spins before retriggers.
    EXPECT_GT(exact.featureSpinsMean, 10);
    EXPECT_LT(exact.featureSpinsMean, 20);
}

TEST(ParOutput, TextShowsTheVolatilityOfEachSetting) {
    const std::string text = output("par --lines 1");
    for (const char* label : {"sd of a spin's total, total bets", "P(total >= 1 total bets)",
                              "P(total >= 1000 total bets)", "free spins per feature, mean",
                              "free spins per feature, sd"})
        EXPECT_NE(text.find(label), std::string::npos) << label;
}
