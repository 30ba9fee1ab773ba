// The recovery writer's thread: what it writes is what a save writes, a
// discard after a write wins, and a failed pack keeps the previous copy.

#include <gtest/gtest.h>

#include "TempDir.h"
#include "persistence/RecoveryWriter.h"
#include "persistence/Workspace.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

struct Project {
    explicit Project(const fs::path& root) : workspace(*ScopedWorkspace::create(root / "ws")) {
        g.workDir = workspace.path().string();
        EXPECT_TRUE(writeFileBytes(fs::path(g.workDir) / "fire.png", "png bytes"));
    }
    EditorState g;
    ScopedWorkspace workspace;
};

std::optional<RecoveryContent> copyIn(const RecoveryWriter& writer) {
    const auto bytes = readFileBytes(writer.slot().copyPath());
    return bytes ? decodeRecovery(*bytes) : std::nullopt;
}

TEST(RecoveryWriter, WritesWhatASaveWritesAndDiscardsAfterIt) {
    test::TempDir root;
    Project project(root.path());
    project.g.pSelNode()->setName("炎");
    auto slot = RecoverySlot::create(root / "recovery");
    ASSERT_TRUE(slot);
    fs::path slotPath = slot->path();
    {
        RecoveryWriter writer(std::move(*slot));
        writer.write(*snapshotProject(project.g), "/home/artist/炎.nbx", "炎.nbx");
        ASSERT_TRUE(writer.waitIdle().ok);
        const auto copy = copyIn(writer);
        ASSERT_TRUE(copy);
        EXPECT_EQ(copy->origin, "/home/artist/炎.nbx");
        EXPECT_EQ(copy->fileName, "炎.nbx");
        const std::string saved = (root / "saved.nbx").string();
        ASSERT_TRUE(saveProjectTo(project.g, saved).ok);
        EXPECT_EQ(readFileBytes(saved), copy->archive);

        // Many writes in a row and a discard: the discard is the last word.
        for (int i = 0; i < 20; ++i) writer.write(*snapshotProject(project.g), "", "無題.nbx");
        writer.discard();
        ASSERT_TRUE(writer.waitIdle().ok);
        EXPECT_FALSE(writer.slot().hasCopy());
        EXPECT_TRUE(fs::is_directory(slotPath));
    }
    EXPECT_FALSE(fs::exists(slotPath));  // a clean exit leaves nothing
}

TEST(RecoveryWriter, AFailedPackReportsItAndKeepsThePreviousCopy) {
    test::TempDir root;
    Project project(root.path());
    auto slot = RecoverySlot::create(root / "recovery");
    ASSERT_TRUE(slot);
    RecoveryWriter writer(std::move(*slot));
    writer.write(*snapshotProject(project.g), "", "無題.nbx");
    ASSERT_TRUE(writer.waitIdle().ok);
    const auto first = copyIn(writer);
    ASSERT_TRUE(first);

    const ProjectSnapshot stale = *snapshotProject(project.g);
    ASSERT_TRUE(fs::remove(fs::path(project.g.workDir) / "fire.png"));
    writer.write(stale, "", "無題.nbx");
    const IoResult failed = writer.waitIdle();
    EXPECT_FALSE(failed.ok);
    EXPECT_NE(failed.message.sourceText().find("fire.png"), std::string::npos);
    EXPECT_EQ(copyIn(writer), first);
}

}  // namespace
}  // namespace fg
