// The editor controller without widgets: the title, the unsaved-changes
// question before every command that would lose changes, saving and opening,
// the recent files, remake and the document-change bracket.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <cerrno>
#include <climits>
#include <filesystem>
#include <functional>

#include "ChangeSpies.h"
#include "EditorTestSupport.h"
#include "persistence/FileBytes.h"
#include "persistence/Messages.h"

namespace fg {
namespace {

namespace fs = std::filesystem;
using test::ScratchHome;
using test::ScriptedPrompts;

TEST(EditorTitle, FollowsTheFileNameAndTheModifiedFlag) {
    ScratchHome home;
    ScriptedPrompts prompts;
    auto editor = test::makeEditor(&prompts);
    EXPECT_EQ(editor->document().titleText(), QString("無題.nbx - Fulgrane3D"));

    test::PartSpy titles(*editor, DocumentPart::Title);
    editor->setModified(true);
    EXPECT_EQ(editor->document().titleText(), QString("無題.nbx* - Fulgrane3D"));
    ASSERT_EQ(titles.count(), 1);

    ASSERT_TRUE(editor->document().saveTo(home.file("炎.nbx")));
    EXPECT_EQ(editor->document().titleText(), QString("炎.nbx - Fulgrane3D"));
    EXPECT_EQ(titles.count(), 2);
    EXPECT_FALSE(editor->isModified());
}

// A camera move in the view is part of the project: kept in g, saved with
// it, and it modifies the project (the title says so once).
TEST(EditorCamera, AMoveIsKeptSavedAndModifiesTheProject) {
    ScratchHome home;
    ScriptedPrompts prompts;
    auto editor = test::makeEditor(&prompts);
    test::PartSpy titles(*editor, DocumentPart::Title);
    editor->viewSettings().setCamera({1.5f, 2.0f, -7.0f}, {0.5f, 1.0f, 0.0f});
    editor->viewSettings().setCamera({1.5f, 2.5f, -7.0f}, {0.5f, 1.0f, 0.0f});
    EXPECT_TRUE(editor->isModified());
    ASSERT_EQ(titles.count(), 1);
    EXPECT_EQ(editor->document().titleText(), QString("無題.nbx* - Fulgrane3D"));

    ASSERT_TRUE(editor->document().saveTo(home.file("camera.nbx")));
    auto reopened = test::makeEditor(&prompts);
    ASSERT_TRUE(reopened->document().openInPlace(home.file("camera.nbx")));
    const CameraPlacement& camera = reopened->state().camera;
    EXPECT_EQ(camera.eye.x, 1.5f);
    EXPECT_EQ(camera.eye.y, 2.5f);
    EXPECT_EQ(camera.eye.z, -7.0f);
    EXPECT_EQ(camera.target.x, 0.5f);
    EXPECT_EQ(camera.target.y, 1.0f);
    EXPECT_EQ(camera.target.z, 0.0f);
}

// Every command that would lose the changes asks first; each is run by one
// of these with the dialogs it needs answered.
struct LosingCommand {
    const char* name;
    std::function<bool(Editor&, ScriptedPrompts&, const ScratchHome&)> run;
    std::vector<std::string> questionsAfterSave;  // what the command asks once the changes are dealt with
};

std::vector<LosingCommand> losingCommands() {
    return {
        {"new", [](Editor& e, ScriptedPrompts&, const ScratchHome&) { return e.document().newProject(); }, {}},
        {"open",
         [](Editor& e, ScriptedPrompts& p, const ScratchHome& h) {
             p.openPath = h.file("other.nbx");
             return e.document().openProject();
         },
         {"open dialog"}},
        {"drop",
         [](Editor& e, ScriptedPrompts&, const ScratchHome& h) {
             return e.document().openDropped({QString::fromStdString(h.file("dropped.nbx")), QString("/second.nbx")});
         },
         {}},
        {"close", [](Editor& e, ScriptedPrompts&, const ScratchHome&) { return e.document().confirmClose(); }, {}},
    };
}

class UnsavedQuestion : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        editor = test::makeEditor(&prompts);
        command = losingCommands()[static_cast<std::size_t>(GetParam())];
    }
    bool run() { return command.run(*editor, prompts, home); }

    ScratchHome home;
    ScriptedPrompts prompts;
    std::unique_ptr<Editor> editor;
    LosingCommand command;
};

