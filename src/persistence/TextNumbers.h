#pragma once
// Numbers as the settings files hold them: integers in decimal ("%d"),
// floats in fixed point with six decimals ("%f"), read back with the C
// atoi/atof rule (the leading part that forms a number, 0 if none).
// Independent of the process locale: the editor runs under Qt, which sets
// LC_NUMERIC from the environment, and a "," decimal point would corrupt
// every file.

#include <cstdint>
#include <string>
#include <string_view>

namespace fg {

// "%d".
std::string formatInt(std::int64_t value);
// "%f": fixed point, six decimals.
std::string formatFloat(float value);

// atoi: skips leading white space, takes an optional sign and the digits
// that follow; anything else ends the number. Saturates at the 32-bit range
// instead of overflowing.
std::int32_t parseIntLeading(std::string_view text);

// atof, stored as a 32-bit float: the longest leading decimal number
// (sign, digits, point, exponent). A value that is not a finite 32-bit float
// (too large, or "inf"/"nan" texts) reads as 0, so a damaged file cannot put
// infinities into positions or curves.
float parseFloatLeading(std::string_view text);

}  // namespace fg
