#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "TempDir.h"
#include "persistence/FileBytes.h"
#include "persistence/MaterialFiles.h"
#include "persistence/RecoveryStore.h"
#include "persistence/Workspace.h"

namespace fg {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

std::uint32_t bigEndian(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The reference CRC-32 of PNG chunks, computed bit by bit.
std::uint32_t referenceCrc(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit) {
            const bool mix = ((crc ^ (byte >> bit)) & 1u) != 0;
            crc >>= 1;
            if (mix) crc ^= 0xEDB88320u;
        }
    }
    return crc ^ 0xFFFFFFFFu;
}

TEST(DummyTexture, IsAOneByOneOpaqueWhitePng) {
    const std::string png = dummyTexturePng();
    ASSERT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1A\n", 8));
    std::size_t at = 8;
    std::vector<std::string> types;
    std::string idat;
    while (at + 12 <= png.size()) {
        const std::uint32_t length = bigEndian(png, at);
        const std::string type = png.substr(at + 4, 4);
        const std::string data = png.substr(at + 8, length);
        EXPECT_EQ(bigEndian(png, at + 8 + length), referenceCrc(type + data)) << type;
        types.push_back(type);
        if (type == "IHDR") {
            EXPECT_EQ(bigEndian(data, 0), 1u);  // width
            EXPECT_EQ(bigEndian(data, 4), 1u);  // height
            EXPECT_EQ(data.substr(8), std::string("\x08\x06\x00\x00\x00", 5));  // 8-bit RGBA
        }
        if (type == "IDAT") idat = data;
        at += 12 + length;
    }
    EXPECT_EQ(at, png.size());
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    // zlib header, one final stored block of 5 bytes, the scanline, Adler-32.
    ASSERT_EQ(idat.size(), 2u + 5u + 5u + 4u);
    EXPECT_EQ((static_cast<unsigned char>(idat[0]) * 256 + static_cast<unsigned char>(idat[1])) % 31, 0);
    EXPECT_EQ(idat.substr(2, 5), std::string("\x01\x05\x00\xFA\xFF", 5));
    EXPECT_EQ(idat.substr(7, 5), std::string("\x00\xFF\xFF\xFF\xFF", 5));
    EXPECT_EQ(bigEndian(idat, 12), 0x09FB'03FDu);  // Adler-32 of 00 FF FF FF FF
}

TEST(WorkspaceRoot, FollowsFulgrane3dHomeThenTheXdgFolderThenHome) {
    // Restores every variable whatever happens below.
    struct SavedVariable {
        explicit SavedVariable(const char* variable) : name(variable) {
            if (const char* value = std::getenv(variable)) saved = value;
        }
        ~SavedVariable() {
            if (saved) ::setenv(name, saved->c_str(), 1);
            else ::unsetenv(name);
        }
        const char* name;
        std::optional<std::string> saved;
    } home("FULGRANE3D_HOME"), cache("XDG_CACHE_HOME"), data("XDG_DATA_HOME"), user("HOME");

    ::setenv("FULGRANE3D_HOME", "/some/home", 1);
    ::setenv("XDG_CACHE_HOME", "/cache", 1);
    ::setenv("XDG_DATA_HOME", "/data", 1);
    ::setenv("HOME", "/home/artist", 1);
    EXPECT_EQ(defaultWorkspaceRoot(), fs::path("/some/home/workspace"));
    EXPECT_EQ(defaultRecoveryRoot(), fs::path("/some/home/recovery"));
    // An empty variable counts as unset.
    ::setenv("FULGRANE3D_HOME", "", 1);
    EXPECT_EQ(defaultWorkspaceRoot(), fs::path("/cache/fulgrane3d/workspace"));
    // Recovery copies are data, not cache: a cache cleaner must not take them.
    EXPECT_EQ(defaultRecoveryRoot(), fs::path("/data/fulgrane3d/recovery"));
    ::unsetenv("XDG_CACHE_HOME");
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(defaultWorkspaceRoot(), fs::path("/home/artist/.cache/fulgrane3d/workspace"));
    EXPECT_EQ(defaultRecoveryRoot(), fs::path("/home/artist/.local/share/fulgrane3d/recovery"));
}

TEST(Workspace, IsATickNamedFolderWithThePlaceholderAndGoesAwayWithItsGuard) {
    TempDir root;
    fs::path path;
    {
        auto workspace = ScopedWorkspace::create(root / "workspace");
        ASSERT_TRUE(workspace);
        path = workspace->path();
        EXPECT_EQ(path.parent_path(), root / "workspace");
        EXPECT_EQ(path.filename().string().find_first_not_of("0123456789"), std::string::npos);
        EXPECT_EQ(readFileBytes(path / kDummyTextureName), dummyTexturePng());
        EXPECT_TRUE(listMaterialFiles(path).empty());

        auto second = ScopedWorkspace::create(root / "workspace");
        ASSERT_TRUE(second);
        EXPECT_NE(second->path(), path);  // same millisecond or not, two instances never share

        ScopedWorkspace moved = std::move(*second);
        EXPECT_TRUE(fs::exists(moved.path()));
        EXPECT_FALSE(second->active());
    }
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(fs::is_empty(root / "workspace") ||
                fs::directory_iterator(root / "workspace")->path().filename() == ".root.lock");
}

TEST(Workspace, RenewStartsAnEmptyFolder) {
    TempDir root;
    auto workspace = ScopedWorkspace::create(root.path());
    ASSERT_TRUE(workspace);
    const fs::path old = workspace->path();
    ASSERT_TRUE(writeFileBytes(old / "a.png", "x"));
    ASSERT_TRUE(workspace->renew().ok);
    EXPECT_FALSE(fs::exists(old));
    EXPECT_FALSE(fs::exists(workspace->path() / "a.png"));
    EXPECT_TRUE(fs::exists(workspace->path() / kDummyTextureName));
}

// Runs `f` while the process cannot open another file, so that making a
// workspace (which opens its lock file) fails.
template <class F>
void withoutFreeDescriptors(F&& f) {
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    const int lowest = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ASSERT_GE(lowest, 0);
    ::close(lowest);
    rlimit tight = saved;
    tight.rlim_cur = static_cast<rlim_t>(lowest);  // every descriptor below it is in use
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &tight), 0);
    f();
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &saved), 0);
}

