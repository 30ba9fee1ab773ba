// One push for every kind of edit: merging by identity, groups, the clean
// index, the labels as messages and the kind checks.

#include <gtest/gtest.h>

#include "HistoryTestSupport.h"

namespace fg {
namespace {

using test::labels;
using test::row;

class Push : public ::testing::Test {
protected:
    Node& first() { return *tree.root().childAt(0); }
    bool setInt(const char* key, std::int32_t value) { return history.push(tree, Edit::setInt(first(), row(key), value)); }

    EffectTree tree = EffectTree::startup();
    EditHistory history;
};

TEST_F(Push, ThePushedEditIsAppliedAndRecordedUnderItsLabel) {
    EXPECT_TRUE(setInt("m_kill.span", 70));
    EXPECT_EQ(first().m_kill.span, 70);
    ASSERT_EQ(history.count(), 2);
    const HistoryEntry& entry = history.entry(1);
    ASSERT_EQ(entry.edits.size(), 1u);
    EXPECT_EQ(entry.edits.front().kind(), EditKind::Parameter);
    EXPECT_EQ(entry.edits.front().nodeId(), 1);
    // The label is data: the node's name as it is, the parameter's label to translate.
    EXPECT_EQ(entry.label, Message("fg::history_text", "%1-%2")
                               .arg(Message::verbatim("ノード1"))
                               .arg(Message("fg::HistoryLabels", "寿命")));
    EXPECT_EQ(history.entry(0).label, Message("fg::history_text", "スタート"));
}

TEST_F(Push, EditsOfOtherKindsNeverMerge) {
    EXPECT_TRUE(history.push(tree, Edit::rename(first(), "a")));
    EXPECT_TRUE(history.push(tree, Edit::rename(first(), "b")));
    EXPECT_EQ(labels(history), (std::vector<std::string>{"スタート", "ノード名＜a＞に変更", "ノード名＜b＞に変更"}));
}

TEST_F(Push, ACurveGestureIsOneEntryAndTheNextGestureAnother) {
    const GraphPoints start = first().curve(kCurveRed).points();
    EXPECT_TRUE(history.push(tree, Edit::setCurve(first(), kCurveRed, {{0, 10}, {100, 20}}, 1)));
    EXPECT_TRUE(history.push(tree, Edit::setCurve(first(), kCurveRed, {{0, 30}, {100, 40}}, 1)));
    EXPECT_FALSE(history.push(tree, Edit::setCurve(first(), kCurveRed, {{0, 30}, {100, 40}}, 1)));
    EXPECT_EQ(history.count(), 2);
    EXPECT_TRUE(history.push(tree, Edit::setCurve(first(), kCurveRed, {{0, 50}, {100, 60}}, 2)));
    EXPECT_EQ(history.count(), 3);
    history.undo(tree);
    EXPECT_EQ(first().curve(kCurveRed).points(), (GraphPoints{{0, 30}, {100, 40}}));
    history.undo(tree);
    EXPECT_EQ(first().curve(kCurveRed).points(), start);
}

TEST_F(Push, AGroupIsOneEntryUndoneAndRedoneWhole) {
    history.beginGroup(Message::verbatim("まとめて"));
    EXPECT_TRUE(setInt("m_kill.span", 70));
    EXPECT_TRUE(setInt("m_kill.span", 80));  // merges within the group
    EXPECT_TRUE(setInt("m_scale.max", 20));
    history.endGroup();
    EXPECT_EQ(labels(history), (std::vector<std::string>{"スタート", "まとめて"}));
    EXPECT_EQ(history.entry(1).edits.size(), 2u);
    history.undo(tree);
    EXPECT_EQ(first().m_kill.span, 60);
    EXPECT_EQ(first().m_scale.max, 10);
    history.redo(tree);
    EXPECT_EQ(first().m_kill.span, 80);
    EXPECT_EQ(first().m_scale.max, 20);
}

TEST_F(Push, AGroupStartsItsOwnEntryAndAnEmptyGroupMakesNone) {
    EXPECT_TRUE(setInt("m_kill.span", 70));
    history.beginGroup(Message::verbatim("空"));
    history.endGroup();
    EXPECT_EQ(history.count(), 2);
    history.beginGroup(Message::verbatim("外"));
    history.beginGroup(Message::verbatim("内"));
    EXPECT_TRUE(setInt("m_kill.span", 71));  // not merged into the entry before the group
    history.endGroup();
    EXPECT_TRUE(setInt("m_timing.num", 3));
    history.endGroup();
    EXPECT_TRUE(setInt("m_timing.num", 4));  // after the group: merges by identity again
    EXPECT_EQ(labels(history), (std::vector<std::string>{"スタート", "ノード1-寿命", "外"}));
    history.undo(tree);
    EXPECT_EQ(first().m_kill.span, 70);
    EXPECT_EQ(first().m_timing.num, 1);
}

TEST_F(Push, TheCleanIndexFollowsSavesUndoAndMerges) {
    EXPECT_TRUE(history.isClean());
    EXPECT_EQ(history.cleanIndex(), 0);
    setInt("m_kill.span", 70);
    EXPECT_FALSE(history.isClean());
    history.undo(tree);
    EXPECT_TRUE(history.isClean());
    history.redo(tree);
    history.setClean();
    EXPECT_EQ(history.cleanIndex(), 1);
    setInt("m_scale.max", 20);
    EXPECT_FALSE(history.isClean());
    history.undo(tree);
    EXPECT_TRUE(history.isClean());
    history.redo(tree);
    setInt("m_kill.span", 75);
    setInt("m_kill.span", 80);
    history.setClean();
    EXPECT_EQ(history.cleanIndex(), 3);
    // A merge into the saved row changes it: no row is the saved state now.
    setInt("m_kill.span", 85);
    EXPECT_EQ(history.cleanIndex(), -1);
    EXPECT_FALSE(history.isClean());
    history.undo(tree);
    EXPECT_FALSE(history.isClean());
}

TEST_F(Push, DroppingTheSavedRowWithTheRedoBranchLeavesNoCleanRow) {
    setInt("m_kill.span", 70);
    setInt("m_scale.max", 20);
    history.setClean();
    history.undo(tree);
    setInt("m_timing.num", 3);
    EXPECT_EQ(history.cleanIndex(), -1);
    history.jumpTo(tree, 0);
    EXPECT_FALSE(history.isClean());
    history.clear();
    EXPECT_TRUE(history.isClean());
}

TEST_F(Push, AnEditOfANodeThatIsNotThereRecordsNothing) {
    const Edit stray = Edit::setInt(first(), row("m_kill.span"), 5);
    tree.addChild(tree.root());
    tree.finish();
    Node& second = *tree.root().childAt(1);
    Edit rename = Edit::rename(second, "x");
    tree.root().removeChild(1);
    tree.finish();
    EXPECT_FALSE(history.push(tree, std::move(rename)));
    EXPECT_EQ(history.count(), 1);
    EXPECT_EQ(stray.kind(), EditKind::Parameter);
}

TEST(EditKinds, EachFactoryMakesItsKind) {
    EffectTree tree = EffectTree::startup();
    const Node& node = *tree.selected();
    EXPECT_EQ(Edit::setFloat(node, row("m_emitter.pos.x"), 1.0f).kind(), EditKind::Parameter);
    EXPECT_EQ(Edit::setCurve(node, kCurveRed, {}, 1).kind(), EditKind::Curve);
    EXPECT_EQ(Edit::rename(node, "a").kind(), EditKind::Rename);
    EXPECT_EQ(Edit::addNode(node).kind(), EditKind::AddNode);
    EXPECT_EQ(Edit::deleteNode(node).kind(), EditKind::DeleteNode);
    EXPECT_EQ(Edit::moveNode(node, {0, 0}).kind(), EditKind::MoveNode);
    EXPECT_EQ(Edit::rename(node, "a").as<RenameEdit>().after, "a");
}

#ifndef NDEBUG
TEST(EditKindsDeathTest, AnEditReadAsAnotherKindStopsADebugBuild) {
    EffectTree tree = EffectTree::startup();
    const Edit edit = Edit::rename(*tree.selected(), "a");
    EXPECT_DEATH((void)edit.as<ParameterEdit>(), "another kind");
    EXPECT_DEATH((void)Edit::setInt(*tree.selected(), row("m_emitter.pos.x"), 1), "float field");
}
#endif

}  // namespace
}  // namespace fg