TEST_P(UnsavedQuestion, NotAskedWithoutChanges) {
    EXPECT_TRUE(run());
    EXPECT_EQ(prompts.asked, command.questionsAfterSave);
}

TEST_P(UnsavedQuestion, CancelKeepsEverything) {
    editor->setModified(true);
    prompts.saveAnswer = SaveAnswer::Cancel;
    QSignalSpy relaunches(editor.get(), &Editor::relaunchRequested);
    EXPECT_FALSE(run());
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"save?"});
    EXPECT_EQ(relaunches.count(), 0);
    EXPECT_TRUE(editor->isModified());
}

TEST_P(UnsavedQuestion, NoGoesOnWithoutSaving) {
    editor->setModified(true);
    prompts.saveAnswer = SaveAnswer::No;
    EXPECT_TRUE(run());
    std::vector<std::string> expected{"save?"};
    expected.insert(expected.end(), command.questionsAfterSave.begin(), command.questionsAfterSave.end());
    EXPECT_EQ(prompts.asked, expected);
    EXPECT_TRUE(editor->isModified());
    EXPECT_TRUE(editor->document().recentFiles().entries().empty());
}

TEST_P(UnsavedQuestion, YesSavesToTheCurrentPathThenGoesOn) {
    ASSERT_TRUE(editor->document().saveTo(home.file("current.nbx")));
    fs::remove(home.file("current.nbx"));
    editor->setModified(true);
    prompts.saveAnswer = SaveAnswer::Yes;
    EXPECT_TRUE(run());
    std::vector<std::string> expected{"save?"};
    expected.insert(expected.end(), command.questionsAfterSave.begin(), command.questionsAfterSave.end());
    EXPECT_EQ(prompts.asked, expected);
    EXPECT_TRUE(fs::is_regular_file(home.file("current.nbx")));
    EXPECT_FALSE(editor->isModified());
}

TEST_P(UnsavedQuestion, YesWithoutAPathAsksWhereThenGoesOn) {
    editor->setModified(true);
    prompts.saveAnswer = SaveAnswer::Yes;
    prompts.savePath = home.file("new.nbx");
    EXPECT_TRUE(run());
    std::vector<std::string> expected{"save?", "save dialog"};
    expected.insert(expected.end(), command.questionsAfterSave.begin(), command.questionsAfterSave.end());
    EXPECT_EQ(prompts.asked, expected);
    EXPECT_TRUE(fs::is_regular_file(home.file("new.nbx")));
    EXPECT_FALSE(editor->isModified());
}

TEST_P(UnsavedQuestion, CancellingTheSaveDialogCancelsTheCommand) {
    editor->setModified(true);
    prompts.saveAnswer = SaveAnswer::Yes;
    prompts.savePath.reset();
    QSignalSpy relaunches(editor.get(), &Editor::relaunchRequested);
    EXPECT_FALSE(run());
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{"save?", "save dialog"}));
    EXPECT_EQ(relaunches.count(), 0);
    EXPECT_TRUE(editor->isModified());
}

TEST_P(UnsavedQuestion, AFailedSaveCancelsTheCommand) {
    editor->setModified(true);
    prompts.saveAnswer = SaveAnswer::Yes;
    prompts.savePath = home.file("no-such-folder/new.nbx");
    EXPECT_FALSE(run());
    ASSERT_EQ(prompts.asked.size(), 3u);
    // The message says where and why.
    EXPECT_EQ(prompts.asked[2],
              "error " + persistence_text::cannotWrite(home.file("no-such-folder/new.nbx"), ENOENT).sourceText());
    EXPECT_TRUE(editor->isModified());
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, UnsavedQuestion, ::testing::Range(0, 4),
                         [](const ::testing::TestParamInfo<int>& param) {
                             return std::string(losingCommands()[static_cast<std::size_t>(param.param)].name);
                         });

TEST(EditorRelaunch, NewOpenAndDropAskForAFreshInstanceWithThePath) {
    ScratchHome home;
    ScriptedPrompts prompts;
    auto editor = test::makeEditor(&prompts);
    QSignalSpy relaunches(editor.get(), &Editor::relaunchRequested);

    EXPECT_TRUE(editor->document().newProject());
    prompts.openPath = "/projects/a b.nbx";
    EXPECT_TRUE(editor->document().openProject());
    EXPECT_TRUE(editor->document().openDropped({QString("/drop/first.nbx"), QString("/drop/second.nbx")}));
    ASSERT_EQ(relaunches.count(), 3);
    EXPECT_EQ(relaunches.at(0).at(0).toString(), QString());
    EXPECT_EQ(relaunches.at(1).at(0).toString(), QString("/projects/a b.nbx"));
    EXPECT_EQ(relaunches.at(2).at(0).toString(), QString("/drop/first.nbx"));

    // The open dialog cancelled: nothing happens.
    prompts.openPath.reset();
    EXPECT_FALSE(editor->document().openProject());
    EXPECT_FALSE(editor->document().openDropped({}));
    EXPECT_EQ(relaunches.count(), 3);
}

