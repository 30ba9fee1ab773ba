// Moving a node to any place in one step (the node panel's drag and drop):
// reorder and reparent as one move entry, undone in one step, under the
// limits and with the messages of the other moves.

#include <gtest/gtest.h>

#include "ChangeSpies.h"
#include "EditorTestSupport.h"

namespace fg {
namespace {

using test::ScratchHome;
using test::ScriptedPrompts;

class EditorMoveNode : public ::testing::Test {
protected:
    void SetUp() override {
        // ノード1, ノード2, ノード3 at the top; ノード4 under ノード3.
        ASSERT_TRUE(editor->addBelow().done());
        ASSERT_TRUE(editor->addBelow().done());
        ASSERT_TRUE(editor->addChild().done());
        editor->selectNode(1);
    }
    // "parentId:position" of a node.
    std::string placeOf(std::int32_t id) {
        const Node* node = editor->state().tree.findById(id);
        return std::to_string(node->m_pParent->m_ID) + ":" + std::to_string(node->m_index);
    }
    std::vector<std::int32_t> topLevel() {
        std::vector<std::int32_t> ids;
        for (const auto& child : editor->state().tree.root().m_children) ids.push_back(child->m_ID);
        return ids;
    }

    ScratchHome home;
    ScriptedPrompts prompts;
    std::unique_ptr<Editor> editor = test::makeEditor(&prompts);
};

TEST_F(EditorMoveNode, ReorderAndReparentAreOneMoveEntryEachAndUndoInOneStep) {
    const int before = editor->history().count();
    test::PartSpy restarts(*editor, DocumentPart::Preview);
    // ノード1 after ノード3 (position 2 among the other two).
    EXPECT_TRUE(editor->moveNodeTo(1, 0, 2).done());
    EXPECT_EQ(topLevel(), (std::vector<std::int32_t>{2, 3, 1}));
    // ノード2 into ノード4, with its whole subtree.
    EXPECT_TRUE(editor->moveNodeTo(2, 4, 0).done());
    EXPECT_EQ(placeOf(2), "4:0");
    EXPECT_EQ(topLevel(), (std::vector<std::int32_t>{3, 1}));
    ASSERT_EQ(editor->history().count(), before + 2);
    EXPECT_EQ(editor->history().entry(before).label.sourceText(), "ノード1-ノードの移動");
    EXPECT_EQ(editor->history().entry(before + 1).label.sourceText(), "ノード2-ノードの移動");
    EXPECT_EQ(restarts.count(), 2);
    EXPECT_TRUE(editor->isModified());

    editor->undo();
    EXPECT_EQ(placeOf(2), "0:0");
    editor->undo();
    EXPECT_EQ(topLevel(), (std::vector<std::int32_t>{1, 2, 3}));
    editor->redo();
    editor->redo();
    EXPECT_EQ(placeOf(2), "4:0");
    EXPECT_EQ(placeOf(1), "0:1");
}

TEST_F(EditorMoveNode, APositionPastTheEndAppendsAndTheSelectionStays) {
    EXPECT_TRUE(editor->moveNodeTo(1, 3, 99).done());
    EXPECT_EQ(placeOf(1), "3:1");
    EXPECT_EQ(editor->state().pSelNode()->m_ID, 1);
}

TEST_F(EditorMoveNode, ItsOwnSubtreeItsOwnPlaceAndTheRootRecordNothing) {
    const int before = editor->history().count();
    EXPECT_EQ(editor->moveNodeTo(3, 4, 0).outcome, TreeEditResult::Outcome::Nothing);  // under its own child
    EXPECT_EQ(editor->moveNodeTo(3, 3, 0).outcome, TreeEditResult::Outcome::Nothing);  // under itself
    EXPECT_EQ(editor->moveNodeTo(2, 0, 1).outcome, TreeEditResult::Outcome::Nothing);  // where it is
    EXPECT_EQ(editor->moveNodeTo(0, 1, 0).outcome, TreeEditResult::Outcome::Nothing);  // the root
    EXPECT_EQ(editor->moveNodeTo(42, 0, 0).outcome, TreeEditResult::Outcome::Nothing);
    EXPECT_EQ(editor->history().count(), before);
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(EditorMoveNode, TheChildrenAndDepthLimitsRefuseWithTheirMessages) {
    // Nine children under ノード1.
    for (int i = 0; i < 9; ++i) {
        editor->selectNode(1);
        ASSERT_TRUE(editor->addChild().done());
    }
    const int before = editor->history().count();
    EXPECT_EQ(editor->moveNodeTo(2, 1, 0).outcome, TreeEditResult::Outcome::Refused);
    EXPECT_EQ(prompts.asked.back(), "error これ以上ノードを追加できません。\n一つのノードに置ける子ノードは9個までです。");
    // Reordering among the nine is no new child.
    const std::int32_t firstChild = editor->state().tree.findById(1)->childAt(0)->m_ID;
    EXPECT_TRUE(editor->moveNodeTo(firstChild, 1, 8).done());

    // A chain nine deep under ノード2: ノード3 (two levels) cannot go to its bottom.
    editor->selectNode(2);
    for (int level = 2; level <= 9; ++level) ASSERT_TRUE(editor->addChild().done());
    const std::int32_t deepest = editor->state().pSelNode()->m_ID;
    const std::size_t asked = prompts.asked.size();
    EXPECT_EQ(editor->moveNodeTo(3, deepest, 0).outcome, TreeEditResult::Outcome::Refused);
    ASSERT_EQ(prompts.asked.size(), asked + 1);
    EXPECT_EQ(prompts.asked.back(), "error これ以上深い階層にはできません。\nノードの階層は9段までです。");
    EXPECT_EQ(editor->history().count(), before + 1 + 8);
}

}  // namespace
}  // namespace fg
