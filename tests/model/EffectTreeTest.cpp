#include <gtest/gtest.h>

#include <random>

#include "TreeChecks.h"
#include "model/EditorState.h"
#include "model/EffectTree.h"

namespace fg {
namespace {

using testing::childNames;
using testing::expectTreeInvariants;
using Names = std::vector<std::string>;

// Root with top-level nodes 1, 2, 3 (IDs 1 to 3).
EffectTree threeTopLevel() {
    EffectTree tree = EffectTree::startup();
    tree.addChild(tree.root());
    tree.addChild(tree.root());
    return tree;
}

TEST(EffectTreeStartup, HasOneSelectedTopLevelNode) {
    EffectTree tree = EffectTree::startup();
    ASSERT_EQ(tree.root().childCount(), 1);
    EXPECT_EQ(tree.selected(), tree.root().childAt(0));
    EXPECT_EQ(tree.selected()->m_name, "ノード1");
    expectTreeInvariants(tree);
}

TEST(EffectTreeAdd, ChildAndBelow) {
    EffectTree tree = threeTopLevel();
    tree.select(tree.findById(1));
    ASSERT_TRUE(tree.addChildToSelected().done());
    EXPECT_EQ(tree.selected()->m_ID, 4);
    EXPECT_EQ(tree.selected()->m_pParent->m_ID, 1);
    // Add below appends to the parent's list: the new node is the last sibling.
    tree.select(tree.findById(1));
    ASSERT_TRUE(tree.addBelowSelected().done());
    EXPECT_EQ(childNames(tree.root()), (Names{"ノード1", "ノード2", "ノード3", "ノード5"}));
    EXPECT_EQ(tree.selected()->m_ID, 5);
    // The root has no parent to add below.
    tree.select(&tree.root());
    EXPECT_EQ(tree.addBelowSelected().outcome, TreeEditResult::Outcome::Nothing);
    expectTreeInvariants(tree);
}

TEST(EffectTreeDelete, RefusesTheRootAndTheLastTopLevelNode) {
    EffectTree tree = EffectTree::startup();
    const TreeEditResult result = tree.deleteSelected();
    EXPECT_EQ(result.outcome, TreeEditResult::Outcome::Refused);
    EXPECT_EQ(result.message.sourceText(), "このノードは削除できません");
    EXPECT_EQ(result.caption.sourceText(), "確認");
    EXPECT_EQ(tree.root().childCount(), 1);
    tree.select(&tree.root());
    EXPECT_EQ(tree.checkDelete().outcome, TreeEditResult::Outcome::Refused);
    EXPECT_EQ(tree.deleteSelected().outcome, TreeEditResult::Outcome::Refused);

    // One of two top-level nodes can go.
    tree.addChild(tree.root());
    tree.select(tree.findById(1));
    EXPECT_TRUE(tree.deleteSelected().done());
    EXPECT_EQ(childNames(tree.root()), Names{"ノード2"});
    expectTreeInvariants(tree);
}

TEST(EffectTreeDelete, MovesTheSelectionToANeighbourOrTheParent) {
    EffectTree tree = threeTopLevel();
    Node& parent = *tree.findById(1);
    for (int i = 0; i < 3; ++i) tree.addChild(parent);  // IDs 4, 5, 6
    tree.finish();

    tree.select(tree.findById(4));  // first of three: the former second
    ASSERT_TRUE(tree.deleteSelected().done());
    EXPECT_EQ(tree.selected()->m_ID, 5);
    EXPECT_EQ(tree.selected()->m_index, 0);

    tree.select(tree.findById(6));  // last: the previous one
    ASSERT_TRUE(tree.deleteSelected().done());
    EXPECT_EQ(tree.selected()->m_ID, 5);

    ASSERT_TRUE(tree.deleteSelected().done());  // only child: the parent
    EXPECT_EQ(tree.selected(), &parent);
    EXPECT_EQ(parent.childCount(), 0);
    expectTreeInvariants(tree);

    // A node with a subtree goes with its whole subtree.
    tree.addChild(*tree.findById(2));
    tree.select(tree.findById(2));
    ASSERT_TRUE(tree.deleteSelected().done());
    EXPECT_EQ(tree.findById(4), nullptr);
    EXPECT_EQ(tree.selected()->m_ID, 1);
    expectTreeInvariants(tree);
}

TEST(EffectTreeDuplicate, NamesTheCopyAndSkipsAnId) {
    EffectTree tree = threeTopLevel();
    tree.addChild(*tree.findById(1));  // 4
    tree.addChild(*tree.findById(3));  // 5: the highest ID is 5
    tree.finish();
    tree.select(tree.findById(2));
    ASSERT_TRUE(tree.duplicateSelected().done());
    EXPECT_EQ(childNames(tree.root()), (Names{"ノード1", "ノード2のｺﾋﾟｰ", "ノード2", "ノード3"}));
    EXPECT_EQ(tree.selected()->m_name, "ノード2のｺﾋﾟｰ");
    EXPECT_EQ(tree.selected()->m_ID, 7);
    EXPECT_EQ(tree.findById(6), nullptr);  // drawn, then replaced
    EXPECT_EQ(tree.findById(2)->m_name, "ノード2");
    expectTreeInvariants(tree);
}

TEST(EffectTreeDuplicate, RenumbersTheCopiedSubtreeInPreOrder) {
    EffectTree tree = EffectTree::startup();
    Node& top = *tree.selected();  // 1
    Node& a = tree.addChild(top);  // 2
    tree.addChild(a);              // 3
    tree.addChild(top);            // 4
    top.m_emitter.type = 2;
    top.curve(kCurveOpacity).setPoints({{0, 0}, {40, 80}, {100, 100}});
    top.curve(kCurveOpacity).rebuild();
    tree.finish();

    ASSERT_TRUE(tree.duplicateSelected().done());
    Node& copy = *tree.selected();
    EXPECT_EQ(copy.m_index, 0);
    EXPECT_EQ(copy.m_ID, 9);  // 5, 6, 7, 8 went to the copy's nodes in pre-order
    EXPECT_EQ(copy.childAt(0)->m_ID, 6);
    EXPECT_EQ(copy.childAt(0)->childAt(0)->m_ID, 7);
    EXPECT_EQ(copy.childAt(1)->m_ID, 8);
    EXPECT_EQ(copy.childAt(0)->childAt(0)->m_name, "ノード3のｺﾋﾟｰ");
    EXPECT_EQ(copy.m_emitter.type, 2);
    EXPECT_EQ(copy.curve(kCurveOpacity).points(), top.curve(kCurveOpacity).points());
    EXPECT_EQ(copy.curve(kCurveOpacity).samples(), top.curve(kCurveOpacity).samples());
    // The copy owns its curves: editing one leaves the other alone.
    copy.curve(kCurveOpacity).setPoints({{0, 100}, {100, 100}});
    copy.curve(kCurveOpacity).rebuild();
    EXPECT_NE(copy.curve(kCurveOpacity).samples(), top.curve(kCurveOpacity).samples());
    expectTreeInvariants(tree);
}

TEST(EffectTreeIds, AfterTheHighest32BitIdNewNodesTakeTheLowestFreeOnes) {
    // A file may hold ID 2147483647; one more would overflow.
    EffectTree tree = EffectTree::startup();
    Node& top = *tree.selected();
    top.m_ID = 2147483647;
    ASSERT_TRUE(tree.addChildToSelected().done());
    EXPECT_EQ(tree.selected()->m_ID, 1);
    EXPECT_EQ(tree.selected()->m_name, "ノード1");
    ASSERT_TRUE(tree.addBelowSelected().done());
    EXPECT_EQ(tree.selected()->m_ID, 2);
    expectTreeInvariants(tree);

    tree.select(&top);
    ASSERT_TRUE(tree.duplicateSelected().done());
    const Node& copy = *tree.selected();
    EXPECT_EQ(copy.childAt(0)->m_ID, 4);  // 3 went to the copy itself first
    EXPECT_EQ(copy.childAt(1)->m_ID, 5);
    EXPECT_EQ(copy.m_ID, 6);
    EXPECT_EQ(tree.findById(2147483647), &top);
    expectTreeInvariants(tree);

    // Below the top the rule is unchanged: one more than the highest.
    top.m_ID = 2147483646;
    EXPECT_EQ(tree.addChild(tree.root()).m_ID, 2147483647);
    EXPECT_EQ(tree.addChild(tree.root()).m_ID, 3);
    tree.finish();
    expectTreeInvariants(tree);
}

TEST(EffectTreeMove, UpAndDownKeepIdNameAndSubtree) {
    EffectTree tree = threeTopLevel();
    tree.addChild(*tree.findById(2));  // 4 under ノード2
    tree.findById(2)->setName("炎");
    tree.finish();
    tree.select(tree.findById(2));

    ASSERT_TRUE(tree.moveUp().done());
    EXPECT_EQ(childNames(tree.root()), (Names{"炎", "ノード1", "ノード3"}));
    EXPECT_EQ(tree.selected()->m_ID, 2);
    EXPECT_EQ(tree.selected()->childAt(0)->m_ID, 4);
    EXPECT_EQ(tree.moveUp().outcome, TreeEditResult::Outcome::Nothing);  // already first

    ASSERT_TRUE(tree.moveDown().done());
    ASSERT_TRUE(tree.moveDown().done());
    EXPECT_EQ(childNames(tree.root()), (Names{"ノード1", "ノード3", "炎"}));
    EXPECT_EQ(tree.moveDown().outcome, TreeEditResult::Outcome::Nothing);  // already last
    EXPECT_EQ(tree.selected()->childAt(0)->m_pParent, tree.selected());
    expectTreeInvariants(tree);
}

TEST(EffectTreeMove, MakeChildAndMakeParent) {
    EffectTree tree = threeTopLevel();
    tree.addChild(*tree.findById(1));  // 4 under ノード1
    tree.addChild(*tree.findById(2));  // 5 under ノード2
    tree.finish();

    tree.select(tree.findById(1));
    EXPECT_EQ(tree.makeChild().outcome, TreeEditResult::Outcome::Nothing);   // first child
    EXPECT_EQ(tree.makeParent().outcome, TreeEditResult::Outcome::Nothing);  // already top level

    tree.select(tree.findById(2));
    ASSERT_TRUE(tree.makeChild().done());  // becomes the last child of ノード1
    EXPECT_EQ(childNames(tree.root()), (Names{"ノード1", "ノード3"}));
    EXPECT_EQ(childNames(*tree.findById(1)), (Names{"ノード4", "ノード2"}));
    EXPECT_EQ(tree.selected()->childAt(0)->m_ID, 5);

    tree.select(tree.findById(4));
    ASSERT_TRUE(tree.makeParent().done());  // directly after its former parent
    EXPECT_EQ(childNames(tree.root()), (Names{"ノード1", "ノード4", "ノード3"}));
    EXPECT_EQ(tree.selected()->m_ID, 4);
    expectTreeInvariants(tree);
}

TEST(EffectTreeLimits, RefusesTreesTheSettingsFileCannotHold) {
    EffectTree tree = EffectTree::startup();
    for (int i = 1; i < EffectTree::kMaxChildren; ++i) ASSERT_TRUE(tree.addBelowSelected().done());
    EXPECT_EQ(tree.root().childCount(), 9);
    const TreeEditResult tenth = tree.addBelowSelected();
    EXPECT_EQ(tenth.outcome, TreeEditResult::Outcome::Refused);
    EXPECT_EQ(tenth.message.sourceText(), tree_text::kTooManyChildren);
    EXPECT_EQ(tree.duplicateSelected().outcome, TreeEditResult::Outcome::Refused);
    tree.select(tree.findById(2));
    EXPECT_EQ(tree.makeChild().outcome, TreeEditResult::Outcome::Done);  // 2 goes under 1: room again
    EXPECT_EQ(tree.root().childCount(), 8);

    // Nine levels below the root, not ten.
    EffectTree deep = EffectTree::startup();
    for (int level = 2; level <= EffectTree::kMaxDepth; ++level) ASSERT_TRUE(deep.addChildToSelected().done());
    EXPECT_EQ(deep.selected()->depth(), 9);
    EXPECT_EQ(deep.addChildToSelected().message.sourceText(), tree_text::kTooDeep);

    // A two-level subtree at level 8 cannot become the child of its level-8
    // sibling: its lower node would stand at level 10.
    Node& levelEight = *deep.selected()->m_pParent;
    Node& sibling = deep.addChild(*levelEight.m_pParent);  // level 8, after levelEight
    deep.finish();
    ASSERT_EQ(sibling.depth(), 8);
    deep.select(&levelEight);
    ASSERT_TRUE(deep.moveDown().done());  // the sibling now stands first
    EXPECT_EQ(deep.selected()->subtreeHeight(), 2);
    EXPECT_EQ(deep.makeChild().message.sourceText(), tree_text::kTooDeep);
    expectTreeInvariants(tree);
    expectTreeInvariants(deep);
}

TEST(EffectTreeCommands, KeepInvariantsWhateverIsSelected) {
    std::mt19937 random(12345);
    EffectTree tree = EffectTree::startup();
    for (int round = 0; round < 3000; ++round) {
        // Select any node, the root included, or nothing at all.
        std::vector<Node*> all{nullptr, &tree.root()};
        for (std::size_t i = 1; i < all.size(); ++i) {
            for (auto& child : all[i]->m_children) all.push_back(child.get());
        }
        tree.select(all[random() % all.size()]);
        switch (random() % 8) {
            case 0: tree.addChildToSelected(); break;
            case 1: tree.addBelowSelected(); break;
            case 2: tree.deleteSelected(); break;
            case 3: tree.duplicateSelected(); break;
            case 4: tree.moveUp(); break;
            case 5: tree.moveDown(); break;
            case 6: tree.makeChild(); break;
            default: tree.makeParent(); break;
        }
        expectTreeInvariants(tree);
        if (::testing::Test::HasFailure()) FAIL() << "after round " << round;
    }
}

}  // namespace
}  // namespace fg