TEST(EditorRelaunch, ClosingAfterARelaunchAsksNothingMore) {
    ScratchHome home;
    ScriptedPrompts prompts;
    auto editor = test::makeEditor(&prompts);
    editor->setModified(true);
    prompts.saveAnswer = SaveAnswer::No;
    ASSERT_TRUE(editor->document().newProject());
    prompts.saveAnswer = SaveAnswer::Cancel;
    EXPECT_TRUE(editor->document().confirmClose());
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"save?"});
}

TEST(EditorFiles, SaveAndOpenRoundTrip) {
    ScratchHome home;
    ScriptedPrompts prompts;
    auto first = test::makeEditor(&prompts);
    first->changeDocument({}, [](EditorState& g) {
        g.pSelNode()->setName("炎の芯");
        g.project.fps = 30;
        g.project.randomSeed = 7;
    });
    ASSERT_TRUE(writeFileBytes(fs::path(first->state().workDir) / "spark.png", dummyTexturePng()));
    first->setModified(true);
    prompts.savePath = home.file("round.nbx");
    ASSERT_TRUE(first->document().save());
    EXPECT_TRUE(first->state().hasFileName);
    EXPECT_EQ(first->state().fileName, home.file("round.nbx"));

    // Saving again goes to the same file without a dialog.
    prompts.asked.clear();
    ASSERT_TRUE(first->document().save());
    EXPECT_TRUE(prompts.asked.empty());

    auto second = test::makeEditor(&prompts);
    EXPECT_NE(second->state().workDir, first->state().workDir);
    test::PartSpy trees(*second, DocumentPart::Tree);
    test::PartSpy selections(*second, DocumentPart::Selection);
    test::PartSpy materials(*second, DocumentPart::Materials);
    test::PartSpy restarts(*second, DocumentPart::Preview);
    test::PartSpy pages(*second, DocumentPart::Page);
    test::PartSpy titles(*second, DocumentPart::Title);
    ASSERT_TRUE(second->document().openInPlace(home.file("round.nbx")));

    const EditorState& g = second->state();
    ASSERT_NE(g.tree.selected(), nullptr);
    EXPECT_EQ(g.tree.selected()->m_name, "炎の芯");
    EXPECT_EQ(g.project.fps, 30);
    EXPECT_EQ(g.project.randomSeed, 7);
    EXPECT_TRUE(fs::is_regular_file(fs::path(g.workDir) / "spark.png"));
    EXPECT_EQ(second->simulation().project().fps, 30);  // the preview restarted from the opened project
    EXPECT_EQ(trees.count(), 1);
    EXPECT_EQ(selections.count(), 1);
    EXPECT_EQ(materials.count(), 1);
    EXPECT_EQ(restarts.count(), 1);
    EXPECT_EQ(pages.count(), 1);
    ASSERT_EQ(titles.count(), 1);
    EXPECT_EQ(second->document().titleText(), QString("round.nbx - Fulgrane3D"));
    EXPECT_EQ(second->document().recentMenuEntries(), QStringList{QString::fromStdString(home.file("round.nbx"))});
}

TEST(EditorFiles, AFailedOpenSaysWhyAndLeavesAnEmptyEffect) {
    ScratchHome home;
    ScriptedPrompts prompts;
    auto editor = test::makeEditor(&prompts);
    ASSERT_TRUE(writeFileBytes(home.file("broken.nbx"), "NotNebrix,3,0,"));
    EXPECT_FALSE(editor->document().openInPlace(home.file("broken.nbx")));
    EXPECT_EQ(prompts.asked, std::vector<std::string>{std::string("error ") + persistence_text::kBrokenFile});
    EXPECT_EQ(prompts.lastErrorCaption, "Fulgrane3D");
    EXPECT_EQ(editor->state().tree.root().childCount(), 0);
    EXPECT_EQ(editor->state().tree.selected(), nullptr);
    EXPECT_TRUE(editor->document().recentFiles().entries().empty());
}

