#pragma once
// Text from project files shown by the command-line tool: names may hold
// control characters (which a terminal would obey) or bytes that are not
// UTF-8 (which JSON cannot carry). Both forms below are safe to print.

#include <string>
#include <string_view>

namespace fg::cli {

// For a terminal: control characters (C0, DEL, C1) become \xNN or \u00NN
// and bytes that are not UTF-8 become \xNN; everything else is kept.
std::string printableText(std::string_view text);

// A JSON string literal with the quotes: valid UTF-8, with \uXXXX for
// control characters and U+FFFD for each byte that is not UTF-8.
std::string jsonString(std::string_view text);

}  // namespace fg::cli
