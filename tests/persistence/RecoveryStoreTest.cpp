// Recovery copies: the copy file's format against hostile bytes, the
// running editor's slot, and claiming what killed editors left behind.

#include <gtest/gtest.h>

#include <fstream>

#include "TempDir.h"
#include "persistence/FileBytes.h"
#include "persistence/RecoveryStore.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

const RecoveryContent kEmber{"/home/artist/炎.nbx", "炎.nbx", std::string("NebrixData,3,0,save.ini,2,\0x", 27)};

// What a killed editor leaves: a slot folder, its unlocked lock file and a copy.
fs::path leaveSlot(const fs::path& root, const std::string& name, const std::string& copyBytes) {
    const fs::path slot = root / name;
    fs::create_directories(slot);
    std::ofstream(slot / kRecoveryLockName).put('\n');
    if (!copyBytes.empty()) std::ofstream(slot / kRecoveryFileName, std::ios::binary) << copyBytes;
    return slot;
}

TEST(RecoveryFormat, RoundTripsAndRefusesWhatIsNotACopy) {
    const std::string bytes = encodeRecovery(kEmber);
    EXPECT_EQ(decodeRecovery(bytes), kEmber);
    const RecoveryContent untitled{"", "無題.nbx", "NebrixData,3,0,"};
    EXPECT_EQ(decodeRecovery(encodeRecovery(untitled)), untitled);

    EXPECT_FALSE(decodeRecovery(""));
    EXPECT_FALSE(decodeRecovery("NebrixData,3,0,"));  // a project file, not a copy
    EXPECT_FALSE(decodeRecovery(bytes.substr(0, 30)));  // cut inside the header
    EXPECT_FALSE(decodeRecovery(encodeRecovery({"/a.nbx", "a.nbx", ""})));  // no project
    EXPECT_FALSE(decodeRecovery(encodeRecovery({"/a.nbx", "", "x"})));      // no name
    EXPECT_FALSE(decodeRecovery(encodeRecovery({std::string("/a\0b", 4), "a.nbx", "x"})));
    EXPECT_FALSE(decodeRecovery(encodeRecovery({"/a\r", "a.nbx", "x"})));
    // A name with a line feed cannot be told from the header's end: it reads
    // as another project, never as a broken one that crashes the reader.
    const auto shifted = decodeRecovery(encodeRecovery({"/a\nb", "a.nbx", "x"}));
    ASSERT_TRUE(shifted);
    EXPECT_EQ(shifted->origin, "/a");
}

TEST(RecoverySlot, WritesReplacesDiscardsAndGoesAwayOnACleanExit) {
    test::TempDir root;
    fs::path kept;
    {
        auto slot = RecoverySlot::create(root.path());
        ASSERT_TRUE(slot);
        kept = slot->path();
        EXPECT_FALSE(slot->hasCopy());
        ASSERT_TRUE(slot->write(kEmber));
        EXPECT_TRUE(slot->hasCopy());
        RecoveryContent later = kEmber;
        later.archive += "more";
        ASSERT_TRUE(slot->write(later));
        EXPECT_EQ(decodeRecovery(readFileBytes(slot->copyPath()).value_or("")), later);
        // While it runs, no other editor claims its copy.
        EXPECT_TRUE(claimAbandonedCopies(root.path()).empty());
        EXPECT_TRUE(fs::exists(slot->copyPath()));

        slot->discard();  // saved
        EXPECT_FALSE(slot->hasCopy());
        EXPECT_TRUE(fs::is_directory(kept));
        ASSERT_TRUE(slot->write(kEmber));
    }
    EXPECT_FALSE(fs::exists(kept));
    // Two editors at once each have their own.
    auto a = RecoverySlot::create(root.path());
    auto b = RecoverySlot::create(root.path());
    ASSERT_TRUE(a && b);
    EXPECT_NE(a->path(), b->path());
}

TEST(RecoveryClaim, OffersWhatKilledEditorsLeftOnceAtATime) {
    test::TempDir root;
    RecoveryContent older = kEmber;
    older.fileName = "古い.nbx";
    const fs::path first = leaveSlot(root.path(), "1000", encodeRecovery(older));
    fs::last_write_time(first / kRecoveryFileName, fs::file_time_type::clock::now() - std::chrono::hours(1));
    leaveSlot(root.path(), "2000", encodeRecovery(kEmber));
    const fs::path empty = leaveSlot(root.path(), "3000", "");
    const fs::path foreign = leaveSlot(root.path(), "4000", "not a recovery copy");
    fs::create_directories(root.path() / "notes");

    std::vector<ClaimedCopy> claimed = claimAbandonedCopies(root.path());
    ASSERT_EQ(claimed.size(), 2u);
    EXPECT_EQ(claimed[0].content(), kEmber);  // newest first
    EXPECT_EQ(claimed[1].content().fileName, "古い.nbx");
    EXPECT_FALSE(fs::exists(empty));
    EXPECT_TRUE(fs::exists(foreign / kRecoveryFileName));
    EXPECT_TRUE(fs::is_directory(root.path() / "notes"));
    // A second editor starting meanwhile is not offered the same copies.
    EXPECT_TRUE(claimAbandonedCopies(root.path()).empty());

    claimed[0].remove();     // restored
    claimed[1].release();    // "later": kept for the next start
    EXPECT_FALSE(fs::exists(claimed[0].slot()));
    std::vector<ClaimedCopy> again = claimAbandonedCopies(root.path());
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].content().fileName, "古い.nbx");
}

}  // namespace
}  // namespace fg
