// The node clipboard's bytes: a subtree with materials round trips with
// every field and curve, and whatever else arrives is refused whole.

#include <gtest/gtest.h>

#include "model/EffectTree.h"
#include "persistence/Archive.h"
#include "persistence/NodeClipboard.h"

namespace fg {
namespace {

// ノード1 with two children, the second with a child; fields and a curve changed.
EffectTree sample() {
    EffectTree tree = EffectTree::startup();
    Node& top = *tree.root().childAt(0);
    tree.addChild(top).setName("枝");
    Node& second = tree.addChild(top);
    tree.addChild(second).m_texture.ID = 1;
    top.m_kill.span = 33;
    top.m_move.dirY = -2.5f;
    top.curve(kCurveRed).setPoints({{0.0f, 0.5f}, {50.0f, 0.75f}, {100.0f, 0.0f}});
    top.curve(kCurveRed).rebuild();
    tree.finish();
    return tree;
}

std::vector<ClipboardMaterial> twoMaterials() {
    return {{"a.png.png", std::string("\x89PNG image", 10), false}, {"ship.obj", "v 0 0 0\n", true}};
}

TEST(NodeClipboard, ASubtreeAndItsMaterialsRoundTrip) {
    const EffectTree tree = sample();
    const Node& top = *tree.root().childAt(0);
    const std::string bytes = packNodeClipboard(top, twoMaterials());
    ASSERT_FALSE(bytes.empty());
    const std::optional<NodeClipboardContent> content = unpackNodeClipboard(bytes);
    ASSERT_TRUE(content.has_value());
    const Node& read = *content->top;
    EXPECT_EQ(read.m_name, "ノード1");
    EXPECT_EQ(read.m_kill.span, 33);
    EXPECT_FLOAT_EQ(read.m_move.dirY, -2.5f);
    EXPECT_EQ(read.curve(kCurveRed).points(), top.curve(kCurveRed).points());
    ASSERT_EQ(read.childCount(), 2);
    EXPECT_EQ(read.childAt(0)->m_name, "枝");
    ASSERT_EQ(read.childAt(1)->childCount(), 1);
    EXPECT_EQ(read.childAt(1)->childAt(0)->m_texture.ID, 1);
    EXPECT_EQ(read.childAt(1)->childAt(0)->m_pParent, read.childAt(1));
    ASSERT_EQ(content->materials.size(), 2u);
    EXPECT_EQ(content->materials[0].fileName, "a.png.png");
    EXPECT_EQ(content->materials[0].bytes, std::string("\x89PNG image", 10));
    EXPECT_FALSE(content->materials[0].isModel);
    EXPECT_TRUE(content->materials[1].isModel);
}

TEST(NodeClipboard, HostileBytesAreRefusedWhole) {
    const EffectTree tree = sample();
    const Node& top = *tree.root().childAt(0);
    const std::string good = packNodeClipboard(top, twoMaterials());
    const std::string ini = good.substr(good.find("save.ini,"));
    const auto withRecords = [&](const std::string& records, int count) {
        return "NebrixData,3," + std::to_string(count) + "," + records + ini;
    };
    const std::vector<std::string> hostile = {
        "",
        "garbage",
        good.substr(0, good.size() - 5),                   // cut short
        "NebrixData,9,0," + ini,                           // a newer version
        "NebrixData,3,0,save.ini,0,",                      // no node
        withRecords("../evil.png,1,x", 1),                 // a path, not a name
        withRecords("notes.txt,1,x", 1),                   // no material kind
        withRecords("a,b.png,1,x", 1),                     // a comma splits the record
        withRecords("m.obj,1,xb.png,1,x", 2),              // an image after a model
        "NebrixData,3,0,save.ini,99999999999,",            // a length past the end
        "NebrixData,3,2000,save.ini,0,",                   // more records than there are
    };
    for (const std::string& bytes : hostile) EXPECT_FALSE(unpackNodeClipboard(bytes).has_value()) << bytes;

    // Ten children under one node: more than a tree takes.
    EffectTree wide = EffectTree::startup();
    Node& parent = *wide.root().childAt(0);
    for (int i = 0; i < 10; ++i) wide.addChild(parent);
    wide.finish();
    EXPECT_FALSE(unpackNodeClipboard(packNodeClipboard(parent, {})).has_value());
    // Ten levels.
    EffectTree deep = EffectTree::startup();
    Node* level = deep.root().childAt(0);
    for (int i = 0; i < 9; ++i) level = &deep.addChild(*level);
    deep.finish();
    EXPECT_FALSE(unpackNodeClipboard(packNodeClipboard(*deep.root().childAt(0), {})).has_value());
    // Larger than the limit, refused before it is read.
    EXPECT_FALSE(unpackNodeClipboard(std::string(kMaxNodeClipboardBytes + 1, 'N')).has_value());
}

}  // namespace
}  // namespace fg
