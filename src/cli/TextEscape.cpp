#include "cli/TextEscape.h"

#include <cstdint>
#include <cstdio>

namespace fg::cli {
namespace {

constexpr char32_t kInvalid = 0xFFFFFFFFu;

// The code point of the UTF-8 sequence at `at`, moving `at` past it; an
// invalid, overlong, surrogate or out-of-range sequence gives kInvalid and
// moves past its first byte only.
char32_t nextCodePoint(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    std::size_t length = 0;
    char32_t value = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1Fu;
        least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0Fu;
        least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07u;
        least = 0x10000;
    } else {
        ++at;
        return kInvalid;
    }
    if (text.size() - at < length) {
        ++at;
        return kInvalid;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto trail = static_cast<unsigned char>(text[at + k]);
        if ((trail & 0xC0) != 0x80) {
            ++at;
            return kInvalid;
        }
        value = (value << 6) | (trail & 0x3Fu);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++at;
        return kInvalid;
    }
    at += length;
    return value;
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