namespace fg {
namespace {

TEST(EffectTreeCopy, IsIndependentAndSelectsTheSameNode) {
    EffectTree tree = threeTopLevel();
    Node& second = *tree.root().childAt(1);
    tree.addChild(second);
    second.m_emitter.pos.x = 2.5f;
    tree.select(&second);

    EffectTree copied = tree.copy();
    ASSERT_NE(copied.selected(), nullptr);
    EXPECT_NE(copied.selected(), &second);
    EXPECT_EQ(copied.selected()->m_ID, second.m_ID);
    EXPECT_EQ(copied.selected()->childCount(), 1);
    EXPECT_EQ(copied.selected()->m_emitter.pos.x, 2.5f);
    EXPECT_EQ(childNames(copied.root()), childNames(tree.root()));
    expectTreeInvariants(copied);

    // Later edits of the original do not reach the copy.
    second.m_emitter.pos.x = 7.0f;
    tree.deleteSelected();
    EXPECT_EQ(copied.root().childCount(), 3);
    EXPECT_EQ(copied.selected()->m_emitter.pos.x, 2.5f);
}

TEST(EditorStateCopy, CopiesTheDocumentDeeply) {
    EditorState g;
    g.project.frame = 42;
    g.write.end = 9;
    g.workDir = "/tmp/ws";
    g.fileName = "/tmp/a.nbx";
    g.hasFileName = true;
    const EditorState copied = copyOf(g);
    EXPECT_EQ(copied.project.frame, 42);
    EXPECT_EQ(copied.write.end, 9);
    EXPECT_EQ(copied.workDir, "/tmp/ws");
    EXPECT_EQ(copied.fileName, "/tmp/a.nbx");
    EXPECT_TRUE(copied.hasFileName);
    EXPECT_NE(&copied.tree.root(), &g.tree.root());
    EXPECT_EQ(copied.tree.selected()->m_ID, g.tree.selected()->m_ID);
}

}  // namespace
}  // namespace fg
