#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "model/EffectTree.h"
#include "model/NodeFields.h"

namespace fg {
namespace {

TEST(NodeDefaults, MatchTheParameterTable) {
    EffectTree tree = EffectTree::startup();
    const Node& n = *tree.selected();
    EXPECT_EQ(n.m_isDraw, 1);
    EXPECT_EQ(n.m_dispRow, 999999);
    EXPECT_EQ(n.m_emitter.type, 5);
    EXPECT_EQ(n.m_emitter.size, (Vec3f{0, 0, 0}));
    EXPECT_EQ(n.m_emitter.pos, (Vec3f{0, 0, 0}));
    EXPECT_EQ(n.m_emitter.scope, 0);
    EXPECT_EQ(n.m_emitter.err + n.m_emitter.fix + n.m_emitter.scaleFix + n.m_emitter.isEvenInterval, 0);
    EXPECT_EQ(n.m_timing.type, 0);
    EXPECT_EQ(n.m_timing.start, 1);
    EXPECT_EQ(n.m_timing.end, 1);
    EXPECT_EQ(n.m_timing.often, 1);
    EXPECT_EQ(n.m_timing.often_err, 0);
    EXPECT_EQ(n.m_timing.num, 1);
    EXPECT_EQ(n.m_timing.num_err, 0);
    EXPECT_EQ(n.m_kill.span, 60);
    EXPECT_EQ(n.m_kill.span_err, 0);
    EXPECT_EQ(n.m_kill.isFrame, 0);
    EXPECT_EQ(n.m_kill.frame, 60);
    EXPECT_EQ(n.m_kill.frame_err + n.m_kill.isLand, 0);
    EXPECT_EQ(n.m_move.isOneWay + n.m_move.oneway_err, 0);
    EXPECT_FLOAT_EQ(n.m_move.dirY, 0.0f);
    EXPECT_FLOAT_EQ(n.m_move.dirX, 90.0f);
    EXPECT_EQ(n.m_move.speed + n.m_move.speed_err + n.m_move.isFollow + n.m_move.gravity, 0);
    EXPECT_EQ(n.m_move.absorbPos, (Vec3f{0, 0, 0}));
    EXPECT_FLOAT_EQ(n.m_move.absorbPawer, 0.0f);
    EXPECT_EQ(n.m_shape.type + n.m_shape.dir + n.m_shape.isDir + n.m_shape.isUnderCut, 0);
    EXPECT_TRUE(n.m_shape.objName.empty());
    EXPECT_TRUE(n.m_texture.name.empty());
    EXPECT_EQ(n.m_texture.ID, -1);
    EXPECT_EQ(n.m_texture.isAdd + n.m_texture.isAnim + n.m_texture.speed + n.m_texture.isLoop, 0);
    EXPECT_EQ(n.m_texture.w, 4);
    EXPECT_EQ(n.m_texture.h, 4);
    EXPECT_EQ(n.m_scale.max, 10);
    EXPECT_EQ(n.m_scale.max_err, 0);
    EXPECT_EQ(n.m_scale.trailLength, 10);
    EXPECT_EQ(n.m_scale.trailThickChange, 0);
    EXPECT_EQ(n.m_color.isAlphaParent + n.m_color.brigRnd + n.m_color.alphaRnd, 0);
    EXPECT_EQ(n.m_rotate.axis, 2);
    EXPECT_EQ(n.m_rotate.angle + n.m_rotate.angle_err + n.m_rotate.dir + n.m_rotate.isSameParent, 0);
    EXPECT_EQ(n.m_rotate.revAxis, 1);
    EXPECT_EQ(n.m_rotate.revAngle + n.m_rotate.revAngle_err + n.m_rotate.revDir, 0);
}

TEST(NodeCurves, HaveTheirNamesKindsAndInitialShapes) {
    EffectTree tree = EffectTree::startup();
    const Node& n = *tree.selected();
    const std::vector<std::string> names{"サイズ【幅】", "サイズ【高さ】", "サイズ【奥行き】", "自転角度",
                                         "公転角度", "カラー【赤】", "カラー【緑】", "カラー【青】",
                                         "カラー【不透明度】", "速度", "サイズ【全体】"};
    for (int c = 0; c < kCurveCount; ++c) {
        EXPECT_EQ(n.curve(c).name(), names[static_cast<std::size_t>(c)]);
        EXPECT_EQ(n.curve(c).isSpeed(), c == kCurveSpeed);
        for (int age : {0, 7, 20, 40, 45}) {
            const float expected = (c == 3 || c == 4) ? static_cast<float>(age > 40 ? 40 : age) / 40.0f : 1.0f;
            EXPECT_FLOAT_EQ(n.curve(c).evaluate(age, 40), expected) << "curve " << c << " age " << age;
        }
    }
}

TEST(NodeIdRule, NewNodesTakeOneMoreThanTheHighestId) {
    EffectTree tree;  // the root alone
    EXPECT_EQ(tree.root().m_ID, 0);
    EXPECT_EQ(tree.root().m_name, "ルートノード");
    Node& first = tree.addChild(tree.root());
    EXPECT_EQ(first.m_ID, 1);
    EXPECT_EQ(first.m_name, "ノード1");
    EXPECT_EQ(first.m_index, 0);
    tree.addChild(tree.root());
    Node& third = tree.addChild(tree.root());
    EXPECT_EQ(third.m_ID, 3);
    EXPECT_EQ(third.m_index, 2);

    // Deleting the highest and adding reuses it; deleting another does not.
    tree.select(&third);
    ASSERT_TRUE(tree.deleteSelected().done());
    EXPECT_EQ(tree.addChild(tree.root()).m_ID, 3);
    tree.select(tree.findById(2));
    ASSERT_TRUE(tree.deleteSelected().done());
    EXPECT_EQ(tree.addChild(tree.root()).m_name, "ノード4");
}

TEST(NodeCopy, ACloneLinksOnlyToItsOwnNodes) {
    EffectTree tree = EffectTree::startup();
    Node& a = *tree.selected();
    Node& a1 = tree.addChild(a);
    tree.addChild(a1).setName("孫");
    tree.addChild(a);
    a1.curve(kCurveOpacity).setPoints({{0, 0}, {50, 10}, {50, 90}, {100, 0}});
    a1.curve(kCurveOpacity).rebuild();
    tree.finish();

    const std::unique_ptr<Node> clone = cloneSubtree(a);
    EXPECT_EQ(clone->m_pParent, nullptr);
    ASSERT_EQ(clone->childCount(), 2);
    const Node& copy1 = *clone->childAt(0);
    ASSERT_EQ(copy1.childCount(), 1);
    const Node& copy11 = *copy1.childAt(0);
    EXPECT_EQ(copy1.m_pParent, clone.get());
    EXPECT_EQ(clone->childAt(1)->m_pParent, clone.get());
    EXPECT_EQ(copy11.m_pParent, &copy1);
    EXPECT_EQ(copy11.depth(), 2);  // up through the copies only
    EXPECT_EQ(copy11.m_name, "孫");
    // A copy lies within its own copies only, never within the original.
    EXPECT_TRUE(copy11.isWithin(*clone));
    EXPECT_TRUE(copy11.isWithin(copy11));
    EXPECT_FALSE(copy11.isWithin(a));
    EXPECT_FALSE(clone->isWithin(copy1));
    EXPECT_TRUE(a1.childAt(0)->isWithin(tree.root()));
    EXPECT_FALSE(a.isWithin(a1));
    EXPECT_EQ(copy1.m_ID, a1.m_ID);
    EXPECT_EQ(copy1.curve(kCurveOpacity).points(), a1.curve(kCurveOpacity).points());
    EXPECT_EQ(copy1.curve(kCurveOpacity).samples(), a1.curve(kCurveOpacity).samples());

    // Copying into a node that already has a place keeps that place.
    Node& holder = tree.addChild(tree.root());
    deepCopy(holder, a);
    EXPECT_EQ(holder.m_pParent, &tree.root());
    EXPECT_EQ(holder.childAt(0)->m_pParent, &holder);
    EXPECT_EQ(holder.childAt(0)->childAt(0)->m_pParent, holder.childAt(0));
}

TEST(NodeName, IsCutTo255Cp932Bytes) {
    EffectTree tree = EffectTree::startup();
    Node& n = *tree.selected();
    std::string longName;
    for (int i = 0; i < 200; ++i) longName += "あ";  // 400 bytes in cp932
    n.setName("x" + longName);
    EXPECT_EQ(n.m_name, "x" + longName.substr(0, 127 * 3));  // 1 + 127 × 2 = 255 bytes
}

TEST(NodeFieldTable, ListsEveryStoredKeyInSettingsOrder) {
    const std::vector<std::string> expected{
        "m_name", "m_isDraw", "m_ID", "m_emitter.type", "m_emitter.size.x", "m_emitter.size.y",
        "m_emitter.size.z", "m_emitter.pos.x", "m_emitter.pos.y", "m_emitter.pos.z", "m_emitter.scope",
        "m_emitter.err", "m_emitter.fix", "m_emitter.scaleFix", "m_emitter.isEvenInterval", "m_timing.type",
        "m_timing.start", "m_timing.end", "m_timing.often", "m_timing.often_err", "m_timing.num",
        "m_timing.num_err", "m_kill.span", "m_kill.span_err", "m_kill.isFrame", "m_kill.frame",
        "m_kill.frame_err", "m_kill.isLand", "m_move.isOneWay", "m_move.oneway_err", "m_move.dirX",
        "m_move.dirY", "m_move.speed", "m_move.speed_err", "m_move.isFollow", "m_move.gravity",
        "m_move.absorbPawer", "m_move.absorbPos.x", "m_move.absorbPos.y", "m_move.absorbPos.z", "m_shape.type",
        "m_shape.dir", "m_shape.isDir", "m_shape.isUnderCut", "m_texture.ID", "m_texture.isAdd",
        "m_texture.isAnim", "m_texture.w", "m_texture.h", "m_texture.speed", "m_texture.isLoop", "m_scale.max",
        "m_scale.max_err", "m_scale.trailLength", "m_scale.trailThickChange", "m_color.isAlphaParent",
        "m_color.brigRnd", "m_color.alphaRnd", "m_rotate.axis", "m_rotate.angle", "m_rotate.angle_err",
        "m_rotate.dir", "m_rotate.isSameParent", "m_rotate.revAxis", "m_rotate.revAngle",
        "m_rotate.revAngle_err", "m_rotate.revDir"};
    const std::set<std::string> floats{"m_emitter.size.x", "m_emitter.size.y", "m_emitter.size.z",
                                       "m_emitter.pos.x", "m_emitter.pos.y", "m_emitter.pos.z", "m_move.dirX",
                                       "m_move.dirY", "m_move.absorbPawer", "m_move.absorbPos.x",
                                       "m_move.absorbPos.y", "m_move.absorbPos.z"};
    const auto fields = nodeFields();
    ASSERT_EQ(fields.size(), expected.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(fields[i].key, expected[i]);
        const FieldType type = i == 0 ? FieldType::Text : floats.count(expected[i]) ? FieldType::Float : FieldType::Int;
        EXPECT_EQ(fields[i].type, type) << expected[i];
    }
}

TEST(NodeFieldTable, EachRowReachesItsOwnField) {
    EffectTree tree = EffectTree::startup();
    Node& n = *tree.selected();
    std::set<void*> seen;
    for (const NodeField& field : nodeFields()) EXPECT_TRUE(seen.insert(field.ref(n)).second) << field.key;

    intField(n, *findNodeField("m_rotate.revDir")) = 2;
    floatField(n, *findNodeField("m_move.absorbPos.y")) = 3.5f;
    setTextField(n, *findNodeField("m_name"), "火花");
    EXPECT_EQ(n.m_rotate.revDir, 2);
    EXPECT_FLOAT_EQ(n.m_move.absorbPos.y, 3.5f);
    EXPECT_EQ(n.m_name, "火花");
    EXPECT_EQ(findNodeField("m_texture.name"), nullptr);  // not stored
}

}  // namespace
}  // namespace fg
