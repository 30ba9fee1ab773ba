#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>

#include "TempDir.h"
#include "model/Cp932.h"
#include "persistence/FileBytes.h"
#include "persistence/Ini.h"
#include "persistence/TextNumbers.h"

namespace fg {
namespace {

TEST(TextNumbers, FormatFloatMatchesPrintfFixedSixDecimals) {
    for (float value : {0.0f, -0.0f, 1.25f, -8.0f, 0.1f, 123456.789f, -1e-7f, 3.4e38f, 1e-3f, 99.9999f}) {
        char expected[128];
        std::snprintf(expected, sizeof expected, "%f", static_cast<double>(value));
        EXPECT_EQ(formatFloat(value), expected) << value;
    }
}

TEST(TextNumbers, FormatFloatIgnoresTheProcessLocale) {
    // A locale with a decimal comma, if the machine has one; the format must not follow it.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(formatFloat(1.5f), "1.500000");
    EXPECT_FLOAT_EQ(parseFloatLeading("2.5"), 2.5f);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(TextNumbers, AtoiTakesTheLeadingNumber) {
    EXPECT_EQ(parseIntLeading("42"), 42);
    EXPECT_EQ(parseIntLeading("  -17abc"), -17);
    EXPECT_EQ(parseIntLeading("+8"), 8);
    EXPECT_EQ(parseIntLeading("3.9"), 3);
    EXPECT_EQ(parseIntLeading("abc"), 0);
    EXPECT_EQ(parseIntLeading(""), 0);
    EXPECT_EQ(parseIntLeading("__NO_DATA_"), 0);
    EXPECT_EQ(parseIntLeading("- 5"), 0);
}

TEST(TextNumbers, AtoiSaturatesInsteadOfOverflowing) {
    EXPECT_EQ(parseIntLeading("2147483647"), 2147483647);
    EXPECT_EQ(parseIntLeading("2147483648"), 2147483647);
    EXPECT_EQ(parseIntLeading("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(parseIntLeading("-99999999999999999999999"), -2147483647 - 1);
    EXPECT_EQ(parseIntLeading("99999999999999999999999"), 2147483647);
}

TEST(TextNumbers, AtofTakesTheLeadingNumber) {
    EXPECT_FLOAT_EQ(parseFloatLeading("1.250000"), 1.25f);
    EXPECT_FLOAT_EQ(parseFloatLeading(" -8.5xyz"), -8.5f);
    EXPECT_FLOAT_EQ(parseFloatLeading("+.5"), 0.5f);
    EXPECT_FLOAT_EQ(parseFloatLeading("5."), 5.0f);
    EXPECT_FLOAT_EQ(parseFloatLeading("1e2"), 100.0f);
    EXPECT_FLOAT_EQ(parseFloatLeading("1e"), 1.0f);  // an exponent without digits is not part of it
    EXPECT_FLOAT_EQ(parseFloatLeading("2E-1q"), 0.2f);
    EXPECT_EQ(parseFloatLeading("."), 0.0f);
    EXPECT_EQ(parseFloatLeading("x1"), 0.0f);
    EXPECT_EQ(parseFloatLeading(""), 0.0f);
}

TEST(TextNumbers, NonFiniteValuesReadAsZero) {
    EXPECT_EQ(parseFloatLeading("inf"), 0.0f);
    EXPECT_EQ(parseFloatLeading("nan"), 0.0f);
    EXPECT_EQ(parseFloatLeading("1e39"), 0.0f);
    EXPECT_EQ(parseFloatLeading("-1e300"), 0.0f);
    EXPECT_EQ(parseFloatLeading("1e-400"), 0.0f);
    EXPECT_FLOAT_EQ(parseFloatLeading("3.4e38"), 3.4e38f);
}

TEST(IniDocument, FindsSectionsAndKeysIgnoringCase) {
    const auto ini = IniDocument::parse("[Window]\r\nWidth=1200\r\n[recent]\r\nLIST0=a\r\n");
    EXPECT_EQ(ini.getString("WINDOW", "width", "?"), "1200");
    EXPECT_EQ(ini.getString("RECENT", "list0", "?"), "a");
    EXPECT_EQ(ini.getString("RECENT", "list1", "-"), "-");
    EXPECT_EQ(ini.getString("missing", "list0", "dflt"), "dflt");
    EXPECT_EQ(ini.getInt("WINDOW", "WIDTH", 5), 1200);
    EXPECT_EQ(ini.getInt("WINDOW", "HEIGHT", 720), 720);
    EXPECT_TRUE(ini.hasSection("wInDoW"));
    EXPECT_FALSE(ini.hasSection("DISP"));
}

TEST(IniDocument, FirstOfDuplicateSectionsAndKeysWins) {
    const auto ini = IniDocument::parse("[A]\nk=1\nk=2\n[a]\nk=3\nj=4\n");
    EXPECT_EQ(ini.getString("A", "k", ""), "1");
    EXPECT_FALSE(ini.find("A", "j").has_value());
}

TEST(IniDocument, TrimsBlanksAroundKeysAndValuesAndKeepsOtherLines) {
    const auto ini = IniDocument::parse("stray line\n[ S ]\n  key  =  some value \n; a note\nnovalue\n");
    EXPECT_EQ(ini.getString("S", "key", ""), "some value");
    EXPECT_FALSE(ini.find("S", "; a note").has_value());
    EXPECT_FALSE(ini.find("S", "novalue").has_value());
    EXPECT_EQ(ini.serialize(), "stray line\r\n[S]\r\nkey=some value\r\n; a note\r\nnovalue\r\n");
}

TEST(IniDocument, WritesKeyByKeyInPlaceOrAtTheEndOfTheSection) {
    IniDocument ini;
    ini.setInt("0", "a", 1);
    ini.setString("ViewList0", "Title", "正面");
    ini.setFloat("0", "b", 1.25f);
    ini.setInt("0", "A", -3);  // same key, other case: replaced in place
    EXPECT_EQ(ini.serialize(), "[0]\r\na=-3\r\nb=1.250000\r\n[ViewList0]\r\nTitle=正面\r\n");
}

TEST(IniDocument, LineBreaksInValuesCannotSplitTheLine) {
    IniDocument ini;
    ini.setString("1", "m_name", "two\r\nlines");
    EXPECT_EQ(ini.serialize(), "[1]\r\nm_name=two  lines\r\n");
    EXPECT_EQ(IniDocument::parse(ini.serialize()).getString("1", "m_name", ""), "two  lines");
}

TEST(IniDocument, EmptyValueIsPresentNotMissing) {
    const auto ini = IniDocument::parse("[S]\nk=\n");
    ASSERT_TRUE(ini.find("S", "k").has_value());
    EXPECT_EQ(ini.getString("S", "k", "dflt"), "");
}

TEST(IniFile, StoresCp932OnDiskAndUtf8InMemory) {
    test::TempDir dir;
    IniDocument ini;
    ini.setString("1", "m_name", "ノード1");
    ASSERT_TRUE(writeIniFile(ini, dir / "save.ini", IniEncoding::Cp932));
    const auto bytes = readFileBytes(dir / "save.ini");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, "[1]\r\nm_name=" + utf8ToCp932("ノード1") + "\r\n");
    const auto back = readIniFile(dir / "save.ini", IniEncoding::Cp932);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->getString("1", "m_name", ""), "ノード1");
}

TEST(IniFile, Cp932TrailBytesThatLookLikeBracketsDoNotBreakLines) {
    // "ソ" is 0x83 0x5C and "ー" 0x81 0x5B: trail bytes '\' and '['.
    test::TempDir dir;
    ASSERT_TRUE(writeFileBytes(dir / "x.ini", "[S]\r\nk=" + utf8ToCp932("ソー]") + "\r\nj=2\r\n"));
    const auto ini = readIniFile(dir / "x.ini", IniEncoding::Cp932);
    ASSERT_TRUE(ini);
    EXPECT_EQ(ini->getString("S", "k", ""), "ソー]");
    EXPECT_EQ(ini->getInt("S", "j", 0), 2);
}

TEST(IniFile, ValuesStoredWithTheOtherCodesOfACharacterKeepTheirBytesUntilChanged) {
    // 髙 is ee e0 (NEC's row) or fb fc (IBM's, what the encoder writes); 纊 is
    // ed 40 or fa 5c, whose trail byte is a backslash.
    const std::string bytes = "[1]\r\nname=\xEE\xE0\x8B\xB4\r\nother=\xED\x40\r\nplain=\x89\x8A\r\n"
                              "broken=a\x83\r\n[2]\r\nname=\xFB\xFC\r\n";
    IniDocument ini = IniDocument::parseCp932(bytes);
    EXPECT_EQ(ini.getString("1", "name", ""), "髙橋");
    EXPECT_EQ(ini.getString("1", "other", ""), "纊");
    EXPECT_EQ(ini.storedBytes("1", "name"), std::string_view("\xEE\xE0\x8B\xB4"));
    EXPECT_EQ(ini.storedBytes("1", "other"), std::string_view("\xED\x40"));
    // Bytes the encoder writes anyway, undecodable bytes and plain text keep nothing.
    EXPECT_FALSE(ini.storedBytes("1", "plain"));
    EXPECT_FALSE(ini.storedBytes("1", "broken"));
    EXPECT_FALSE(ini.storedBytes("2", "name"));
    EXPECT_EQ(ini.serializeCp932(), bytes.substr(0, bytes.find("broken=")) + "broken=a?\r\n[2]\r\nname=\xFB\xFC\r\n");

    // A written value drops its bytes; bytes that do not decode to the value are refused.
    ini.setString("1", "other", "纊");
    ini.setStoredString("2", "name", "髙", "\xEE\xE1");
    EXPECT_FALSE(ini.storedBytes("1", "other"));
    EXPECT_FALSE(ini.storedBytes("2", "name"));
    ini.setStoredString("2", "name", "髙", "\xEE\xE0");
    EXPECT_EQ(ini.storedBytes("2", "name"), std::string_view("\xEE\xE0"));
    const std::string saved = ini.serializeCp932();
    EXPECT_NE(saved.find("other=\xFA\x5C\r\n"), std::string::npos);
    EXPECT_NE(saved.find("[2]\r\nname=\xEE\xE0\r\n"), std::string::npos);
    EXPECT_NE(saved.find("name=\xEE\xE0\x8B\xB4\r\n"), std::string::npos);
    // Without kept bytes the two encodings of the document agree.
    IniDocument plain = IniDocument::parseCp932("[a]\r\nk=\x89\x8A\r\n");
    EXPECT_EQ(plain.serializeCp932(), utf8ToCp932(plain.serialize()));
}

TEST(IniFile, ACp932FileKeepsTheCodesOfItsUnchangedValues) {
    test::TempDir dir;
    const std::string bytes = "[1]\r\nm_name=\xEE\xE0\r\n";
    ASSERT_TRUE(writeFileBytes(dir / "a.ini", bytes));
    const auto ini = readIniFile(dir / "a.ini", IniEncoding::Cp932);
    ASSERT_TRUE(ini);
    ASSERT_TRUE(writeIniFile(*ini, dir / "b.ini", IniEncoding::Cp932));
    EXPECT_EQ(readFileBytes(dir / "b.ini"), bytes);
    // A UTF-8 file knows no such thing.
    ASSERT_TRUE(writeIniFile(*ini, dir / "c.ini", IniEncoding::Utf8));
    EXPECT_EQ(readFileBytes(dir / "c.ini"), "[1]\r\nm_name=髙\r\n");
}

TEST(IniFile, MissingFileReadsEmptyAndUtf8FilesKeepAnyText) {
    test::TempDir dir;
    const auto missing = readIniFile(dir / "none.ini", IniEncoding::Cp932);
    ASSERT_TRUE(missing);
    EXPECT_TRUE(missing->empty());
    EXPECT_FALSE(readIniFile(dir.path(), IniEncoding::Cp932).has_value());  // a folder cannot be read

    IniDocument ini;
    ini.setString("RECENT", "list0", "/home/u/项目😀.nbx");  // not representable in cp932
    ASSERT_TRUE(writeIniFile(ini, dir / "data.prm", IniEncoding::Utf8));
    EXPECT_EQ(readIniFile(dir / "data.prm", IniEncoding::Utf8)->getString("RECENT", "list0", ""),
              "/home/u/项目😀.nbx");
}

}  // namespace
}  // namespace fg
