#pragma once
// Upper-casing as NTFS does it when it orders the names of a folder: each
// UTF-16 code unit on its own, through the Unicode simple upper-case mapping
// (no unit grows into two, and surrogates stay as they are). Projects come
// from Windows, where the material list follows that order.

#include <locale.h>

#include <string>
#include <string_view>

namespace fg {

class Utf16UpperCase {
public:
    // Takes the mapping from the named locale (C.UTF-8, which the C library
    // ships); without it, from the built-in table of the letters cp932 holds
    // (every character a project file can name).
    explicit Utf16UpperCase(const char* localeName = "C.UTF-8");
    ~Utf16UpperCase();
    Utf16UpperCase(const Utf16UpperCase&) = delete;
    Utf16UpperCase& operator=(const Utf16UpperCase&) = delete;

    bool hasFullMapping() const { return m_locale != nullptr; }
    char16_t upper(char16_t unit) const;
    // The UTF-8 text as upper-cased UTF-16 code units.
    std::u16string upper(std::string_view utf8) const;

private:
    locale_t m_locale = nullptr;
};

// The simple upper-case mapping of the letters in cp932: ASCII, Greek,
// Cyrillic, the small Roman numerals and full-width Latin. Other units are
// returned unchanged.
char16_t upperCp932Letter(char16_t unit);

// UTF-8 -> UTF-16 code units. A byte that is not part of valid UTF-8 becomes
// the unit 0xDC00 + byte, so different invalid names stay different.
std::u16string utf8ToUtf16(std::string_view utf8);

}  // namespace fg
