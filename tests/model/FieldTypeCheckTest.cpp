// The node-field table checks, where assertions are on, that a field is read
// with its own type. This program builds the table with assertions on in
// every build type, so the checks are tested wherever the tests run.

#include <gtest/gtest.h>

#include "model/EffectTree.h"
#include "model/NodeFields.h"

namespace fg {
namespace {

TEST(FieldTypeCheckDeathTest, AFieldReadAsAnotherTypeStopsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EffectTree tree = EffectTree::startup();
    Node& node = *tree.selected();
    EXPECT_DEATH(intField(node, nodeField(FieldId::EmitterPosX)), "not int");
    EXPECT_DEATH(floatField(node, nodeField(FieldId::KillSpan)), "not float");
    EXPECT_DEATH(textField(node, nodeField(FieldId::IsDraw)), "not text");
    EXPECT_DEATH(setTextField(node, nodeField(FieldId::Id), "火花"), "not text");
    EXPECT_DEATH(initialInt(FieldId::MoveDirX), "Int");
    EXPECT_DEATH(initialFloat(FieldId::TextureW), "Float");
}

TEST(FieldTypeCheckDeathTest, EachFieldReadWithItsOwnTypePasses) {
    // Making a node takes every initial value with its own type.
    EffectTree tree = EffectTree::startup();
    Node& node = *tree.selected();
    const NodeParams params;
    EXPECT_EQ(params.m_texture.ID, -1);
    for (const NodeField& row : nodeFields()) {
        switch (row.type) {
        case FieldType::Int: intField(node, row) = 7; break;
        case FieldType::Float: floatField(node, row) = 0.5f; break;
        case FieldType::Text: setTextField(node, row, "火花"); break;
        }
    }
    EXPECT_EQ(node.m_kill.span, 7);
    EXPECT_FLOAT_EQ(node.m_move.dirX, 0.5f);
    EXPECT_EQ(textField(node, nodeField(FieldId::Name)), "火花");
}

}  // namespace
}  // namespace fg
