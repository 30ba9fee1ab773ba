#include "model/Tenths.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace fg {
namespace {

std::int32_t truncatedToInt(double value) {
    if (std::isnan(value)) return 0;
    constexpr double kMin = std::numeric_limits<std::int32_t>::min();
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::trunc(std::clamp(value, kMin, kMax)));
}

}  // namespace

std::int32_t tenthsOf(float value) {
    const double scaled = static_cast<double>(value) * 10.0;
    const double whole = std::round(scaled);
    if (static_cast<float>(whole / 10.0) == value) return truncatedToInt(whole);
    return truncatedToInt(scaled);
}

}  // namespace fg
