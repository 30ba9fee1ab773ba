// Add, delete and move entries over real tree commands.

#include <gtest/gtest.h>

#include "HistoryTestSupport.h"

namespace fg {
namespace {

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
    HistoryEntry entry = EditHistory::deleteEntry(*tree.selected());
    ASSERT_TRUE(tree.deleteSelected().done());
    history.append(std::move(entry));
    EXPECT_EQ(history.entry(1).label, "＜ノード2＞を削除");
    EXPECT_EQ(outline(tree.root()), "ノード1(1)[ノード4(4) ノード5(5) ] ノード6(6) ");
    EXPECT_EQ(tree.selected()->m_ID, 4);

    history.undo(tree);
    EXPECT_EQ(outline(tree.root()), "ノード1(1)[ノード2(2)[ノード3(3) ] ノード4(4) ノード5(5) ] ノード6(6) ");
    EXPECT_EQ(tree.selected()->m_ID, 2);
    EXPECT_EQ(tree.selected()->m_pParent->m_ID, 1);
    EXPECT_EQ(tree.findById(3)->m_pParent, tree.findById(2));
    EXPECT_EQ(tree.findById(4)->m_index, 1);
    // The saved subtree went back into the tree: it is held once.
    EXPECT_EQ(history.entry(1).saved, nullptr);

    history.redo(tree);
    EXPECT_EQ(outline(tree.root()), "ノード1(1)[ノード4(4) ノード5(5) ] ノード6(6) ");
    EXPECT_EQ(tree.selected()->m_ID, 4);
    ASSERT_NE(history.entry(1).saved, nullptr);
    EXPECT_EQ(history.entry(1).saved->m_ID, 2);
}

TEST_F(TreeHistory, RedoingADeleteWhileAChildOfItIsSelectedMovesTheSelectionOut) {
    select(2);
    HistoryEntry entry = EditHistory::deleteEntry(*tree.selected());
    ASSERT_TRUE(tree.deleteSelected().done());
    history.append(std::move(entry));
    history.undo(tree);
    select(3);  // inside the subtree that redo takes out again
    history.redo(tree);
    ASSERT_NE(tree.selected(), nullptr);
    EXPECT_EQ(tree.selected()->m_ID, 4);
    EXPECT_EQ(tree.findById(tree.selected()->m_ID), tree.selected());
}

TEST_F(TreeHistory, UndoingAnAddTakesTheNodeOutAndRedoPutsItBackSelected) {
    select(4);
    ASSERT_TRUE(tree.addChildToSelected().done());
    history.recordAdd(*tree.selected());
    EXPECT_EQ(history.entry(1).label, "＜ノード7＞を追加");
    history.recordInt(*tree.selected(), row("m_kill.span"), 5);

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
    HistoryEntry up = EditHistory::moveEntry(*tree.selected());
    ASSERT_TRUE(tree.moveUp().done());
    history.append(std::move(up));
    HistoryEntry in = EditHistory::moveEntry(*tree.selected());
    ASSERT_TRUE(tree.makeChild().done());
    history.append(std::move(in));
    EXPECT_EQ(history.entry(2).label, "ノード5-ノードの移動");
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
    history.recordInt(*tree.selected(), row("m_timing.often"), 4);
    const std::string oldName = tree.selected()->m_name;
    tree.selected()->setName("火花");
    history.recordRename(*tree.selected(), oldName);
    HistoryEntry out = EditHistory::moveEntry(*tree.selected());
    ASSERT_TRUE(tree.makeParent().done());
    history.append(std::move(out));
    ASSERT_TRUE(tree.duplicateSelected().done());
    history.recordAdd(*tree.selected());
    select(6);
    HistoryEntry gone = EditHistory::deleteEntry(*tree.selected());
    ASSERT_TRUE(tree.deleteSelected().done());
    history.append(std::move(gone));
    const std::string end = outline(tree.root());
    EXPECT_EQ(end, "ノード1(1)[ノード2(2) 火花のｺﾋﾟｰ(8) 火花(3) ノード4(4) ノード5(5) ] ");

    EXPECT_TRUE(history.jumpTo(tree, 0));
    EXPECT_EQ(outline(tree.root()), start);
    EXPECT_EQ(tree.findById(3)->m_timing.often, 1);
    EXPECT_EQ(history.current(), 0);
    EXPECT_TRUE(history.jumpTo(tree, history.count() - 1));
    EXPECT_EQ(outline(tree.root()), end);
    EXPECT_EQ(tree.findById(3)->m_timing.often, 4);
}

TEST_F(TreeHistory, AMoveWhoseNodeIsGoneIsSteppedOver) {
    select(5);
    HistoryEntry up = EditHistory::moveEntry(*tree.selected());
    ASSERT_TRUE(tree.moveUp().done());
    history.append(std::move(up));
    tree.findById(1)->removeChild(1);
    tree.finish();
    EXPECT_TRUE(history.undo(tree));
    EXPECT_EQ(outline(tree.root()), "ノード1(1)[ノード2(2)[ノード3(3) ] ノード4(4) ] ノード6(6) ");
}

}  // namespace
}  // namespace fg
