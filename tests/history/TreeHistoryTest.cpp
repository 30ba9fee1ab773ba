// Add, delete and move entries over real tree commands.

#include <gtest/gtest.h>

#include "HistoryTestSupport.h"

namespace fg {
namespace {

using test::command;
using test::labels;
using test::outline;
using test::row;

// ノード1 with children ノード2 [ノード3], ノード4 and ノード5; ノード6 on top level.
class TreeHistory : public ::testing::Test {
protected:
    void SetUp() override {
        Node& n1 = *tree.selected();
        Node& n2 = tree.addChild(n1);
        tree.addChild(n2);
        tree.addChild(n1);
        tree.addChild(n1);
        tree.addChild(tree.root());
        tree.finish();
        ASSERT_EQ(outline(tree.root()), "ノード1(1)[ノード2(2)[ノード3(3) ] ノード4(4) ノード5(5) ] ノード6(6) ");
    }
    void select(std::int32_t id) { tree.select(tree.findById(id)); }

    EffectTree tree = EffectTree::startup();
    EditHistory history;
};

TEST_F(TreeHistory, UndoingADeleteBringsTheSubtreeBackInPlaceAndSelectsIt) {
    select(2);
    ASSERT_TRUE(command(history, tree, TreeCommand::Delete));
    EXPECT_EQ(history.entry(1).label.sourceText(), "＜ノード2＞を削除");
    EXPECT_EQ(outline(tree.root()), "ノード1(1)[ノード4(4) ノード5(5) ] ノード6(6) ");
    EXPECT_EQ(tree.selected()->m_ID, 4);

    history.undo(tree);
    EXPECT_EQ(outline(tree.root()), "ノード1(1)[ノード2(2)[ノード3(3) ] ノード4(4) ノード5(5) ] ノード6(6) ");
    EXPECT_EQ(tree.selected()->m_ID, 2);
    EXPECT_EQ(tree.selected()->m_pParent->m_ID, 1);
    EXPECT_EQ(tree.findById(3)->m_pParent, tree.findById(2));
    EXPECT_EQ(tree.findById(4)->m_index, 1);
    // The saved subtree went back into the tree: it is held once.
    EXPECT_EQ(history.entry(1).edits.front().savedSubtree(), nullptr);

    history.redo(tree);
    EXPECT_EQ(outline(tree.root()), "ノード1(1)[ノード4(4) ノード5(5) ] ノード6(6) ");
    EXPECT_EQ(tree.selected()->m_ID, 4);
    ASSERT_NE(history.entry(1).edits.front().savedSubtree(), nullptr);
    EXPECT_EQ(history.entry(1).edits.front().savedSubtree()->m_ID, 2);
}

TEST_F(TreeHistory, RedoingADeleteWhileAChildOfItIsSelectedMovesTheSelectionOut) {
    select(2);
    ASSERT_TRUE(command(history, tree, TreeCommand::Delete));
    history.undo(tree);
    select(3);  // inside the subtree that redo takes out again
    history.redo(tree);
    ASSERT_NE(tree.selected(), nullptr);
    EXPECT_EQ(tree.selected()->m_ID, 4);
    EXPECT_EQ(tree.findById(tree.selected()->m_ID), tree.selected());
}

TEST_F(TreeHistory, UndoingAnAddTakesTheNodeOutAndRedoPutsItBackSelected) {
    select(4);
    ASSERT_TRUE(command(history, tree, TreeCommand::AddChild));
    EXPECT_EQ(history.entry(1).label.sourceText(), "＜ノード7＞を追加");
    history.push(tree, Edit::setInt(*tree.selected(), row("m_kill.span"), 5));

    history.undo(tree);
    history.undo(tree);
    EXPECT_EQ(outline(tree.root()), "ノード1(1)[ノード2(2)[ノード3(3) ] ノード4(4) ノード5(5) ] ノード6(6) ");
    EXPECT_EQ(tree.selected()->m_ID, 4);
    history.redo(tree);
    EXPECT_EQ(tree.selected()->m_ID, 7);
    EXPECT_EQ(tree.selected()->m_pParent->m_ID, 4);
    history.redo(tree);
    EXPECT_EQ(tree.findById(7)->m_kill.span, 5);
}

TEST_F(TreeHistory, MovesGoBackToTheOldParentAndPosition) {
    select(5);
    ASSERT_TRUE(command(history, tree, TreeCommand::MoveUp));
    ASSERT_TRUE(command(history, tree, TreeCommand::MakeChild));
    EXPECT_EQ(history.entry(2).label.sourceText(), "ノード5-ノードの移動");
    EXPECT_EQ(outline(tree.root()), "ノード1(1)[ノード2(2)[ノード3(3) ノード5(5) ] ノード4(4) ] ノード6(6) ");

    history.undo(tree);
    EXPECT_EQ(outline(tree.root()), "ノード1(1)[ノード2(2)[ノード3(3) ] ノード5(5) ノード4(4) ] ノード6(6) ");
    history.undo(tree);
    EXPECT_EQ(outline(tree.root()), "ノード1(1)[ノード2(2)[ノード3(3) ] ノード4(4) ノード5(5) ] ノード6(6) ");
    EXPECT_EQ(tree.selected()->m_ID, 5);
    history.redo(tree);
    history.redo(tree);
    EXPECT_EQ(outline(tree.root()), "ノード1(1)[ノード2(2)[ノード3(3) ノード5(5) ] ノード4(4) ] ノード6(6) ");
    EXPECT_EQ(tree.findById(5)->m_index, 1);
}

TEST_F(TreeHistory, JumpingToTheStartUndoesEveryKindAndBackRedoesThem) {
    const std::string start = outline(tree.root());
    select(3);
    history.push(tree, Edit::setInt(*tree.selected(), row("m_timing.often"), 4));
    history.push(tree, Edit::rename(*tree.selected(), "火花"));
    ASSERT_TRUE(command(history, tree, TreeCommand::MakeParent));
    ASSERT_TRUE(command(history, tree, TreeCommand::Duplicate));
    select(6);
    ASSERT_TRUE(command(history, tree, TreeCommand::Delete));
    const std::string end = outline(tree.root());
    EXPECT_EQ(end, "ノード1(1)[ノード2(2) 火花のｺﾋﾟｰ(8) 火花(3) ノード4(4) ノード5(5) ] ");

    EXPECT_TRUE(history.jumpTo(tree, 0));
    EXPECT_EQ(outline(tree.root()), start);
    EXPECT_EQ(tree.findById(3)->m_timing.often, 1);
    EXPECT_EQ(history.index(), 0);
    EXPECT_TRUE(history.jumpTo(tree, history.count() - 1));
    EXPECT_EQ(outline(tree.root()), end);
    EXPECT_EQ(tree.findById(3)->m_timing.often, 4);
}

TEST_F(TreeHistory, AMoveWhoseNodeIsGoneIsSteppedOver) {
    select(5);
    ASSERT_TRUE(command(history, tree, TreeCommand::MoveUp));
    tree.findById(1)->removeChild(1);
    tree.finish();
    EXPECT_TRUE(history.undo(tree));
    EXPECT_EQ(outline(tree.root()), "ノード1(1)[ノード2(2)[ノード3(3) ] ノード4(4) ] ノード6(6) ");
}

}  // namespace
}  // namespace fg
