// The one file writer every module uses: whole files or nothing, the rule
// for symbolic links, the temporaries a killed writer leaves, and the reason
// a write failed in words.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "FileSizeLimit.h"
#include "TempDir.h"
#include "persistence/FileBytes.h"
#include "persistence/Messages.h"

namespace fg {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

std::set<std::string> filesIn(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename().string());
    return names;
}

// The id of a process that has ended and been reaped.
long finishedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

TEST(FileBytes, AWriteReplacesTheFileWholeAndKeepsItsPermissions) {
    TempDir dir;
    const fs::path file = dir / "data.prm";
    ASSERT_TRUE(writeFileBytes(file, "first"));
    EXPECT_EQ(readFileBytes(file), "first");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(writeFileBytes(file, "second, longer"));
    EXPECT_EQ(readFileBytes(file), "second, longer");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(filesIn(dir.path()), std::set<std::string>{"data.prm"});  // no temporary left

    // Permissions mean what they say (the superuser may write anyway): a
    // read-only file is not replaced; a writable file in a folder that takes
    // no new files is written in place.
    if (::geteuid() != 0) {
        ASSERT_TRUE(writeFileBytes(dir / "kept.ini", "kept"));
        fs::permissions(dir / "kept.ini", fs::perms::owner_read);
        EXPECT_EQ(writeFileBytes(dir / "kept.ini", "lost").error, EACCES);
        EXPECT_EQ(readFileBytes(dir / "kept.ini"), "kept");
        fs::remove(dir / "kept.ini");

        fs::create_directory(dir / "closed");
        ASSERT_TRUE(writeFileBytes(dir / "closed" / "open.txt", "before"));
        fs::permissions(dir / "closed", fs::perms::owner_read | fs::perms::owner_exec);
        const FileWriteResult inPlace = writeFileBytes(dir / "closed" / "open.txt", "after");
        const FileWriteResult fresh = writeFileBytes(dir / "closed" / "new.txt", "x");
        fs::permissions(dir / "closed", fs::perms::owner_all);
        EXPECT_TRUE(inPlace);
        EXPECT_EQ(readFileBytes(dir / "closed" / "open.txt"), "after");
        EXPECT_EQ(fresh.error, EACCES);
        fs::remove_all(dir / "closed");
    }

    // A folder in the way is refused and stays.
    fs::create_directory(dir / "folder");
    EXPECT_EQ(writeFileBytes(dir / "folder", "x").error, EISDIR);
    EXPECT_TRUE(fs::is_directory(dir / "folder"));
}

TEST(FileBytes, AWriteCutShortLeavesTheEarlierFileByteForByte) {
    TempDir dir;
    const fs::path file = dir / "sheet.png";
    const std::string earlier(3000, 'a');
    ASSERT_TRUE(writeFileBytes(file, earlier));
    FileWriteResult result;
    {
        const test::FileSizeLimit limit(4096);
        result = writeFileBytes(file, std::string(64 * 1024, 'b'));
    }
    EXPECT_EQ(result.error, EFBIG);
    EXPECT_EQ(readFileBytes(file), earlier);
    EXPECT_EQ(filesIn(dir.path()), std::set<std::string>{"sheet.png"});

    // Nothing was there before: nothing is there after.
    {
        const test::FileSizeLimit limit(4096);
        result = writeFileBytes(dir / "new.png", std::string(64 * 1024, 'b'));
    }
    EXPECT_EQ(result.error, EFBIG);
    EXPECT_EQ(filesIn(dir.path()), std::set<std::string>{"sheet.png"});
}

