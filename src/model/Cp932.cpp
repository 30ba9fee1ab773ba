#include "model/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>

namespace fg {
namespace {

// One iconv conversion descriptor, opened at the first conversion (opening
// costs far more than converting a name, and ASCII text needs none) and
// closed on scope exit.
class Iconv {
public:
    Iconv(const char* to, const char* from) : m_to(to), m_from(from) {}
    ~Iconv() {
        if (m_cd != kClosed) iconv_close(m_cd);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // Converts one unit; returns false when it cannot be converted.
    bool convert(std::string_view in, std::string& out) {
        if (m_cd == kClosed) m_cd = iconv_open(m_to, m_from);
        if (m_cd == kClosed) return false;
        char buffer[16];
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);  // reset shift state
        if (iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return false;
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        return true;
    }

private:
    static inline const iconv_t kClosed = reinterpret_cast<iconv_t>(-1);
    const char* m_to;
    const char* m_from;
    iconv_t m_cd = kClosed;
};

// Length of the UTF-8 sequence starting at s[i], or 0 when it is malformed.
std::size_t utf8SequenceLength(std::string_view s, std::size_t i) {
    const auto lead = static_cast<std::uint8_t>(s[i]);
    std::size_t length = 0;
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) length = 2;
    else if ((lead & 0xF0) == 0xE0) length = 3;
    else if ((lead & 0xF8) == 0xF0) length = 4;
    else return 0;
    if (i + length > s.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<std::uint8_t>(s[i + k]) & 0xC0) != 0x80) return 0;
    }
    return length;
}

bool isCp932Lead(std::uint8_t byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }
bool isCp932Trail(std::uint8_t byte) { return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC); }

// Length of the cp932 character starting at s[i]: a lead byte and a trail
// byte make a two-byte character. A lead byte without a trail after it gives
// 0: it is no character, and the byte after it (a line feed, say) is read on
// its own.
std::size_t cp932SequenceLength(std::string_view s, std::size_t i) {
    if (!isCp932Lead(static_cast<std::uint8_t>(s[i]))) return 1;
    return i + 1 < s.size() && isCp932Trail(static_cast<std::uint8_t>(s[i + 1])) ? 2 : 0;
}

// Calls visit(utf8Char, cp932Bytes) for every character of the UTF-8 text.
template <typename Visit>
void forEachCp932Char(std::string_view utf8, Visit&& visit) {
    Iconv toCp932("CP932", "UTF-8");
    std::string encoded;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t length = utf8SequenceLength(utf8, i);
        encoded.clear();
        if (length == 0) {
            length = 1;
            encoded.assign(1, '?');
        } else if (length == 1) {
            encoded.assign(1, utf8[i]);
        } else if (!toCp932.convert(utf8.substr(i, length), encoded)) {
            encoded.assign(1, '?');
        }
        if (!visit(utf8.substr(i, length), std::string_view(encoded))) return;
        i += length;
    }
}

}  // namespace

std::string utf8ToCp932(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    forEachCp932Char(utf8, [&](std::string_view, std::string_view encoded) {
        out.append(encoded);
        return true;
    });
    return out;
}

std::string cp932ToUtf8(std::string_view cp932) {
    static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
    Iconv toUtf8("UTF-8", "CP932");
    std::string out;
    out.reserve(cp932.size() * 3 / 2);
    for (std::size_t i = 0; i < cp932.size();) {
        const std::size_t length = cp932SequenceLength(cp932, i);
        if (length == 1 && static_cast<std::uint8_t>(cp932[i]) < 0x80) {
            out.push_back(cp932[i]);
            ++i;
            continue;
        }
        const std::size_t taken = length == 0 ? 1 : length;
        if (length == 0 || !toUtf8.convert(cp932.substr(i, length), out)) {
            out.append(kReplacement);
        }
        i += taken;
    }
    return out;
}

bool isOtherCp932Spelling(std::string_view bytes, std::string_view utf8) {
    static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // what undecodable bytes become
    bool ascii = true;
    for (const char c : bytes) ascii = ascii && static_cast<std::uint8_t>(c) < 0x80;
    if (ascii || utf8.find(kReplacement) != std::string_view::npos) return false;
    return cp932ToUtf8(bytes) == utf8 && utf8ToCp932(utf8) != bytes;
}

std::size_t cp932Length(std::string_view utf8) {
    std::size_t total = 0;
    forEachCp932Char(utf8, [&](std::string_view, std::string_view encoded) {
        total += encoded.size();
        return true;
    });
    return total;
}

std::string cutToCp932Bytes(std::string_view utf8, std::size_t maxBytes) {
    std::string out;
    std::size_t used = 0;
    forEachCp932Char(utf8, [&](std::string_view character, std::string_view encoded) {
        if (used + encoded.size() > maxBytes) return false;
        used += encoded.size();
        out.append(character);
        return true;
    });
    return out;
}

}  // namespace fg
