#pragma once
// Small helpers the subcommands share for reading their arguments.

#include <charconv>
#include <string>

namespace fg::cli {

// The whole text as a decimal integer of type Int; false for anything else.
template <class Int>
bool parseInt(const std::string& text, Int& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

}  // namespace fg::cli