TEST(FileBytes, LinksAreWrittenThroughOrReplacedAsAsked) {
    TempDir dir;
    ASSERT_TRUE(writeFileBytes(dir / "real.png", "old"));
    fs::create_symlink("real.png", dir / "latest.png");
    // Through: the link stays and leads to the new bytes.
    ASSERT_TRUE(writeFileBytes(dir / "latest.png", "new", LinkRule::WriteThrough));
    EXPECT_TRUE(fs::is_symlink(dir / "latest.png"));
    EXPECT_EQ(readFileBytes(dir / "real.png"), "new");
    // A link that leads nowhere yet gets its file made where it points.
    fs::create_symlink(dir / "made.png", dir / "dangling.png");
    ASSERT_TRUE(writeFileBytes(dir / "dangling.png", "made", LinkRule::WriteThrough));
    EXPECT_EQ(readFileBytes(dir / "made.png"), "made");
    EXPECT_TRUE(fs::is_symlink(dir / "dangling.png"));

    // Replaced: a planted link becomes a file of its own; its target is untouched.
    fs::create_symlink("real.png", dir / "planted.png");
    ASSERT_TRUE(writeFileBytes(dir / "planted.png", "workspace", LinkRule::ReplaceLink));
    EXPECT_FALSE(fs::is_symlink(dir / "planted.png"));
    EXPECT_EQ(readFileBytes(dir / "planted.png"), "workspace");
    EXPECT_EQ(readFileBytes(dir / "real.png"), "new");

    // A device cannot be replaced by a file: it is written into, and a full
    // one says so. The link to it stays.
    fs::create_symlink("/dev/full", dir / "full.png");
    EXPECT_EQ(writeFileBytes(dir / "full.png", "x").error, ENOSPC);
    EXPECT_TRUE(fs::is_symlink(dir / "full.png"));
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
    EXPECT_EQ(filesIn(dir.path()),
              (std::set<std::string>{"real.png", "latest.png", "made.png", "dangling.png", "planted.png", "full.png"}));
}

TEST(FileBytes, TemporariesOfEndedProcessesAreRemoved) {
    EXPECT_EQ(temporaryOwner("fire.nbx.tmp-1234-99-0", "fire.nbx"), 1234);
    EXPECT_EQ(temporaryOwner("fire.nbx.tmp-1234-99-0", "ice.nbx"), std::nullopt);
    EXPECT_EQ(temporaryOwner("fire.nbx.tmp-x-99-0", "fire.nbx"), std::nullopt);
    EXPECT_EQ(temporaryOwner("fire.nbx.tmp-", "fire.nbx"), std::nullopt);
    EXPECT_EQ(temporaryOwner("fire.nbx", "fire.nbx"), std::nullopt);

    TempDir dir;
    const std::string dead = std::to_string(finishedProcess());
    const std::string alive = std::to_string(::getpid());
    for (const std::string& name : std::vector<std::string>{"fire.nbx", "fire.nbx.tmp-" + dead + "-5-0", "fire.nbx.tmp-" + dead + "-6-1",
                                   "fire.nbx.tmp-" + alive + "-7-0", "ice.nbx.tmp-" + dead + "-5-0",
                                   "fire.nbx.tmp-notes"}) {
        ASSERT_TRUE(writeFileBytes(dir / name, "x"));
    }
    fs::create_directory(dir / ("fire.nbx.tmp-" + dead + "-8-0"));  // not a file of ours
    EXPECT_EQ(removeStaleTemporaries({dir / "fire.nbx"}), 2);
    EXPECT_EQ(filesIn(dir.path()),
              (std::set<std::string>{"fire.nbx", "fire.nbx.tmp-" + alive + "-7-0", "ice.nbx.tmp-" + dead + "-5-0",
                                     "fire.nbx.tmp-notes", "fire.nbx.tmp-" + dead + "-8-0"}));
    // A folder that cannot be read removes nothing and does not fail.
    EXPECT_EQ(removeStaleTemporaries({dir / "missing" / "fire.nbx"}), 0);
}

TEST(FileBytes, TheReasonIsToldInWords) {
    using namespace persistence_text;
    EXPECT_EQ(cannotWrite("/p/x.nbx").sourceText(), "「/p/x.nbx」に保存できませんでした。");
    EXPECT_EQ(cannotWrite("/p/x.nbx", ENOSPC).sourceText(),
              "「/p/x.nbx」に保存できませんでした。\nディスクの空き容量が足りません。");
    EXPECT_EQ(fileErrorReason(EDQUOT), message(kDiskFull));
    EXPECT_EQ(fileErrorReason(EROFS), message(kReadOnly));
    EXPECT_EQ(fileErrorReason(EACCES), message(kNoPermission));
    EXPECT_EQ(fileErrorReason(EPERM), message(kNoPermission));
    EXPECT_EQ(fileErrorReason(ENOTDIR), message(kNotAFolder));
    EXPECT_EQ(fileErrorReason(ENOENT), message(kNoFolder));
    EXPECT_EQ(fileErrorReason(EFBIG), message(kFileTooLarge));
    EXPECT_EQ(fileErrorReason(ENODEV).sourceText(), "システムエラー: No such device");
}

}  // namespace
}  // namespace fg
