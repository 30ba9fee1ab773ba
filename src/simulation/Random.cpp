#include "simulation/Random.h"

#include <cmath>
#include <limits>

namespace fg {

std::int32_t truncToInt(float value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483648.0f) return std::numeric_limits<std::int32_t>::max();
    if (value <= -2147483648.0f) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::uint32_t truncToCount(float value) {
    const std::int32_t whole = truncToInt(value);
    return whole < 0 ? 0u : static_cast<std::uint32_t>(whole);
}

float Random::angle() { return static_cast<float>(next() % 628) / 100.0f; }

float Random::centred(float extent) {
    const std::int32_t lo = truncToInt(extent * -0.5f * 100.0f);
    const std::int32_t hi = truncToInt(extent * 0.5f * 100.0f);
    if (hi <= 0) return 0.0f;
    // hi − lo fits in 64 bits even at the saturated ends.
    const std::int64_t range = static_cast<std::int64_t>(hi) - lo;
    const std::int64_t value = next() % range + lo;
    return static_cast<float>(value) / 100.0f;
}

float Random::unitJitter() { return static_cast<float>(next() % 200 - 100) / 100.0f; }

float Random::spread(std::int32_t percent) {
    if (percent == 0) return 1.0f;
    // 2e in 64 bits: a file may hold a percentage near the int limit. The
    // remainder keeps the dividend's sign, as in C.
    const std::int64_t e = percent;
    const std::int64_t value = next() % (2 * e) - e + 100;
    return static_cast<float>(value) / 100.0f;
}

int Random::sign() { return next() % 100 % 2 == 1 ? 1 : -1; }

}  // namespace fg
