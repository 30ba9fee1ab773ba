// Work is never lost: an editor killed after an autosave leaves its changes
// for the next start to restore, a clean exit leaves nothing, and reverting
// to the saved file asks first and never throws work away for a file that
// cannot be read.

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include "AppTestSupport.h"
#include "EditorTestSupport.h"
#include "app/Autosave.h"

namespace fg {
namespace {

using test::ScratchHome;
using test::ScriptedPrompts;

class EditorRecovery : public ::testing::Test {
protected:
    // The stand-in editor, run to its end; its standard output.
    QString runChild(const char* how, QProcess::ExitStatus expected) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("FULGRANE3D_HOME", QString::fromStdString(home.path().string()));
        child.setProcessEnvironment(environment);
        child.start(QStringLiteral(FULGRANE3D_RECOVERY_CHILD), {QString::fromLatin1(how)});
        EXPECT_TRUE(child.waitForFinished(60000));
        EXPECT_EQ(child.exitStatus(), expected) << child.readAllStandardError().toStdString();
        return QString::fromUtf8(child.readAllStandardOutput());
    }

    QCoreApplication& app = test::testApplication();
    ScratchHome home;
    ScriptedPrompts prompts;
};

TEST_F(EditorRecovery, AKilledEditorsChangesComeBackAndACleanExitLeavesNothing) {
    EXPECT_EQ(runChild("kill", QProcess::CrashExit), "copied\n");
    std::vector<ClaimedCopy> copies = claimAbandonedCopies(defaultRecoveryRoot());
    ASSERT_EQ(copies.size(), 1u);

    auto editor = test::makeEditor(&prompts);
    ASSERT_TRUE(editor->document().restoreRecovered(copies[0].content()));
    copies[0].remove();
    EXPECT_EQ(editor->state().pSelNode()->m_name, "killed before saving");
    EXPECT_TRUE(editor->isModified());
    EXPECT_FALSE(editor->state().hasFileName);
    EXPECT_EQ(editor->document().titleText(), QString("無題.nbx* - Fulgrane3D"));
    EXPECT_TRUE(claimAbandonedCopies(defaultRecoveryRoot()).empty());

    EXPECT_EQ(runChild("exit", QProcess::NormalExit), "copied\n");
    EXPECT_TRUE(claimAbandonedCopies(defaultRecoveryRoot()).empty());
    for (const auto& entry : std::filesystem::directory_iterator(defaultRecoveryRoot())) {
        EXPECT_FALSE(entry.is_directory()) << entry.path();  // no slot left behind
    }
}

TEST_F(EditorRecovery, ARestoredCopyBelongsToItsFileAndStaysUnsaved) {
    const std::string path = home.file("effect.nbx");
    RecoveryContent copy;
    {
        auto editor = test::makeEditor(&prompts);
        ASSERT_TRUE(editor->document().saveTo(path));
        ASSERT_TRUE(editor->renameSelected("炎"));
        Autosave autosave(*editor, RecoverySlot::create(home.path() / "recovery"), std::chrono::seconds(60));
        autosave.copyNow();
        ASSERT_TRUE(autosave.waitIdle().ok);
        copy = *decodeRecovery(readFileBytes(autosave.slot()->copyPath()).value_or(""));
    }
    auto editor = test::makeEditor(&prompts);
    ASSERT_TRUE(editor->document().restoreRecovered(copy));
    EXPECT_EQ(editor->state().pSelNode()->m_name, "炎");
    EXPECT_EQ(editor->state().fileName, path);
    EXPECT_TRUE(editor->state().hasFileName);
    EXPECT_EQ(editor->document().titleText(), QString("effect.nbx* - Fulgrane3D"));
    // Saving it writes to its own file.
    ASSERT_TRUE(editor->document().save());
    EXPECT_FALSE(editor->isModified());

    // A copy that is not a project: told, and nothing pretends to be open.
    RecoveryContent broken = copy;
    broken.archive = "not a project";
    auto other = test::makeEditor(&prompts);
    EXPECT_FALSE(other->document().restoreRecovered(broken));
    EXPECT_EQ(prompts.asked.back().rfind("error ", 0), 0u);
}

TEST_F(EditorRecovery, RevertToSavedAsksAndKeepsTheChangesWhenTheFileCannotBeRead) {
    auto editor = test::makeEditor(&prompts);
    EXPECT_FALSE(editor->document().canRevert());  // never saved
    const std::string path = home.file("effect.nbx");
    ASSERT_TRUE(editor->document().saveTo(path));
    EXPECT_FALSE(editor->document().canRevert());  // nothing to throw away
    ASSERT_TRUE(editor->renameSelected("炎"));
    ASSERT_TRUE(editor->document().canRevert());

    prompts.revert = false;
    EXPECT_FALSE(editor->document().revertToSaved());
    EXPECT_EQ(prompts.asked.back(), "revert to " + path + "?");
    EXPECT_EQ(editor->state().pSelNode()->m_name, "炎");

    prompts.revert = true;
    ASSERT_TRUE(writeFileBytes(path + ".keep", readFileBytes(path).value_or("")));
    ASSERT_TRUE(writeFileBytes(path, "broken"));
    EXPECT_FALSE(editor->document().revertToSaved());
    EXPECT_EQ(prompts.asked.back().rfind("error ", 0), 0u);
    EXPECT_EQ(editor->state().pSelNode()->m_name, "炎");
    EXPECT_TRUE(editor->isModified());

    std::filesystem::rename(path + ".keep", path);
    EXPECT_TRUE(editor->document().revertToSaved());
    EXPECT_EQ(editor->state().pSelNode()->m_name, "ノード1");
    EXPECT_FALSE(editor->isModified());
    EXPECT_EQ(editor->history().count(), 1);
}

}  // namespace
}  // namespace fg
