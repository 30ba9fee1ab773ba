#pragma once
// The simulation's random source: a 32-bit linear congruential generator and
// the quantities derived from it. Every helper documents how many draws it
// makes, because the draw order is what makes an effect replay identically.

#include <cstdint>

namespace fg {

class Random {
public:
    static constexpr std::uint32_t kMultiplier = 214013u;
    static constexpr std::uint32_t kIncrement = 2531011u;

    void seed(std::uint32_t state) { m_state = state; }
    std::uint32_t state() const { return m_state; }

    // One draw: 0 … 32767.
    int next() {
        m_state = m_state * kMultiplier + kIncrement;
        return static_cast<int>((m_state >> 16) & 0x7FFFu);
    }

    // One draw: 0.00 … 6.27 radians in steps of 0.01.
    float angle();
    // Uniform over an extent s, centred on 0, in steps of 0.01; one draw when
    // the upper bound trunc(s × 50) is positive, otherwise 0 without a draw.
    float centred(float extent);
    // One draw: −1.00 … 0.99.
    float unitJitter();
    // The multiplier of a percentage spread: one draw unless percent is 0
    // (then exactly 1); 1 − e/100 … 1 + (e − 1)/100 in steps of 0.01.
    float spread(std::int32_t percent);
    // One draw: +1 when odd, −1 when even.
    int sign();

private:
    std::uint32_t m_state = 1;  // the C library's initial state
};

// Truncates toward zero, saturating at the int range (NaN gives 0): file
// values may be large enough to overflow a plain conversion.
std::int32_t truncToInt(float value);
// trunc(value) as an unsigned count; negative values count as 0.
std::uint32_t truncToCount(float value);

}  // namespace fg