TEST(Workspace, AFailedRenewalKeepsTheOldFolderAndWhatItHolds) {
    TempDir root;
    auto workspace = ScopedWorkspace::create(root.path());
    ASSERT_TRUE(workspace);
    const fs::path old = workspace->path();
    ASSERT_TRUE(writeFileBytes(old / "a.png", "x"));
    IoResult renewed = IoResult::success();
    withoutFreeDescriptors([&] { renewed = workspace->renew(); });
    EXPECT_FALSE(renewed.ok);
    EXPECT_EQ(renewed.caption.sourceText(), "Fulgrane3D");
    EXPECT_EQ(workspace->path(), old);
    EXPECT_EQ(readFileBytes(old / "a.png"), "x");
    EXPECT_TRUE(fs::exists(old / kDummyTextureName));
    // The half-made folder went again: only the old workspace is left.
    int folders = 0;
    for (const auto& entry : fs::directory_iterator(root.path())) folders += entry.is_directory() ? 1 : 0;
    EXPECT_EQ(folders, 1);
    // Still the running program's: a start-up elsewhere leaves it alone.
    EXPECT_EQ(clearStaleWorkspaces(root.path()), 0);
    EXPECT_TRUE(fs::exists(old / "a.png"));

    ASSERT_TRUE(workspace->renew().ok);
    EXPECT_FALSE(fs::exists(old));
}

