#include <gtest/gtest.h>

#include "model/Cp932.h"

namespace fg {
namespace {

TEST(Cp932, ConvertsJapaneseBothWays) {
    // "あ" is 82 A0, half-width "ｺ" is the single byte BA, "ノ" is 83 6D.
    EXPECT_EQ(utf8ToCp932("あ"), std::string("\x82\xA0", 2));
    EXPECT_EQ(utf8ToCp932("ｺ"), std::string("\xBA", 1));
    EXPECT_EQ(utf8ToCp932("ノ1"), std::string("\x83\x6D" "1", 3));
    const std::string text = "ノード12のｺﾋﾟｰ【幅】＜追加＞";
    EXPECT_EQ(cp932ToUtf8(utf8ToCp932(text)), text);
}

TEST(Cp932, UnconvertibleTextNeverFails) {
    EXPECT_EQ(utf8ToCp932("a\xF0\x9F\x98\x80z"), "a?z");  // an emoji has no cp932 form
    EXPECT_EQ(utf8ToCp932("a\xFFz"), "a?z");              // a stray byte is not UTF-8
    EXPECT_EQ(cp932ToUtf8(std::string("a\x82", 2)), "a\xEF\xBF\xBD");  // lead byte without trail
}

TEST(Cp932, ALeadByteWithoutItsTrailLeavesTheNextByteAlone) {
    const std::string replacement = "\xEF\xBF\xBD";
    // A name cut after a lead byte, in a file with LF line ends.
    EXPECT_EQ(cp932ToUtf8(std::string("abc\x83\nm_isDraw=1", 15)), "abc" + replacement + "\nm_isDraw=1");
    // Below 0x40, 0x7F and above 0xFC are no trail bytes; each stays itself.
    EXPECT_EQ(cp932ToUtf8(std::string("\x82\x3F\x82\x7F\x82\xFD", 6)),
              replacement + "?" + replacement + "\x7F" + replacement + replacement);
    // The whole trail range still pairs: 0x40 and 0xFC.
    EXPECT_EQ(cp932ToUtf8(std::string("\x83\x40\x88\xFC", 4)), "ァ蔭");
}

TEST(Cp932, CountsAndCutsInCp932Bytes) {
    EXPECT_EQ(cp932Length("ノード1"), 7u);
    EXPECT_EQ(cp932Length("のｺﾋﾟｰ"), 6u);
    EXPECT_EQ(cutToCp932Bytes("ああ", 3), "あ");  // never half a character
    EXPECT_EQ(cutToCp932Bytes("aあ", 2), "a");
    EXPECT_EQ(cutToCp932Bytes("aあ", 3), "aあ");
    EXPECT_EQ(cutToCp932Bytes("ｺﾋﾟｰ", 3), "ｺﾋﾟ");
    EXPECT_EQ(cutToCp932Bytes("", 10), "");
}

}  // namespace
TEST(Cp932, TellsTheOtherCodesOfACharacterFromWhatTheEncoderWrites) {
    // 髙: NEC's row ee e0 and IBM's fb fc decode alike; the encoder writes fb fc.
    EXPECT_EQ(cp932ToUtf8("\xEE\xE0"), "髙");
    EXPECT_EQ(utf8ToCp932("髙"), "\xFB\xFC");
    EXPECT_TRUE(isOtherCp932Spelling("a\xEE\xE0", "a髙"));
    EXPECT_TRUE(isOtherCp932Spelling("\x87\x9A", "∵"));  // NEC's row 13; the encoder writes 81 e6
    EXPECT_FALSE(isOtherCp932Spelling("a\xFB\xFC", "a髙"));
    EXPECT_FALSE(isOtherCp932Spelling("\xEE\xE0", "炎"));
    EXPECT_FALSE(isOtherCp932Spelling("abc", "abc"));
    EXPECT_FALSE(isOtherCp932Spelling("", ""));
    // Undecodable bytes are nothing to keep.
    EXPECT_FALSE(isOtherCp932Spelling("a\x83", cp932ToUtf8("a\x83")));
}

}  // namespace fg
