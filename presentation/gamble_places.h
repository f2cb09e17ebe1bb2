#pragma once

namespace quorvel::presentation {

// Where the won or lost plaque slides on the gamble panel, in twips inside it. It comes to
// rest between the house rules and the betting keys, covering neither.
inline constexpr int kResultLeft = 700;
inline constexpr int kResultFromTop = 10;
inline constexpr int kResultRestTop = 4800;

// The band under the history strip where the house rules are painted on the felt.
inline constexpr int kRulesTop = 4480;
inline constexpr int kRulesHeight = 300;

}  // namespace quorvel::presentation
