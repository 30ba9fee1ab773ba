#include <gtest/gtest.h>

#include "app/ColorScheme.h"
#include "persistence/FileBytes.h"
#include "persistence/TempDir.h"

namespace fg::app {
namespace {

TEST(ColorScheme, AMissingFileGivesTheDefaults) {
    fg::test::TempDir dir;
    const ColorScheme scheme = loadColorScheme(dir / "color.ini");
    EXPECT_EQ(scheme.window, (Rgb{40, 40, 40}));
    EXPECT_EQ(scheme.client, (Rgb{70, 70, 70}));
    EXPECT_EQ(scheme.cursor, (Rgb{44, 70, 144}));
}

TEST(ColorScheme, EachKeyIsReadOnItsOwnAndMissingOnesKeepTheirDefault) {
    const auto file = IniDocument::parse("[window_color]\nR=10\ng=20\nb=30\n[CURSOR_COLOR]\ng=99\n");
    const ColorScheme scheme = ColorScheme::read(file);
    EXPECT_EQ(scheme.window, (Rgb{10, 20, 30}));
    EXPECT_EQ(scheme.client, (Rgb{70, 70, 70}));
    EXPECT_EQ(scheme.cursor, (Rgb{44, 99, 144}));
}

TEST(ColorScheme, ValuesOutsideAByteAreClamped) {
    fg::test::TempDir dir;
    ASSERT_TRUE(writeFileBytes(dir / "color.ini", "[CLIENT_COLOR]\r\nr=-5\r\ng=256\r\nb=99999999999\r\n"));
    EXPECT_EQ(loadColorScheme(dir / "color.ini").client, (Rgb{0, 255, 255}));
}

}  // namespace
}  // namespace fg::app