TEST(Workspace, TheStartUpStepClearsUnderTheDefaultRoot) {
    TempDir home;
    const char* saved = std::getenv("FULGRANE3D_HOME");
    const std::optional<std::string> previous = saved ? std::optional<std::string>(saved) : std::nullopt;
    ::setenv("FULGRANE3D_HOME", home.path().c_str(), 1);
    fs::create_directories(home / "workspace" / "777");
    EXPECT_EQ(clearAbandonedWorkspaces(), 1);
    EXPECT_FALSE(fs::exists(home / "workspace" / "777"));
    if (previous) ::setenv("FULGRANE3D_HOME", previous->c_str(), 1);
    else ::unsetenv("FULGRANE3D_HOME");
}

TEST(Workspace, StartUpClearsOnlyWorkspacesNoRunningInstanceHolds) {
    TempDir root;
    auto running = ScopedWorkspace::create(root.path());
    ASSERT_TRUE(running);
    // What a crashed instance leaves: a workspace folder whose lock nobody holds.
    fs::create_directories(root / "12345");
    ASSERT_TRUE(writeFileBytes(root / "12345" / "a.png", "x"));
    fs::create_directories(root / "not-a-workspace");

    // Another process holding its own workspace.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        auto held = ScopedWorkspace::create(root.path());
        const char ok = held ? '1' : '0';
        if (::write(ready[1], &ok, 1) != 1) ::_exit(1);
        ::pause();
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, '1');

    EXPECT_EQ(clearStaleWorkspaces(root.path()), 1);
    EXPECT_FALSE(fs::exists(root / "12345"));
    EXPECT_TRUE(fs::exists(running->path() / kDummyTextureName));
    EXPECT_TRUE(fs::exists(root / "not-a-workspace"));
    int workspaces = 0;
    for (const auto& entry : fs::directory_iterator(root.path())) {
        if (entry.is_directory() && entry.path().filename() != "not-a-workspace") ++workspaces;
    }
    EXPECT_EQ(workspaces, 2);  // ours and the other process's

    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    // The killed process's workspace is stale now.
    EXPECT_EQ(clearStaleWorkspaces(root.path()), 1);
    EXPECT_TRUE(fs::exists(running->path()));
}

TEST(MaterialFiles, ImagesPatternByPatternThenModelsInNameOrder) {
    TempDir work;
    for (const char* name : {"b.png", "A.png", "c.obj", "a.obj", "z.bmp", "y.jpeg", "x.jpg", "__dummy__dummy.png",
                             "save.ini", "n.PNG", "fire.jpg.png", "notes.txt"}) {
        ASSERT_TRUE(writeFileBytes(work / name, "x"));
    }
    fs::create_directories(work / "dir.png");
    const auto materials = listMaterialFiles(work.path());
    std::vector<std::string> files;
    for (const MaterialFile& material : materials) files.push_back(material.fileName);
    EXPECT_EQ(files, (std::vector<std::string>{"A.png", "b.png", "fire.jpg.png", "z.bmp", "x.jpg", "y.jpeg",
                                               "a.obj", "c.obj"}));
    EXPECT_EQ(materials[2].name, "fire.jpg");
    EXPECT_FALSE(materials[5].isModel);
    EXPECT_TRUE(materials[6].isModel);
    EXPECT_EQ(materials[6].name, "a");
    EXPECT_EQ(materialFileNames(materials), files);
}

TEST(MaterialFiles, OrderFoldsLettersLikeWindowsDoes) {
    TempDir work;
    for (const char* name : {"_x.png", "B.png", "a.png"}) ASSERT_TRUE(writeFileBytes(work / name, "x"));
    std::vector<std::string> files;
    for (const MaterialFile& material : listMaterialFiles(work.path())) files.push_back(material.fileName);
    // Upper-cased, 'A' and 'B' sort before '_' (0x5F).
    EXPECT_EQ(files, (std::vector<std::string>{"a.png", "B.png", "_x.png"}));
}

}  // namespace
}  // namespace fg
