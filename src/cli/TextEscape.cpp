#include "cli/TextEscape.h"

#include <cstdint>
#include <cstdio>

#include "model/Utf8.h"

namespace fg::cli {
namespace {

constexpr char32_t kInvalid = 0xFFFFFFFFu;

// The code point of the UTF-8 sequence at `at`, moving `at` past it; an
// invalid, overlong, surrogate or out-of-range sequence gives kInvalid and
// moves past its first byte only.
char32_t nextCodePoint(std::string_view text, std::size_t& at) {
    const Utf8Decoded decoded = decodeUtf8(text, at);
    if (decoded.length == 0) {
        ++at;
        return kInvalid;
    }
    at += decoded.length;
    return decoded.codePoint;
}

bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

std::string hexEscape(const char* format, unsigned value) {
    char buffer[12];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

}  // namespace

std::string printableText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = at;
        const char32_t c = nextCodePoint(text, at);
        if (c == kInvalid || c < 0x80) {
            const auto byte = static_cast<unsigned char>(text[start]);
            if (c == kInvalid || isControl(c)) out += hexEscape("\\x%02x", byte);
            else out += static_cast<char>(byte);
        } else if (isControl(c)) {
            out += hexEscape("\\u%04x", static_cast<unsigned>(c));
        } else {
            out.append(text, start, at - start);
        }
    }
    return out;
}

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    out.reserve(text.size() + 2);
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = at;
        const char32_t c = nextCodePoint(text, at);
        if (c == kInvalid) {
            out += "\xEF\xBF\xBD";  // U+FFFD
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (isControl(c)) {
            out += hexEscape("\\u%04x", static_cast<unsigned>(c));
        } else {
            out.append(text, start, at - start);
        }
    }
    return out + "\"";
}

}  // namespace fg::cli
