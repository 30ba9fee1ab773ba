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
    EXPECT_EQ(history.current(), 0);
    EXPECT_FALSE(history.undo(tree));
    EXPECT_FALSE(history.redo(tree));
    EXPECT_EQ(history.current(), 0);
}

TEST_F(ParameterHistory, ADragThroughManyValuesIsOneEntryAndUndoRestoresTheStart) {
    const NodeField& span = row("m_kill.span");
    for (int v = 61; v <= 160; ++v) EXPECT_TRUE(history.recordInt(first(), span, v));
    EXPECT_EQ(labels(history), (std::vector<std::string>{"スタート", "ノード1-寿命"}));
    EXPECT_EQ(first().m_kill.span, 160);
    EXPECT_TRUE(history.undo(tree));
    EXPECT_EQ(first().m_kill.span, 60);
    EXPECT_TRUE(history.redo(tree));
    EXPECT_EQ(first().m_kill.span, 160);
}

TEST_F(ParameterHistory, AnEqualValueChangesAndRecordsNothing) {
    EXPECT_FALSE(history.recordInt(first(), row("m_kill.span"), 60));
    EXPECT_FALSE(history.recordFloat(first(), row("m_emitter.pos.x"), 0.0f));
    EXPECT_EQ(history.count(), 1);
}

TEST_F(ParameterHistory, EditingABThenAAgainGivesThreeEntries) {
    history.recordInt(first(), row("m_kill.span"), 70);
    history.recordFloat(first(), row("m_emitter.pos.x"), 1.5f);
    history.recordInt(first(), row("m_kill.span"), 80);
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
    history.recordInt(first(), row("m_scale.max"), 20);
    history.recordInt(second, row("m_scale.max"), 30);
    EXPECT_EQ(labels(history), (std::vector<std::string>{"スタート", "ノード1-サイズ", "ノード2-サイズ"}));
}

TEST_F(ParameterHistory, AFloatEntryRestoresTheExactBits) {
    history.recordFloat(first(), row("m_move.absorbPawer"), 0.1f);
    history.recordFloat(first(), row("m_move.absorbPawer"), 0.30000001f);
    history.undo(tree);
    EXPECT_EQ(first().m_move.absorbPawer, 0.0f);
    history.redo(tree);
    EXPECT_EQ(first().m_move.absorbPawer, 0.30000001f);
}

TEST_F(ParameterHistory, APathMissingFromTheLabelTableGivesALabelEndingInADash) {
    history.recordInt(first(), row("m_emitter.scaleFix"), 1);
    EXPECT_EQ(history.entry(1).label, "ノード1-");
}

TEST_F(ParameterHistory, AnEditAfterUndoDropsTheRedoBranch) {
    history.recordInt(first(), row("m_kill.span"), 70);
    history.recordInt(first(), row("m_scale.max"), 20);
    history.undo(tree);
    history.recordInt(first(), row("m_timing.num"), 5);
    EXPECT_EQ(labels(history), (std::vector<std::string>{"スタート", "ノード1-寿命", "ノード1-発生個数"}));
    EXPECT_FALSE(history.redo(tree));
    EXPECT_EQ(first().m_scale.max, 10);
}

TEST_F(ParameterHistory, AnEditOfTheUndoneFieldStartsANewEntryInsteadOfMerging) {
    // Merging into the undone entry would leave it as a redo that writes
    // back the older value over this edit.
    history.recordInt(first(), row("m_scale.max"), 20);
    history.recordInt(first(), row("m_kill.span"), 70);
    history.undo(tree);
    history.recordInt(first(), row("m_kill.span"), 90);
    EXPECT_EQ(labels(history), (std::vector<std::string>{"スタート", "ノード1-サイズ", "ノード1-寿命"}));
    EXPECT_EQ(history.current(), 2);
    EXPECT_FALSE(history.redo(tree));
    EXPECT_EQ(first().m_kill.span, 90);
    history.undo(tree);
    EXPECT_EQ(first().m_kill.span, 60);
}

TEST_F(ParameterHistory, ThereIsNoLimitOnTheNumberOfEntries) {
    for (int i = 0; i < 3000; ++i) {
        history.recordInt(first(), row(i % 2 == 0 ? "m_kill.span" : "m_scale.max"), 100 + i);
    }
    EXPECT_EQ(history.count(), 3001);
    EXPECT_TRUE(history.jumpTo(tree, 0));
    EXPECT_EQ(first().m_kill.span, 60);
    EXPECT_EQ(first().m_scale.max, 10);
}

TEST_F(ParameterHistory, RenameEntriesRestoreBothNames) {
    first().setName("炎");
    history.recordRename(first(), "ノード1");
    EXPECT_EQ(history.entry(1).label, "ノード名＜炎＞に変更");
    history.undo(tree);
    EXPECT_EQ(first().m_name, "ノード1");
    history.redo(tree);
    EXPECT_EQ(first().m_name, "炎");
}

TEST_F(ParameterHistory, GraphEntriesRestoreThePointsAndTheSamples) {
    Graph& graph = first().curve(kCurveOpacity);
    const GraphPoints initial = graph.points();
    const SampleArray initialSamples = graph.samples();
    history.recordGraph(first(), kCurveOpacity);
    EXPECT_EQ(history.entry(1).label, "ノード1-" + graph.name() + "グラフ");
    const GraphPoints edited{{0, 0}, {50, 100}, {100, 0}};
    graph.setPoints(edited);
    graph.rebuild();
    const SampleArray editedSamples = graph.samples();

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
    history.recordInt(second, row("m_kill.span"), 99);
    history.recordInt(first(), row("m_kill.span"), 77);
    // The node goes without an entry (as a load in place would do it).
    tree.root().removeChild(1);
    tree.finish();

    EXPECT_TRUE(history.undo(tree));
    EXPECT_EQ(first().m_kill.span, 60);
    EXPECT_TRUE(history.undo(tree));
    EXPECT_EQ(history.current(), 0);
    EXPECT_EQ(tree.root().childCount(), 1);
    EXPECT_TRUE(history.redo(tree));
    EXPECT_TRUE(history.redo(tree));
    EXPECT_EQ(first().m_kill.span, 77);
}

TEST_F(ParameterHistory, JumpIgnoresRowsOutOfRangeAndTheCurrentRow) {
    history.recordInt(first(), row("m_kill.span"), 70);
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
