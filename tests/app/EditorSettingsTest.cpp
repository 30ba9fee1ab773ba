// The settings commands of the editor without widgets: the clamps and the
// export-range reset of the project settings, the background colour, the
// camera placement and the view list; every change marks the project
// modified and survives saving and reopening.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <climits>
#include <cmath>
#include <limits>

#include "ChangeSpies.h"
#include "EditorTestSupport.h"

namespace fg {
namespace {

using test::ScratchHome;

TEST(ProjectSettingsRules, TenthsAndViewLabels) {
    EXPECT_EQ(tenthsOf(12.34f), 123);
    EXPECT_EQ(tenthsOf(-12.34f), -123);
    // The floats that k / 10 gives show as k again.
    EXPECT_EQ(tenthsOf(0.7f), 7);
    EXPECT_EQ(tenthsOf(-0.7f), -7);
    EXPECT_EQ(tenthsOf(static_cast<float>(-999) / 10.0f), -999);
    EXPECT_EQ(tenthsOf(1.25f), 12);
    EXPECT_EQ(tenthsOf(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(tenthsOf(1e30f), INT_MAX);
    EXPECT_EQ(tenthsOf(-1e30f), INT_MIN);
    EXPECT_EQ(viewLabel({1.25f, -3.0f, -8.0f}, {0.0f, 0.5f, 0.0f}), "(12,-30,-80)－(0,5,0)");
}

TEST(EditorSettings, ProjectSettingsAreClampedAndResetTheExportRange) {
    ScratchHome home;
    auto editor = test::makeEditor(nullptr);
    test::PartSpy restarts(*editor, DocumentPart::Preview);
    editor->viewSettings().setProjectSettings(ProjectSettingsChoice{0, 0, 0, 5000, true, true});
    const EditorState& g = editor->state();
    EXPECT_EQ((std::vector<int>{g.project.frame, g.project.fps, g.project.width, g.project.height}),
              (std::vector<int>{1, 1, 1, 2048}));
    EXPECT_EQ((std::vector<int>{g.project.sort, g.project.reverse}), (std::vector<int>{1, 1}));
    EXPECT_EQ((std::vector<int>{g.write.start, g.write.end, g.write.width}), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(restarts.count(), 1);
    EXPECT_EQ(editor->simulation().project().fps, 1);  // the preview runs with the new settings
    EXPECT_TRUE(editor->isModified());

    editor->viewSettings().setProjectSettings(ProjectSettingsChoice{10000, 121, 128, 128, false, false});
    EXPECT_EQ((std::vector<int>{g.project.frame, g.project.fps, g.write.end, g.write.width}),
              (std::vector<int>{9999, 120, 9999, 99}));
}

TEST(EditorSettings, UnchangedSettingsLeaveTheProjectUnmodified) {
    ScratchHome home;
    auto editor = test::makeEditor(nullptr);
    editor->changeDocument({}, [](EditorState& state) { state.write.width = 7; });  // ⌊√60⌋
    const EditorState& g = editor->state();
    editor->viewSettings().setProjectSettings(projectSettingsChoice(g.project));
    EXPECT_FALSE(editor->isModified());
    editor->viewSettings().setBackgroundColor(g.project.backColor);
    EXPECT_FALSE(editor->isModified());
    editor->viewSettings().setExportSettings(g.write, g.project.width, g.project.height);
    EXPECT_FALSE(editor->isModified());
}

TEST(EditorSettings, TheBackgroundColourRestartsThePreviewWithIt) {
    ScratchHome home;
    auto editor = test::makeEditor(nullptr);
    test::PartSpy titles(*editor, DocumentPart::Title);
    editor->viewSettings().setBackgroundColor(Vec3f{10.0f, 20.0f, 30.0f});
    EXPECT_EQ(editor->simulation().project().backColor, (Vec3f{10.0f, 20.0f, 30.0f}));
    EXPECT_EQ(titles.count(), 1);
    EXPECT_EQ(editor->document().titleText(), QString("無題.nbx* - Fulgrane3D"));
}

TEST(EditorSettings, TheAddRowStaysLastAndCannotBeRemovedOrChosen) {
    ScratchHome home;
    auto editor = test::makeEditor(nullptr);
    // A list read without its add row.
    editor->changeDocument({}, [](EditorState& state) { state.viewList = {ViewEntry{{1, 2, 3}, {}, 60.0f, "a"}}; });
    const EditorState& g = editor->state();
    editor->viewSettings().addView();
    ASSERT_EQ(g.viewList.size(), 3u);
    EXPECT_EQ(g.viewList[0].title, "a");
    EXPECT_EQ(g.viewList[1].title, "(0,50,-100)－(0,0,0)");
    EXPECT_EQ(g.viewList[2].title, kViewListPlaceholder);

    test::PartSpy placed(*editor, DocumentPart::Camera);
    editor->viewSettings().removeView(2);
    editor->viewSettings().applyView(2);
    editor->viewSettings().removeView(-1);
    EXPECT_EQ(g.viewList.size(), 3u);
    EXPECT_EQ(placed.count(), 0);
    editor->viewSettings().applyView(0);
    EXPECT_EQ(g.camera.eye, (Vec3f{1, 2, 3}));
    EXPECT_EQ(placed.count(), 1);
}

TEST(EditorSettings, EverySettingIsKeptThroughSavingAndReopening) {
    ScratchHome home;
    const std::string path = home.file("kept.nbx");
    {
        auto editor = test::makeEditor(nullptr);
        editor->viewSettings().setProjectSettings(ProjectSettingsChoice{30, 24, 64, 32, true, false});
        editor->viewSettings().setBackgroundColor(Vec3f{10.0f, 20.0f, 30.0f});
        editor->viewSettings().setCameraPlacement(Vec3f{1.5f, 2.0f, -7.0f}, Vec3f{0.0f, 1.0f, 0.0f});
        editor->viewSettings().addView();
        WriteSettings write = editor->state().write;
        write.step = 3;
        write.type = 1;
        editor->viewSettings().setExportSettings(write, 64, 32);
        ASSERT_TRUE(editor->document().saveTo(path));
    }
    auto reopened = test::makeEditor(nullptr);
    ASSERT_TRUE(reopened->document().openInPlace(path));
    const EditorState& g = reopened->state();
    EXPECT_EQ((std::vector<int>{g.project.frame, g.project.fps, g.project.width, g.project.height, g.project.sort}),
              (std::vector<int>{30, 24, 64, 32, 1}));
    EXPECT_EQ(g.project.backColor, (Vec3f{10.0f, 20.0f, 30.0f}));
    EXPECT_EQ((std::vector<int>{g.write.start, g.write.end, g.write.step, g.write.width, g.write.type}),
              (std::vector<int>{1, 30, 3, 5, 1}));
    EXPECT_EQ(g.camera.eye, (Vec3f{1.5f, 2.0f, -7.0f}));
    ASSERT_EQ(g.viewList.size(), 5u);
    EXPECT_EQ(g.viewList[3].title, "(15,20,-70)－(0,10,0)");
    EXPECT_EQ(g.viewList[3].pos, (Vec3f{1.5f, 2.0f, -7.0f}));
}

}  // namespace
}  // namespace fg
