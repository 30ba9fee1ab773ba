#include "persistence/TextNumbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace fg {
namespace {

bool isCSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipSpace(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isCSpace(text[i])) ++i;
    return i;
}

std::size_t skipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && isDigit(text[i])) ++i;
    return i;
}

}  // namespace

std::string formatInt(std::int64_t value) { return std::to_string(value); }

std::string formatFloat(float value) {
    char buffer[128];  // FLT_MAX takes 39 digits, plus sign, point and six decimals
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                      std::chars_format::fixed, 6);
    return std::string(buffer, result.ptr);
}

std::int32_t parseIntLeading(std::string_view text) {
    std::size_t i = skipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kLimit) value = kLimit;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

float parseFloatLeading(std::string_view text) {
    std::size_t i = skipSpace(text);
    const std::size_t signPos = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t mantissaStart = i;
    i = skipDigits(text, i);
    bool anyDigit = i > mantissaStart;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionStart = i + 1;
        const std::size_t fractionEnd = skipDigits(text, fractionStart);
        anyDigit = anyDigit || fractionEnd > fractionStart;
        i = fractionEnd;
    }
    if (!anyDigit) return 0.0f;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t e = i + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
        const std::size_t exponentEnd = skipDigits(text, e);
        if (exponentEnd > e) i = exponentEnd;  // an exponent without digits is not part of the number
    }
    // from_chars takes no leading '+'; the sign is applied afterwards.
    double value = 0.0;
    const char* first = text.data() + mantissaStart;
    const auto result = std::from_chars(first, text.data() + i, value, std::chars_format::general);
    if (result.ec != std::errc{}) return 0.0f;  // out of range either way: huge reads as 0, tiny is 0
    if (text[signPos] == '-') value = -value;
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) return 0.0f;
    return static_cast<float>(value);
}

}  // namespace fg
