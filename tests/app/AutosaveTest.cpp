// The editor's recovery copies: a change is copied once it settles, the
// copy opens as the edited project, and a save or an undo back to the
// saved state removes it.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "AppTestSupport.h"
#include "EditorTestSupport.h"
#include "app/Autosave.h"
#include "model/NodeFields.h"

namespace fg {
namespace {

using namespace std::chrono_literals;
using test::ScratchHome;
using test::ScriptedPrompts;

class AutosaveTest : public ::testing::Test {
protected:

    std::optional<RecoveryContent> copy() {
        EXPECT_TRUE(autosave->waitIdle().ok);
        const RecoverySlot* slot = autosave->slot();
        if (slot == nullptr || !slot->hasCopy()) return std::nullopt;
        return decodeRecovery(readFileBytes(slot->copyPath()).value_or(""));
    }

    QCoreApplication& app = test::testApplication();  // the timers need one
    ScratchHome home;
    ScriptedPrompts prompts;
    std::unique_ptr<Editor> editor = test::makeEditor(&prompts);
    std::unique_ptr<Autosave> autosave =
        std::make_unique<Autosave>(*editor, RecoverySlot::create(home.path() / "recovery"), 1s);
};

TEST_F(AutosaveTest, AChangeIsCopiedOnceItSettlesAndTheCopyOpensAsTheEditedProject) {
    ASSERT_TRUE(autosave->enabled());
    EXPECT_FALSE(copy());
    ASSERT_TRUE(editor->renameSelected("炎"));
    EXPECT_FALSE(copy());  // not at once: a drag is copied when it ends
    EXPECT_TRUE(QTest::qWaitFor([&] { return autosave->slot()->hasCopy(); }, 10000));

    const auto content = copy();
    ASSERT_TRUE(content);
    EXPECT_EQ(content->origin, "");
    EXPECT_EQ(content->fileName, "無題.nbx");
    const std::string archive = home.file("copy.nbx");
    ASSERT_TRUE(writeFileBytes(archive, content->archive));
    ScriptedPrompts otherPrompts;
    auto other = test::makeEditor(&otherPrompts);
    ASSERT_TRUE(other->document().openInPlace(archive));
    EXPECT_EQ(other->state().pSelNode()->m_name, "炎");
}

TEST_F(AutosaveTest, SavingOrUndoingToTheSavedStateRemovesTheCopy) {
    const std::string path = home.file("effect.nbx");
    ASSERT_TRUE(editor->document().saveTo(path));
    ASSERT_TRUE(editor->renameSelected("炎"));
    autosave->copyNow();
    const auto named = copy();
    ASSERT_TRUE(named);
    EXPECT_EQ(named->origin, path);
    EXPECT_EQ(named->fileName, "effect.nbx");

    editor->undo();  // back to the file's state
    EXPECT_FALSE(copy());
    editor->redo();
    autosave->copyNow();
    ASSERT_TRUE(copy());
    ASSERT_TRUE(editor->document().save());
    EXPECT_FALSE(copy());

    // A clean exit takes the slot away.
    const std::filesystem::path slot = autosave->slot()->path();
    autosave.reset();
    EXPECT_FALSE(std::filesystem::exists(slot));
}

TEST_F(AutosaveTest, AnIntervalOfZeroWritesNothing) {
    Autosave off(*editor, RecoverySlot::create(home.path() / "off"), 0s);
    EXPECT_FALSE(off.enabled());
    ASSERT_TRUE(editor->renameSelected("炎"));
    off.copyNow();
    EXPECT_EQ(off.slot(), nullptr);
    // Nothing but the root's own lock: no slot, no copy.
    for (const auto& entry : std::filesystem::directory_iterator(home.path() / "off")) {
        EXPECT_FALSE(entry.is_directory()) << entry.path();
    }
}

TEST_F(AutosaveTest, AFailedCopyIsReportedOnceUntilACopyIsWrittenAgain) {
    QSignalSpy failed(autosave.get(), &Autosave::copyFailed);
    // A folder where the copy belongs: no file can replace it.
    const std::filesystem::path blocker = autosave->slot()->copyPath();
    std::filesystem::create_directories(blocker / "in-the-way");
    ASSERT_TRUE(editor->renameSelected("炎"));
    autosave->copyNow();
    EXPECT_FALSE(autosave->waitIdle().ok);
    ASSERT_TRUE(failed.wait(5000));
    ASSERT_EQ(failed.count(), 1);
    const Message why = failed.at(0).at(0).value<Message>();
    EXPECT_NE(why.sourceText().find(blocker.string()), std::string::npos) << why;

    // Still failing: not said again.
    ASSERT_TRUE(editor->renameSelected("煙"));
    autosave->copyNow();
    EXPECT_FALSE(autosave->waitIdle().ok);
    QTest::qWait(100);
    EXPECT_EQ(failed.count(), 1);

    // Once a copy is written, the next failure is news again.
    std::filesystem::remove_all(blocker);
    ASSERT_TRUE(editor->renameSelected("火"));
    autosave->copyNow();
    EXPECT_TRUE(autosave->waitIdle().ok);
    QTest::qWait(100);
    std::filesystem::remove(blocker);
    std::filesystem::create_directories(blocker / "in-the-way");
    ASSERT_TRUE(editor->renameSelected("灰"));
    autosave->copyNow();
    EXPECT_FALSE(autosave->waitIdle().ok);
    EXPECT_TRUE(failed.wait(5000));
    EXPECT_EQ(failed.count(), 2);
}

}  // namespace
}  // namespace fg