TEST(EditorFiles, RelativePathsAreRememberedWhole) {
    ScratchHome home;
    ScriptedPrompts prompts;
    auto editor = test::makeEditor(&prompts);
    const fs::path before = fs::current_path();
    fs::current_path(home.path());
    const bool saved = editor->document().saveTo("relative.nbx");
    fs::current_path(before);
    ASSERT_TRUE(saved);
    EXPECT_EQ(editor->state().fileName, home.file("relative.nbx"));
    EXPECT_EQ(editor->document().recentMenuEntries(), QStringList{QString::fromStdString(home.file("relative.nbx"))});
}

TEST(EditorRecent, SavingAddsInFrontOnceAndKeepsTen) {
    ScratchHome home;
    ScriptedPrompts prompts;
    auto editor = test::makeEditor(&prompts);
    test::PartSpy changes(*editor, DocumentPart::Recent);
    for (int i = 0; i < 11; ++i) ASSERT_TRUE(editor->document().saveTo(home.file("p" + std::to_string(i) + ".nbx")));
    EXPECT_EQ(changes.count(), 11);
    QStringList entries = editor->document().recentMenuEntries();
    ASSERT_EQ(entries.size(), 10);
    EXPECT_EQ(entries.front(), QString::fromStdString(home.file("p10.nbx")));
    EXPECT_EQ(entries.back(), QString::fromStdString(home.file("p1.nbx")));

    ASSERT_TRUE(editor->document().saveTo(home.file("p5.nbx")));
    entries = editor->document().recentMenuEntries();
    ASSERT_EQ(entries.size(), 10);
    EXPECT_EQ(entries.front(), QString::fromStdString(home.file("p5.nbx")));
    EXPECT_EQ(entries.count(QString::fromStdString(home.file("p5.nbx"))), 1);
}

TEST(EditorRecent, AMissingEntryIsRemovedOnlyWhenTheUserSaysYes) {
    ScratchHome home;
    ScriptedPrompts prompts;
    auto editor = test::makeEditor(&prompts);
    // As data.prm lists them: the empty slots carry "-".
    editor->document().setRecentFiles(
        RecentFiles({home.file("a.nbx"), home.file("gone.nbx"), home.file("c.nbx"), "-", "-"}));
    ASSERT_TRUE(editor->document().saveTo(home.file("a.nbx")));
    ASSERT_TRUE(editor->document().saveTo(home.file("c.nbx")));
    // c, a, gone
    ASSERT_EQ(editor->document().recentMenuEntries().size(), 3);

    prompts.removeMissing = false;
    EXPECT_FALSE(editor->document().openRecent(2));
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"remove " + home.file("gone.nbx") + "?"});
    EXPECT_EQ(editor->document().recentMenuEntries().size(), 3);

    prompts.removeMissing = true;
    test::PartSpy changes(*editor, DocumentPart::Recent);
    EXPECT_FALSE(editor->document().openRecent(2));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(editor->document().recentMenuEntries(),
              (QStringList{QString::fromStdString(home.file("c.nbx")), QString::fromStdString(home.file("a.nbx"))}));
    EXPECT_EQ(editor->document().recentFiles().entries().size(), 4u);  // the empty slots stay

    // An entry that exists opens in place and moves to the front.
    prompts.asked.clear();
    ASSERT_TRUE(editor->document().openRecent(1));
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(editor->document().recentMenuEntries().front(), QString::fromStdString(home.file("a.nbx")));
    EXPECT_EQ(editor->state().fileName, home.file("a.nbx"));
    EXPECT_FALSE(editor->document().openRecent(7));  // past the list: nothing
}

TEST(EditorRecent, OpeningARecentEntryAsksAboutUnsavedChangesFirst) {
    ScratchHome home;
    ScriptedPrompts prompts;
    auto editor = test::makeEditor(&prompts);
    ASSERT_TRUE(editor->document().saveTo(home.file("a.nbx")));
    editor->setModified(true);
    prompts.saveAnswer = SaveAnswer::Cancel;
    EXPECT_FALSE(editor->document().openRecent(0));
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"save?"});
    EXPECT_TRUE(editor->isModified());
}

