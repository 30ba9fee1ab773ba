// Work is never lost: an editor killed after an autosave leaves its changes
// for the next start to restore, a clean exit leaves nothing, and reverting
// to the saved file asks first and never throws work away for a file that
// cannot be read.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "AppTestSupport.h"
#include "EditorTestSupport.h"
#include "app/Autosave.h"

namespace fg {
namespace {

using test::ScratchHome;
using test::ScriptedPrompts;

class EditorRecovery : public ::testing::Test {
protected:
    // The stand-in editor, run to its end (it inherits FULGRANE3D_HOME): how
    // it ended and its standard output. A plain fork and exec, which the
    // thread checker follows, rather than QProcess's shared-memory spawn.
    struct ChildEnd {
        bool killed = false;
        int code = -1;  // exit code, or the signal that ended it
        std::string output;
    };
    static ChildEnd runChild(const char* how) {
        ChildEnd end;
        int pipeEnds[2];
        if (::pipe(pipeEnds) != 0) return end;
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::dup2(pipeEnds[1], STDOUT_FILENO);
            ::close(pipeEnds[0]);
            ::close(pipeEnds[1]);
            ::execl(FULGRANE3D_RECOVERY_CHILD, FULGRANE3D_RECOVERY_CHILD, how, static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(pipeEnds[1]);
        char buffer[256];
        for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
            end.output.append(buffer, static_cast<std::size_t>(got));
        }
        ::close(pipeEnds[0]);
        int status = 0;
        if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return end;
        end.killed = WIFSIGNALED(status);
        end.code = end.killed ? WTERMSIG(status) : WEXITSTATUS(status);
        return end;
    }

    QCoreApplication& app = test::testApplication();
    ScratchHome home;
    ScriptedPrompts prompts;
};

TEST_F(EditorRecovery, AKilledEditorsChangesComeBackAndACleanExitLeavesNothing) {
    const ChildEnd killed = runChild("kill");
    EXPECT_TRUE(killed.killed);
    EXPECT_EQ(killed.code, SIGKILL);
    EXPECT_EQ(killed.output, "copied\n");
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

    const ChildEnd exited = runChild("exit");
    EXPECT_FALSE(exited.killed);
    EXPECT_EQ(exited.code, 0);
    EXPECT_EQ(exited.output, "copied\n");
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
