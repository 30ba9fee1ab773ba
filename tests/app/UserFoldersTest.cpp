#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "app/ColorScheme.h"
#include "app/UserFolders.h"
#include "persistence/FileBytes.h"
#include "persistence/TempDir.h"

namespace fg::app {
namespace {

namespace fs = std::filesystem;
using fg::test::ScopedEnv;

TEST(UserFolders, Fulgrane3dHomeHoldsEverything) {
    const ScopedEnv home("FULGRANE3D_HOME", "/tmp/fg-portable");
    const UserFolders folders = userFolders();
    EXPECT_EQ(folders.config, fs::path("/tmp/fg-portable"));
    EXPECT_EQ(folders.workspaceRoot, fs::path("/tmp/fg-portable/workspace"));
    EXPECT_EQ(folders.recoveryRoot, fs::path("/tmp/fg-portable/recovery"));
    EXPECT_EQ(folders.dataPrm(), fs::path("/tmp/fg-portable/data.prm"));
    EXPECT_EQ(folders.colorIni(), fs::path("/tmp/fg-portable/color.ini"));
}

TEST(UserFolders, OtherwiseTheUsersConfigAndCacheFolders) {
    const ScopedEnv home("FULGRANE3D_HOME", std::nullopt);
    const ScopedEnv config("XDG_CONFIG_HOME", "/tmp/fg-user/config");
    const ScopedEnv cache("XDG_CACHE_HOME", "/tmp/fg-user/cache");
    const ScopedEnv data("XDG_DATA_HOME", "/tmp/fg-user/data");
    const UserFolders folders = userFolders();
    EXPECT_EQ(folders.config, fs::path("/tmp/fg-user/config/fulgrane3d"));
    EXPECT_EQ(folders.workspaceRoot, fs::path("/tmp/fg-user/cache/fulgrane3d/workspace"));
    // Unsaved work is the user's data, not a cache that may be cleaned away.
    EXPECT_EQ(folders.recoveryRoot, fs::path("/tmp/fg-user/data/fulgrane3d/recovery"));
}

TEST(UserFolders, TheFirstStartCopiesTheShippedColorIniAndLaterOnesKeepTheUsers) {
    fg::test::TempDir dir;
    const UserFolders folders{dir / "config" / "fulgrane3d", dir / "workspace", dir / "recovery"};
    ASSERT_TRUE(prepareUserFolders(folders));
    const auto shipped = readFileBytes(fg::test::sourceDir() / "resources" / "color.ini");
    ASSERT_TRUE(shipped);
    EXPECT_EQ(readFileBytes(folders.colorIni()), shipped);

    ASSERT_TRUE(writeFileBytes(folders.colorIni(), "[WINDOW_COLOR]\nr=1\n"));
    ASSERT_TRUE(prepareUserFolders(folders));
    EXPECT_EQ(readFileBytes(folders.colorIni()), std::optional<std::string>("[WINDOW_COLOR]\nr=1\n"));
}

TEST(UserFolders, TheShippedColorIniHoldsTheBuiltInDefaults) {
    EXPECT_EQ(ColorScheme::read(IniDocument::parse(defaultColorIni())), ColorScheme{});
    // Every value is written out, not left to the defaults.
    const IniDocument shipped = IniDocument::parse(defaultColorIni());
    for (const char* section : {"WINDOW_COLOR", "CLIENT_COLOR", "CURSOR_COLOR"}) {
        for (const char* key : {"r", "g", "b"}) EXPECT_TRUE(shipped.find(section, key)) << section << " " << key;
    }
}

TEST(UserFolders, AConfigFolderThatCannotBeMadeIsReported) {
    fg::test::TempDir dir;
    ASSERT_TRUE(writeFileBytes(dir / "taken", "a file, not a folder"));
    std::string error;
    EXPECT_FALSE(prepareUserFolders(UserFolders{dir / "taken" / "fulgrane3d", dir / "workspace", dir / "recovery"}, &error));
    EXPECT_NE(error.find("cannot create " + (dir / "taken" / "fulgrane3d").string()), std::string::npos) << error;
}

}  // namespace
}  // namespace fg::app
