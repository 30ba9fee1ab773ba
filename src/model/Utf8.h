#pragma once
// Strict UTF-8 decoding, shared by everything that walks UTF-8 text one code
// point at a time.

#include <cstddef>
#include <string_view>

namespace fg {

// Code point of the strict UTF-8 sequence at text[i] and its length, or a
// length of 0 when the bytes there are not one (overlong forms, surrogates
// and values above U+10FFFF included).
struct Utf8Decoded {
    char32_t codePoint = 0;
    std::size_t length = 0;
};
Utf8Decoded decodeUtf8(std::string_view text, std::size_t i);

}  // namespace fg
