// Parameter, rename and graph entries: merging, labels, undo and redo.

#include <gtest/gtest.h>

#include "HistoryTestSupport.h"

namespace fg {
namespace {

using test::labels;
using test::row;

class ParameterHistory : public ::testing::Test {
protected:
    EffectTree tree = EffectTree::startup();
    EditHistory history;
    Node& first() { return *tree.root().childAt(0); }
};

TEST_F(ParameterHistory, StartsWithTheBaseEntryAndCannotUndoIt) {
    EXPECT_EQ(labels(history), (std::vector<std::string>{"スタート"}));
    EXPECT_EQ(history.index(), 0);
    EXPECT_FALSE(history.undo(tree));
    EXPECT_FALSE(history.redo(tree));
    EXPECT_EQ(history.index(), 0);
}

TEST_F(ParameterHistory, ADragThroughManyValuesIsOneEntryAndUndoRestoresTheStart) {
    const NodeField& span = row("m_kill.span");
    for (int v = 61; v <= 160; ++v) EXPECT_TRUE(history.push(tree, Edit::setInt(first(), span, v)));
    EXPECT_EQ(labels(history), (std::vector<std::string>{"スタート", "ノード1-寿命"}));
    EXPECT_EQ(first().m_kill.span, 160);
    EXPECT_TRUE(history.undo(tree));
    EXPECT_EQ(first().m_kill.span, 60);
    EXPECT_TRUE(history.redo(tree));
    EXPECT_EQ(first().m_kill.span, 160);
}

TEST_F(ParameterHistory, AnEqualValueChangesAndRecordsNothing) {
    EXPECT_FALSE(history.push(tree, Edit::setInt(first(), row("m_kill.span"), 60)));
    EXPECT_FALSE(history.push(tree, Edit::setFloat(first(), row("m_emitter.pos.x"), 0.0f)));
    EXPECT_EQ(history.count(), 1);
}

TEST_F(ParameterHistory, EditingABThenAAgainGivesThreeEntries) {
    history.push(tree, Edit::setInt(first(), row("m_kill.span"), 70));
    history.push(tree, Edit::setFloat(first(), row("m_emitter.pos.x"), 1.5f));
    history.push(tree, Edit::setInt(first(), row("m_kill.span"), 80));
    EXPECT_EQ(labels(history), (std::vector<std::string>{"スタート", "ノード1-寿命", "ノード1-発生源の位置（X)",
                                                         "ノード1-寿命"}));
    history.undo(tree);
    EXPECT_EQ(first().m_kill.span, 70);
    history.undo(tree);
    EXPECT_EQ(first().m_emitter.pos.x, 0.0f);
    history.undo(tree);
    EXPECT_EQ(first().m_kill.span, 60);
}

TEST_F(ParameterHistory, TheSameFieldOnTwoNodesGivesTwoEntries) {
    ASSERT_TRUE(tree.addBelowSelected().done());
    Node& second = *tree.root().childAt(1);
    history.push(tree, Edit::setInt(first(), row("m_scale.max"), 20));
    history.push(tree, Edit::setInt(second, row("m_scale.max"), 30));
    EXPECT_EQ(labels(history), (std::vector<std::string>{"スタート", "ノード1-サイズ", "ノード2-サイズ"}));
}

TEST_F(ParameterHistory, AFloatEntryRestoresTheExactBits) {
    history.push(tree, Edit::setFloat(first(), row("m_move.absorbPawer"), 0.1f));
    history.push(tree, Edit::setFloat(first(), row("m_move.absorbPawer"), 0.30000001f));
    history.undo(tree);
    EXPECT_EQ(first().m_move.absorbPawer, 0.0f);
    history.redo(tree);
    EXPECT_EQ(first().m_move.absorbPawer, 0.30000001f);
}

TEST_F(ParameterHistory, APathMissingFromTheLabelTableGivesALabelEndingInADash) {
    history.push(tree, Edit::setInt(first(), row("m_emitter.scaleFix"), 1));
    EXPECT_EQ(history.entry(1).label.sourceText(), "ノード1-");
}

TEST_F(ParameterHistory, AnEditAfterUndoDropsTheRedoBranch) {
    history.push(tree, Edit::setInt(first(), row("m_kill.span"), 70));
    history.push(tree, Edit::setInt(first(), row("m_scale.max"), 20));
    history.undo(tree);
    history.push(tree, Edit::setInt(first(), row("m_timing.num"), 5));
    EXPECT_EQ(labels(history), (std::vector<std::string>{"スタート", "ノード1-寿命", "ノード1-発生個数"}));
    EXPECT_FALSE(history.redo(tree));
    EXPECT_EQ(first().m_scale.max, 10);
}

TEST_F(ParameterHistory, AnEditOfTheUndoneFieldStartsANewEntryInsteadOfMerging) {
    // Merging into the undone entry would leave it as a redo that writes
    // back the older value over this edit.
    history.push(tree, Edit::setInt(first(), row("m_scale.max"), 20));
    history.push(tree, Edit::setInt(first(), row("m_kill.span"), 70));
    history.undo(tree);
    history.push(tree, Edit::setInt(first(), row("m_kill.span"), 90));
    EXPECT_EQ(labels(history), (std::vector<std::string>{"スタート", "ノード1-サイズ", "ノード1-寿命"}));
    EXPECT_EQ(history.index(), 2);
    EXPECT_FALSE(history.redo(tree));
    EXPECT_EQ(first().m_kill.span, 90);
    history.undo(tree);
    EXPECT_EQ(first().m_kill.span, 60);
}

TEST_F(ParameterHistory, ThereIsNoLimitOnTheNumberOfEntries) {
    for (int i = 0; i < 3000; ++i) {
        history.push(tree, Edit::setInt(first(), row(i % 2 == 0 ? "m_kill.span" : "m_scale.max"), 100 + i));
    }
    EXPECT_EQ(history.count(), 3001);
    EXPECT_TRUE(history.jumpTo(tree, 0));
    EXPECT_EQ(first().m_kill.span, 60);
    EXPECT_EQ(first().m_scale.max, 10);
}

TEST_F(ParameterHistory, RenameEntriesRestoreBothNames) {
    EXPECT_TRUE(history.push(tree, Edit::rename(first(), "炎")));
    EXPECT_FALSE(history.push(tree, Edit::rename(first(), "炎")));
    EXPECT_EQ(history.entry(1).label.sourceText(), "ノード名＜炎＞に変更");
    history.undo(tree);
    EXPECT_EQ(first().m_name, "ノード1");
    history.redo(tree);
    EXPECT_EQ(first().m_name, "炎");
}

TEST_F(ParameterHistory, GraphEntriesRestoreThePointsAndTheSamples) {
    Graph& graph = first().curve(kCurveOpacity);
    const GraphPoints initial = graph.points();
    const SampleArray initialSamples = graph.samples();
    const GraphPoints edited{{0, 0}, {50, 100}, {100, 0}};
    EXPECT_TRUE(history.push(tree, Edit::setCurve(first(), kCurveOpacity, edited, 1)));
    EXPECT_EQ(history.entry(1).label.sourceText(), "ノード1-" + graph.name() + "グラフ");
    EXPECT_EQ(graph.points(), edited);
    const SampleArray editedSamples = graph.samples();
    EXPECT_NE(editedSamples, initialSamples);

    history.undo(tree);
    EXPECT_EQ(graph.points(), initial);
    EXPECT_EQ(graph.samples(), initialSamples);
    history.redo(tree);
    EXPECT_EQ(graph.points(), edited);
    EXPECT_EQ(graph.samples(), editedSamples);
}

TEST_F(ParameterHistory, AnEntryWhoseNodeIsGoneIsSteppedOver) {
    ASSERT_TRUE(tree.addBelowSelected().done());
    Node& second = *tree.root().childAt(1);
    history.push(tree, Edit::setInt(second, row("m_kill.span"), 99));
    history.push(tree, Edit::setInt(first(), row("m_kill.span"), 77));
    // The node goes without an entry (as a load in place would do it).
    tree.root().removeChild(1);
    tree.finish();

    EXPECT_TRUE(history.undo(tree));
    EXPECT_EQ(first().m_kill.span, 60);
    EXPECT_TRUE(history.undo(tree));
    EXPECT_EQ(history.index(), 0);
    EXPECT_EQ(tree.root().childCount(), 1);
    EXPECT_TRUE(history.redo(tree));
    EXPECT_TRUE(history.redo(tree));
    EXPECT_EQ(first().m_kill.span, 77);
}

TEST_F(ParameterHistory, JumpIgnoresRowsOutOfRangeAndTheCurrentRow) {
    history.push(tree, Edit::setInt(first(), row("m_kill.span"), 70));
    EXPECT_FALSE(history.jumpTo(tree, 1));
    EXPECT_FALSE(history.jumpTo(tree, 2));
    EXPECT_FALSE(history.jumpTo(tree, -1));
    EXPECT_TRUE(history.jumpTo(tree, 0));
    EXPECT_EQ(first().m_kill.span, 60);
    EXPECT_TRUE(history.jumpTo(tree, 1));
    EXPECT_EQ(first().m_kill.span, 70);
}

}  // namespace
}  // namespace fg
