#include "model/UpperCase.h"

#include <wctype.h>

#include <cstdint>

#include "model/Utf8.h"

namespace fg {

Utf16UpperCase::Utf16UpperCase(const char* localeName) {
    m_locale = newlocale(LC_CTYPE_MASK, localeName, static_cast<locale_t>(nullptr));
}

Utf16UpperCase::~Utf16UpperCase() {
    if (m_locale) freelocale(m_locale);
}

char16_t Utf16UpperCase::upper(char16_t unit) const {
    if (!m_locale) return upperCp932Letter(unit);
    const wint_t mapped = towupper_l(unit, m_locale);
    // A unit stays one unit: a mapping out of the BMP is no mapping.
    return mapped <= 0xFFFF ? static_cast<char16_t>(mapped) : unit;
}

std::u16string Utf16UpperCase::upper(std::string_view utf8) const {
    std::u16string units = utf8ToUtf16(utf8);
    for (char16_t& unit : units) unit = upper(unit);
    return units;
}

char16_t upperCp932Letter(char16_t unit) {
    const auto shifted = [unit](int by) { return static_cast<char16_t>(unit - by); };
    if (unit >= u'a' && unit <= u'z') return shifted(0x20);
    if ((unit >= u'α' && unit <= u'ρ') || (unit >= u'σ' && unit <= u'ω')) return shifted(0x20);
    if (unit >= u'а' && unit <= u'я') return shifted(0x20);
    if (unit == u'ё') return u'Ё';
    if (unit >= u'ⅰ' && unit <= u'ⅹ') return shifted(0x10);
    if (unit >= u'ａ' && unit <= u'ｚ') return shifted(0x20);
    return unit;
}

std::u16string utf8ToUtf16(std::string_view utf8) {
    std::u16string units;
    units.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const Utf8Decoded decoded = decodeUtf8(utf8, i);
        if (decoded.length == 0) {
            units.push_back(static_cast<char16_t>(0xDC00 + static_cast<std::uint8_t>(utf8[i])));
            ++i;
            continue;
        }
        const char32_t c = decoded.codePoint;
        if (c < 0x10000) {
            units.push_back(static_cast<char16_t>(c));
        } else {
            units.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        }
        i += decoded.length;
    }
    return units;
}

}  // namespace fg
