// The colour gradient's commands: a gesture is one history entry over all
// four colour curves, undo restores them together, a gradient pastes onto
// another node, and a project the gradient wrote opens and saves unchanged.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "EditorTestSupport.h"
#include "model/ColourGradient.h"
#include "persistence/FileBytes.h"

namespace fg {
namespace {

using test::ScratchHome;
using test::ScriptedPrompts;

class EditorGradient : public ::testing::Test {
protected:
    const Node& selected() { return *editor->state().pSelNode(); }
    GradientPoints curves() { return ColourGradient(selected()).points(); }
    std::string lastLabel() {
        const EditHistory& history = editor->history();
        return history.entry(history.count() - 1).label.sourceText();
    }

    // An ember: yellow, then orange at a third of the life, then a
    // transparent dark red; one gesture.
    void paintEmber() {
        ColourGradient gradient(selected());
        editor->beginGradientEdit();
        const int middle = gradient.addStop(33);
        editor->setGradientPoints(gradient.points());
        gradient.setColour(0, GradientColour{255, 240, 120, 255});
        editor->setGradientPoints(gradient.points());
        gradient.setColour(middle, GradientColour{255, 110, 20, 230});
        editor->setGradientPoints(gradient.points());
        gradient.setColour(middle + 1, GradientColour{90, 10, 0, 0});
        editor->setGradientPoints(gradient.points());
    }

    ScratchHome home;
    ScriptedPrompts prompts;
    std::unique_ptr<Editor> editor = test::makeEditor(&prompts);
};

TEST_F(EditorGradient, AGestureIsOneEntryAndUndoRestoresAllFourCurvesAtOnce) {
    ASSERT_TRUE(editor->renameSelected("炎"));
    const GradientPoints before = curves();
    const int entries = editor->history().count();

    paintEmber();
    const GradientPoints painted = curves();
    EXPECT_EQ(editor->history().count(), entries + 1);
    EXPECT_EQ(lastLabel(), "炎-カラー グラデーション");
    EXPECT_TRUE(editor->isModified());
    for (const GraphPoints& points : painted) EXPECT_EQ(points.size(), 3u);
    EXPECT_EQ(ColourGradient(painted).stops()[1].colour, (GradientColour{255, 110, 20, 230}));

    editor->undo();
    EXPECT_EQ(curves(), before);
    editor->redo();
    EXPECT_EQ(curves(), painted);

    // A new gesture that changes nothing records nothing.
    editor->beginGradientEdit();
    editor->setGradientPoints(painted);
    EXPECT_EQ(editor->history().count(), entries + 1);
}

TEST_F(EditorGradient, AGradientCopiedFromOneNodePastesOntoAnother) {
    EXPECT_FALSE(editor->canPasteGradient());
    EXPECT_FALSE(editor->pasteGradient());
    paintEmber();
    const GradientPoints painted = curves();
    const std::int32_t source = selected().m_ID;
    editor->copyGradient();
    ASSERT_TRUE(editor->canPasteGradient());

    ASSERT_TRUE(editor->addBelow().done());
    ASSERT_NE(selected().m_ID, source);
    ASSERT_NE(curves(), painted);
    const int entries = editor->history().count();
    EXPECT_TRUE(editor->pasteGradient());
    EXPECT_EQ(curves(), painted);
    EXPECT_EQ(editor->history().count(), entries + 1);
    editor->undo();
    EXPECT_NE(curves(), painted);
}

TEST_F(EditorGradient, AProjectTheGradientWroteOpensAndSavesByteForByte) {
    paintEmber();
    {
        // A second stop dragged, so that positions off the first grid are stored too.
        ColourGradient gradient(selected());
        editor->beginGradientEdit();
        // Completing at 71 pins the curves around it, so stops are found by position.
        const int moved = gradient.moveStop(gradient.addStop(71), 64);
        ASSERT_EQ(gradient.stops()[static_cast<std::size_t>(moved)].position, 64.0f);
        gradient.setColour(moved, GradientColour{1, 2, 3, 4});
        editor->setGradientPoints(gradient.points());
    }
    const GradientPoints written = curves();
    const std::string first = home.file("ember.nbx");
    ASSERT_TRUE(editor->document().saveTo(first));

    ScriptedPrompts otherPrompts;
    auto reopened = test::makeEditor(&otherPrompts);
    ASSERT_TRUE(reopened->document().openInPlace(first));
    // Every stop, pins included, reads back with the colour it was written with.
    const auto stops = ColourGradient(*reopened->state().pSelNode()).stops();
    const auto expected = ColourGradient(written).stops();
    ASSERT_EQ(stops.size(), expected.size());
    for (std::size_t i = 0; i < stops.size(); ++i) {
        EXPECT_EQ(stops[i].position, expected[i].position);
        EXPECT_EQ(stops[i].colour, expected[i].colour) << "stop at " << expected[i].position;
    }
    const auto colourAt = [&stops](float position) {
        const auto stop = std::find_if(stops.begin(), stops.end(), [&](const GradientStop& s) { return s.position == position; });
        return stop != stops.end() ? stop->colour : GradientColour{-1, -1, -1, -1};
    };
    EXPECT_EQ(colourAt(33), (GradientColour{255, 110, 20, 230}));
    EXPECT_EQ(colourAt(64), (GradientColour{1, 2, 3, 4}));
    EXPECT_EQ(stops.back().colour, (GradientColour{90, 10, 0, 0}));

    // The same name in another folder: nothing but the content may differ.
    std::filesystem::create_directory(home.path() / "again");
    const std::string second = (home.path() / "again" / "ember.nbx").string();
    ASSERT_TRUE(reopened->document().saveTo(second));
    const auto firstBytes = readFileBytes(first);
    ASSERT_TRUE(firstBytes.has_value());
    EXPECT_EQ(readFileBytes(second), firstBytes);
}

}  // namespace
}  // namespace fg
