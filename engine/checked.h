#pragma once

#include <concepts>
#include <cstdint>
#include <limits>
#include <utility>

namespace quorvel::engine {

// The game's arithmetic never wraps: an assignment whose value does not fit the target's
// width is skipped and the target keeps its old value. Returns whether it was assigned.
template <std::integral T>
bool assignChecked(T& target, long long value) {
    if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max())
        return false;
    target = static_cast<T>(value);
    return true;
}

template <std::integral T>
bool addChecked(T& target, long long amount) {
    long long sum = 0;
    if (__builtin_add_overflow(static_cast<long long>(target), amount, &sum)) return false;
    return assignChecked(target, sum);
}

// Whether target + amount fits the target's width.
template <std::integral T>
bool addFits(T target, long long amount) {
    return addChecked(target, amount);
}

// Several additions made together or not at all: the books never take half a move.
template <std::integral... T>
bool addAll(std::pair<T&, long long>... moves) {
    if (!(addFits(moves.first, moves.second) && ...)) return false;
    (addChecked(moves.first, moves.second), ...);
    return true;
}

// The largest total the books keep in 64 bits: sums of a few of them never overflow.
inline constexpr long long kMaxBookTotal = 1LL << 53;

// A product computed in 16-bit arithmetic; nothing when it overflows.
inline bool mul16(long long a, long long b, std::int16_t& out) {
    return assignChecked(out, a * b);
}

}  // namespace quorvel::engine
