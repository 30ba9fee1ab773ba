// Every command announces what it changed in documentChanged, by part: the
// panels react to nothing else, so a part left out is a panel left stale.

#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "app/ChangeSpies.h"
#include "app/EditorTestSupport.h"

namespace fg {
namespace {

using test::ChangeSpy;
using test::ScratchHome;
using test::ScriptedPrompts;
using P = DocumentPart;

// The document is read through const references only.
static_assert(std::is_same_v<decltype(std::declval<Editor&>().state()), const EditorState&>);
static_assert(std::is_same_v<decltype(std::declval<Editor&>().simulation()), const Simulation&>);

struct CommandCase {
    std::string name;
    std::function<void(Editor&, const ScratchHome&)> setUp;  // not watched
    std::function<void(Editor&, const ScratchHome&)> command;
    DocumentChanges expected;
};

void nothing(Editor&, const ScratchHome&) {}

std::string picture(const ScratchHome& home) {
    const std::string path = home.file("glow.png");
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(Qt::white);
    EXPECT_TRUE(image.save(QString::fromStdString(path)));
    return path;
}

const std::vector<CommandCase>& commandCases() {
    const auto edited = [](Editor& e, const ScratchHome&) { e.editInt(*findNodeField("m_kill.span"), 70); };
    const auto saved = [](Editor& e, const ScratchHome& home) { ASSERT_TRUE(e.document().saveTo(home.file("a.nbx"))); };
    static const std::vector<CommandCase> cases = {
        {"modified", nothing, [](Editor& e, const ScratchHome&) { e.setModified(true); }, P::Title},
        {"remake", nothing, [](Editor& e, const ScratchHome&) { e.remake(); }, P::Preview},
        {"parameter", nothing, edited, P::History | P::Title},
        {"addChild", nothing, [](Editor& e, const ScratchHome&) { ASSERT_TRUE(e.addChild().done()); },
         P::Preview | P::History | P::Title | P::Tree | P::Selection | P::Page},
        {"deleteNode", [](Editor& e, const ScratchHome&) { ASSERT_TRUE(e.addBelow().done()); },
         [](Editor& e, const ScratchHome&) { ASSERT_TRUE(e.deleteNode().done()); },
         P::Preview | P::History | P::Tree | P::Selection | P::Page},
        {"rename", nothing, [](Editor& e, const ScratchHome&) { ASSERT_TRUE(e.renameSelected("炎")); },
         P::Preview | P::History | P::Title | P::Tree},
        {"select", [](Editor& e, const ScratchHome&) { ASSERT_TRUE(e.addBelow().done()); },
         [](Editor& e, const ScratchHome&) { e.selectNode(1); }, P::Selection | P::Tree | P::Page},
        {"visible", nothing, [](Editor& e, const ScratchHome&) { e.toggleVisible(1); }, P::Tree | P::Title},
        {"undo",
         [](Editor& e, const ScratchHome& home) {
             e.editInt(*findNodeField("m_kill.span"), 70);
             e.editInt(*findNodeField("m_timing.num"), 4);
             (void)home;
         },
         [](Editor& e, const ScratchHome&) { e.undo(); }, P::Preview | P::History | P::Tree | P::Page},
        {"save", nothing, saved, P::Title | P::Recent},
        {"recent", nothing, [](Editor& e, const ScratchHome&) { e.document().setRecentFiles(RecentFiles{}); },
         P::Recent},
        {"open", saved,
         [](Editor& e, const ScratchHome& home) { ASSERT_TRUE(e.document().openInPlace(home.file("a.nbx"))); },
         P::Preview | P::History | P::Tree | P::Selection | P::Materials | P::Page | P::Title | P::Settings | P::Views |
             P::Recent},
        {"import", nothing,
         [](Editor& e, const ScratchHome& home) { ASSERT_EQ(e.materials().importFiles({picture(home)}), 1); },
         P::Preview | P::History | P::Materials | P::Page | P::Title},
        {"projectSettings", nothing,
         [](Editor& e, const ScratchHome&) {
             e.viewSettings().setProjectSettings(ProjectSettingsChoice{30, 30, 64, 64, false, false});
         },
         P::Preview | P::Settings | P::Title},
        {"background", nothing,
         [](Editor& e, const ScratchHome&) {
             e.viewSettings().setBackgroundColor({1, 2, 3});
         },
         P::Preview | P::Settings | P::Title},
        {"sameBackground",
         nothing,
         [](Editor& e, const ScratchHome&) { e.viewSettings().setBackgroundColor(e.state().project.backColor); },
         {}},
        {"exportSettings", nothing,
         [](Editor& e, const ScratchHome&) {
             WriteSettings write = e.state().write;
             write.step = 3;
             e.viewSettings().setExportSettings(write, 64, 64);
         },
         P::Settings | P::Title},
        {"exportLayout", nothing, [](Editor& e, const ScratchHome&) { e.viewSettings().setExportLayout(2, 3); },
         P::Settings | P::Title},
        {"viewCamera", nothing,
         [](Editor& e, const ScratchHome&) {
             e.viewSettings().setCamera({1, 2, 3}, {});
         },
         P::Title},
        {"placedCamera", nothing,
         [](Editor& e, const ScratchHome&) {
             e.viewSettings().setCameraPlacement({1, 2, 3}, {});
         },
         P::Camera | P::Title},
        {"addView", nothing, [](Editor& e, const ScratchHome&) { e.viewSettings().addView(); }, P::Views | P::Title},
        {"removeView", nothing, [](Editor& e, const ScratchHome&) { e.viewSettings().removeView(0); },
         P::Views | P::Title},
        {"addRowStays",
         nothing,
         [](Editor& e, const ScratchHome&) {
             e.viewSettings().removeView(static_cast<int>(e.state().viewList.size()) - 1);
         },
         {}},
        {"display", nothing, [](Editor& e, const ScratchHome&) { e.viewSettings().toggleFrameDisplay(); }, P::Display},
    };
    return cases;
}

class EveryCommand : public ::testing::TestWithParam<CommandCase> {};

TEST_P(EveryCommand, AnnouncesThePartsItChanged) {
    ScratchHome home;
    ScriptedPrompts prompts;
    auto editor = test::makeEditor(&prompts);
    GetParam().setUp(*editor, home);
    const ChangeSpy changes(*editor);
    GetParam().command(*editor, home);
    EXPECT_EQ(changes.parts(), GetParam().expected)
        << std::hex << changes.parts().toInt() << " instead of " << GetParam().expected.toInt();
    // One command, one notification: a panel refills once.
    EXPECT_LE(changes.notifications(), 1);
    EXPECT_TRUE(prompts.asked.empty());
}

INSTANTIATE_TEST_SUITE_P(Parts, EveryCommand, ::testing::ValuesIn(commandCases()),
                         [](const ::testing::TestParamInfo<CommandCase>& param) { return param.param.name; });

// A change made through the bracket, as a test's set-up does, is announced
// with the parts given and a preview restart.
TEST(EditorBracket, AnnouncesWhatItWasToldAndARestart) {
    ScratchHome home;
    auto editor = test::makeEditor(nullptr);
    const ChangeSpy changes(*editor);
    editor->changeDocument(DocumentPart::Settings, [](EditorState& g) { g.project.fps = 24; });
    EXPECT_EQ(editor->state().project.fps, 24);
    EXPECT_EQ(editor->simulation().project().fps, 24);
    EXPECT_EQ(changes.parts(), P::Settings | P::Preview);
}

}  // namespace
}  // namespace fg
