#include <gtest/gtest.h>

#include <string>

#include "model/Cp932.h"
#include "model/UpperCase.h"

namespace fg {
namespace {

TEST(Utf16, DecodesUtf8AndKeepsInvalidBytesApart) {
    EXPECT_EQ(utf8ToUtf16("aあ"), u"aあ");
    EXPECT_EQ(utf8ToUtf16("\xF0\x9F\x98\x80"), (std::u16string{0xD83D, 0xDE00}));
    EXPECT_EQ(utf8ToUtf16("a\xFF"), (std::u16string{u'a', 0xDCFF}));
    // Overlong forms, encoded surrogates and truncated sequences are no UTF-8.
    EXPECT_EQ(utf8ToUtf16("\xC0\x80"), (std::u16string{0xDCC0, 0xDC80}));
    EXPECT_EQ(utf8ToUtf16("\xED\xA0\x80"), (std::u16string{0xDCED, 0xDCA0, 0xDC80}));
    EXPECT_EQ(utf8ToUtf16("\xE3\x81"), (std::u16string{0xDCE3, 0xDC81}));
}

TEST(Utf16UpperCase, UsesTheSimpleMappingUnitByUnit) {
    const Utf16UpperCase upperCase;
    ASSERT_TRUE(upperCase.hasFullMapping()) << "the C.UTF-8 locale comes with the C library";
    EXPECT_EQ(upperCase.upper("aｂβжⅳё_1あ"), u"AＢΒЖⅣЁ_1あ");
    EXPECT_EQ(upperCase.upper(u'ÿ'), u'Ÿ');  // beyond cp932, still the simple mapping
    EXPECT_EQ(upperCase.upper(u'ß'), u'ß');  // its upper case is two letters: no simple mapping
    // Surrogates and escaped bytes are units like any other and stay.
    EXPECT_EQ(upperCase.upper("\xF0\x90\x90\xA8"), (std::u16string{0xD801, 0xDC28}));  // U+10428 is not upper-cased
    EXPECT_EQ(upperCase.upper("\xFF"), (std::u16string{0xDCFF}));
}

TEST(Utf16UpperCase, WithoutTheLocaleTheBuiltInTableServes) {
    const Utf16UpperCase upperCase("no-such-locale");
    EXPECT_FALSE(upperCase.hasFullMapping());
    EXPECT_EQ(upperCase.upper("aｂβжⅳё_1あ"), u"AＢΒЖⅣЁ_1あ");
    EXPECT_EQ(upperCase.upper(u'ÿ'), u'ÿ');  // not a cp932 character
}

TEST(Utf16UpperCase, TheBuiltInTableAgreesWithTheLocaleOnEveryCp932Character) {
    const Utf16UpperCase upperCase;
    ASSERT_TRUE(upperCase.hasFullMapping());
    int letters = 0;
    const auto check = [&](const std::string& cp932) {
        const std::u16string units = utf8ToUtf16(cp932ToUtf8(cp932));
        if (units.size() != 1) return;
        const char16_t unit = units[0];
        EXPECT_EQ(upperCp932Letter(unit), upperCase.upper(unit)) << static_cast<int>(unit);
        if (upperCp932Letter(unit) != unit) ++letters;
    };
    for (int b = 0; b < 0x100; ++b) check(std::string(1, static_cast<char>(b)));
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            check(std::string{static_cast<char>(lead), static_cast<char>(trail)});
        }
    }
    // a-z, α-ω without ς, а-я, ё, ⅰ-ⅹ, ａ-ｚ; NEC and IBM duplicates count twice.
    EXPECT_GE(letters, 26 + 24 + 32 + 1 + 10 + 26);
}

}  // namespace
}  // namespace fg