TEST(EditorPreview, RemakeTakesTheNextSeedAndRestarts) {
    ScratchHome home;
    ScriptedPrompts prompts;
    auto editor = test::makeEditor(&prompts);
    editor->changeDocument({}, [](EditorState& g) { g.project.randomSeed = 41; });
    Simulation& simulation = test::previewSimulation(*editor);
    for (int i = 0; i < 5; ++i) simulation.step();
    ASSERT_EQ(simulation.frame(), 6u);

    test::PartSpy restarts(*editor, DocumentPart::Preview);
    editor->remake();
    EXPECT_EQ(editor->state().project.randomSeed, 42);
    EXPECT_EQ(simulation.project().randomSeed, 42);
    EXPECT_EQ(simulation.frame(), 1u);
    EXPECT_EQ(simulation.particles().size(), 1u);  // only the root particle
    EXPECT_EQ(restarts.count(), 1);

    editor->changeDocument({}, [](EditorState& g) { g.project.randomSeed = INT_MAX; });
    editor->remake();
    EXPECT_EQ(editor->state().project.randomSeed, INT_MIN);
}

TEST(EditorPreview, TheBracketStopsTheWorkerAroundTheChange) {
    ScratchHome home;
    ScriptedPrompts prompts;
    auto editor = test::makeEditor(&prompts);
    editor->startWorker();
    ASSERT_TRUE(editor->workerRunning());
    bool runningDuringChange = true;
    editor->changeDocument([&] { runningDuringChange = editor->workerRunning(); });
    EXPECT_FALSE(runningDuringChange);
    EXPECT_TRUE(editor->workerRunning());

    editor->remake();
    EXPECT_TRUE(editor->workerRunning());
    EXPECT_TRUE(editor->document().confirmClose());
    EXPECT_FALSE(editor->workerRunning());
}

TEST(EditorPreview, AParameterEditReachesTheNextStepWithoutARestart) {
    ScratchHome home;
    ScriptedPrompts prompts;
    auto editor = test::makeEditor(&prompts);
    Node* selected = editor->state().tree.selected();
    Simulation& simulation = test::previewSimulation(*editor);
    simulation.step();
    simulation.step();
    test::PartSpy restarts(*editor, DocumentPart::Preview);
    selected->m_move.speed = 37;  // as a page's edit does before it publishes
    editor->publishParameters();
    EXPECT_EQ(simulation.effect()[1].params.m_move.speed, 0);  // not before the step
    simulation.step();
    EXPECT_EQ(simulation.effect()[1].params.m_move.speed, 37);
    EXPECT_EQ(simulation.frame(), 4u);
    EXPECT_EQ(restarts.count(), 0);
}

TEST(EditorDisplay, TogglesFlipOneFlagEach) {
    ScratchHome home;
    ScriptedPrompts prompts;
    auto editor = test::makeEditor(&prompts);
    EXPECT_EQ(editor->viewSettings().displayFlags(), (DisplayFlags{true, false, false}));
    test::PartSpy changes(*editor, DocumentPart::Display);
    editor->viewSettings().toggleFrameDisplay();
    editor->viewSettings().toggleParticleDisplay();
    editor->viewSettings().toggleFpsDisplay();
    EXPECT_EQ(editor->viewSettings().displayFlags(), (DisplayFlags{false, true, true}));
    editor->viewSettings().toggleParticleDisplay();
    EXPECT_EQ(editor->viewSettings().displayFlags(), (DisplayFlags{false, false, true}));
    EXPECT_EQ(changes.count(), 4);
}

}  // namespace
}  // namespace fg

namespace fg {
namespace {

TEST(EditorShutDown, RemovesItsOwnWorkspaceAndLeavesAnotherInstancesAlone) {
    test::ScratchHome home;
    auto first = test::makeEditor(nullptr);
    auto second = test::makeEditor(nullptr);
    const std::filesystem::path firstDir = first->state().workDir;
    const std::filesystem::path secondDir = second->state().workDir;
    ASSERT_NE(firstDir, secondDir);

    // A third program starting now clears only what no running one holds.
    EXPECT_EQ(clearStaleWorkspaces(defaultWorkspaceRoot()), 0);
    EXPECT_TRUE(std::filesystem::is_directory(firstDir));

    second.reset();
    EXPECT_FALSE(std::filesystem::exists(secondDir));
    EXPECT_TRUE(std::filesystem::is_directory(firstDir));
    first.reset();
    EXPECT_FALSE(std::filesystem::exists(firstDir));
}

}  // namespace
}  // namespace fg
