#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string_view>

#include "model/EffectTree.h"
#include "model/NodeFields.h"

namespace fg {
namespace {

constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

struct ExpectedRow {
    std::string_view key;
    double initial;
    std::int32_t minimum;
    std::int32_t maximum;
    FieldUnit unit;
    std::string_view label;
};

// Written out from the values the program used before the table held them:
// the parameter records' initialisers, the pages' ranges (tenths for the
// emitter's position and size) and the edit history's label table. The
// lists, radios and check boxes had no number range: theirs are their
// entries (the page tests check them against the entries shown).
constexpr ExpectedRow kExpected[] = {
    {"m_name", 0, 0, 0, FieldUnit::Text, ""},
    {"m_isDraw", 1, 0, 1, FieldUnit::Flag, ""},
    {"m_ID", 0, 0, kIntMax, FieldUnit::Whole, ""},
    {"m_emitter.type", 5, 0, 5, FieldUnit::Choice, "発生源の形状"},
    {"m_emitter.size.x", 0.0, 0, 999, FieldUnit::Tenths, "発生源の幅"},
    {"m_emitter.size.y", 0.0, 0, 999, FieldUnit::Tenths, "発生源の高さ"},
    {"m_emitter.size.z", 0.0, 0, 999, FieldUnit::Tenths, "発生源の奥行き"},
    {"m_emitter.pos.x", 0.0, -999, 999, FieldUnit::Tenths, "発生源の位置（X)"},
    {"m_emitter.pos.y", 0.0, -999, 999, FieldUnit::Tenths, "発生源の位置（Y)"},
    {"m_emitter.pos.z", 0.0, -999, 999, FieldUnit::Tenths, "発生源の位置（Z)"},
    {"m_emitter.scope", 0, 0, 2, FieldUnit::Choice, "発生源の範囲（種類）"},
    {"m_emitter.err", 0, 0, 100, FieldUnit::Percent, "発生源の範囲（％）"},
    {"m_emitter.fix", 0, 0, 1, FieldUnit::Flag, "発生源の向き固定"},
    {"m_emitter.scaleFix", 0, 0, 1, FieldUnit::Flag, ""},
    {"m_emitter.isEvenInterval", 0, 0, 1, FieldUnit::Flag, "等間隔に発生"},
    {"m_timing.type", 0, 0, 2, FieldUnit::Choice, "パーティクル発生期間"},
    {"m_timing.start", 1, 1, 999, FieldUnit::Frames, "発生開始フレーム"},
    {"m_timing.end", 1, 1, 999, FieldUnit::Frames, "発生終了フレーム"},
    {"m_timing.often", 1, 1, 999, FieldUnit::Frames, "発生頻度"},
    {"m_timing.often_err", 0, 0, 100, FieldUnit::Percent, "発生頻度誤差"},
    {"m_timing.num", 1, 0, 100, FieldUnit::Whole, "発生個数"},
    {"m_timing.num_err", 0, 0, 100, FieldUnit::Percent, "発生個数誤差"},
    {"m_kill.span", 60, 1, 999, FieldUnit::Frames, "寿命"},
    {"m_kill.span_err", 0, 0, 100, FieldUnit::Percent, "寿命の誤差"},
    {"m_kill.isFrame", 0, 0, 1, FieldUnit::Flag, "消滅フレームの設定"},
    {"m_kill.frame", 60, 1, 999, FieldUnit::Frames, "消滅フレーム"},
    {"m_kill.frame_err", 0, 0, 100, FieldUnit::Percent, "消滅フレーム誤差"},
    {"m_kill.isLand", 0, 0, 1, FieldUnit::Flag, "着地で消滅するか"},
    {"m_move.isOneWay", 0, 0, 1, FieldUnit::Flag, "一方向移動"},
    {"m_move.oneway_err", 0, 0, 360, FieldUnit::Degrees, "移動方向誤差"},
    {"m_move.dirX", 90.0, 0, 180, FieldUnit::Degrees, "移動方向（横から見た図）"},
    {"m_move.dirY", 0.0, 0, 360, FieldUnit::Degrees, "移動方向（上から見た図）"},
    {"m_move.speed", 0, 0, 999, FieldUnit::Whole, "移動速度"},
    {"m_move.speed_err", 0, 0, 100, FieldUnit::Percent, "速度誤差"},
    {"m_move.isFollow", 0, 0, 1, FieldUnit::Flag, "親に追従"},
    {"m_move.gravity", 0, -999, 999, FieldUnit::Whole, "重力"},
    {"m_move.absorbPawer", 0.0, -999, 999, FieldUnit::Whole, "吸引力"},
    {"m_move.absorbPos.x", 0.0, -999, 999, FieldUnit::Whole, "吸引場所X"},
    {"m_move.absorbPos.y", 0.0, -999, 999, FieldUnit::Whole, "吸引場所Y"},
    {"m_move.absorbPos.z", 0.0, -999, 999, FieldUnit::Whole, "吸引場所Z"},
    {"m_shape.type", 0, 0, kIntMax, FieldUnit::Choice, "パーティクルの形状"},
    {"m_shape.dir", 0, 0, 6, FieldUnit::Choice, "パーティクルの向き"},
    {"m_shape.isDir", 0, 0, 1, FieldUnit::Flag, "進行方向を向くか"},
    {"m_shape.isUnderCut", 0, 0, 1, FieldUnit::Flag, "地下非表示フラグ"},
    {"m_texture.ID", -1, -1, kIntMax, FieldUnit::Choice, "テクスチャ"},
    {"m_texture.isAdd", 0, 0, 1, FieldUnit::Choice, ""},
    {"m_texture.isAnim", 0, 0, 1, FieldUnit::Flag, "テクスチャアニメ"},
    {"m_texture.w", 4, 1, 64, FieldUnit::Whole, "テクスチャの横の並び"},
    {"m_texture.h", 4, 1, 64, FieldUnit::Whole, "テクスチャの縦の並び"},
    {"m_texture.speed", 0, 1, 64, FieldUnit::Whole, "テクスチャアニメ速度"},
    {"m_texture.isLoop", 0, 0, 1, FieldUnit::Flag, "テクスチャアニメのループ"},
    {"m_scale.max", 10, 0, 999, FieldUnit::Whole, "サイズ"},
    {"m_scale.max_err", 0, 0, 100, FieldUnit::Percent, "サイズ誤差"},
    {"m_scale.trailLength", 10, 1, 999, FieldUnit::Frames, ""},
    {"m_scale.trailThickChange", 0, 0, 1, FieldUnit::Choice, ""},
    {"m_color.isAlphaParent", 0, 0, 1, FieldUnit::Flag, "親の透明度影響"},
    {"m_color.brigRnd", 0, 0, 100, FieldUnit::Percent, "明るさ誤差"},
    {"m_color.alphaRnd", 0, 0, 100, FieldUnit::Percent, "透明度誤差"},
    {"m_rotate.axis", 2, 0, 7, FieldUnit::Choice, "回転軸（自転）"},
    {"m_rotate.angle", 0, 0, 99999, FieldUnit::Degrees, "回転角度（自転）"},
    {"m_rotate.angle_err", 0, 0, 100, FieldUnit::Percent, "回転角度誤差（自転）"},
    {"m_rotate.dir", 0, 0, 2, FieldUnit::Choice, "回転方向（自転）"},
    {"m_rotate.isSameParent", 0, 0, 1, FieldUnit::Flag, "親に合わせて自転"},
    {"m_rotate.revAxis", 1, 0, 4, FieldUnit::Choice, "回転軸（公転）"},
    {"m_rotate.revAngle", 0, 0, 99999, FieldUnit::Degrees, "回転角度（公転）"},
    {"m_rotate.revAngle_err", 0, 0, 100, FieldUnit::Percent, "回転角度誤差（公転）"},
    {"m_rotate.revDir", 0, 0, 2, FieldUnit::Choice, "回転方向（公転）"},
};

TEST(NodeFieldRows, EveryRowKeepsTheDefaultRangeUnitAndLabelTheProgramUsed) {
    const auto rows = nodeFields();
    ASSERT_EQ(rows.size(), std::size(kExpected));
    int labelled = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const NodeField& row = rows[i];
        const ExpectedRow& expected = kExpected[i];
        SCOPED_TRACE(expected.key);
        EXPECT_EQ(row.key, expected.key);
        EXPECT_EQ(row.initial, expected.initial);
        EXPECT_EQ(row.minimum, expected.minimum);
        EXPECT_EQ(row.maximum, expected.maximum);
        EXPECT_EQ(row.unit, expected.unit);
        EXPECT_EQ(std::string_view(row.label), expected.label);
        if (std::strlen(row.label) > 0) ++labelled;
        // A flag is a check box, and only floats are scaled to tenths.
        if (row.unit == FieldUnit::Flag) {
            EXPECT_EQ(row.maximum - row.minimum, 1);
        }
        if (row.unit == FieldUnit::Tenths) {
            EXPECT_EQ(row.type, FieldType::Float);
        }
        EXPECT_EQ(row.unit == FieldUnit::Text, row.type == FieldType::Text);
    }
    // The history has named sixty parameters; the name, the visibility,
    // the ID, the fixed size, the blend mode and the two trail fields have
    // no label.
    EXPECT_EQ(labelled, 60);
}

TEST(NodeFieldRows, ANewNodeHoldsEveryRowsInitialValue) {
    EffectTree tree = EffectTree::startup();
    Node& node = *tree.selected();
    for (const NodeField& row : nodeFields()) {
        SCOPED_TRACE(row.key);
        if (row.id == FieldId::Name || row.id == FieldId::Id) continue;  // given by the tree
        if (row.type == FieldType::Int) {
            EXPECT_EQ(intField(node, row), static_cast<std::int32_t>(row.initial));
            EXPECT_EQ(initialInt(row.id), intField(node, row));
        } else {
            EXPECT_EQ(floatField(node, row), static_cast<float>(row.initial));
            EXPECT_EQ(initialFloat(row.id), floatField(node, row));
        }
    }
    // A parameter record made on its own starts the same way.
    const NodeParams params;
    EXPECT_EQ(params.m_texture.w, 4);
    EXPECT_EQ(params.m_kill.frame, 60);
    EXPECT_FLOAT_EQ(params.m_move.dirX, 90.0f);
    EXPECT_EQ(params.m_rotate.revAxis, kRevAxisY);
}

TEST(NodeFieldRows, EachIdentifierNamesItsOwnRowAndKey) {
    for (const NodeField& row : nodeFields()) {
        EXPECT_EQ(&nodeField(row.id), &row) << row.key;
        EXPECT_EQ(findNodeField(row.key), &row) << row.key;
    }
    EXPECT_STREQ(nodeField(FieldId::KillSpan).key, "m_kill.span");
    EXPECT_STREQ(nodeField(FieldId::MoveAbsorbPawer).label, "吸引力");
    EXPECT_STREQ(nodeField(FieldId::TimingNumErr).label, "発生個数誤差");
    EXPECT_STREQ(nodeField(FieldId::TextureIsAdd).label, "");
    EXPECT_EQ(nodeField(FieldId::RotateRevDir).type, FieldType::Int);
    EXPECT_EQ(nodeField(FieldId::EmitterPosX).type, FieldType::Float);
    EXPECT_EQ(findNodeField("m_kill.spam"), nullptr);
}

}  // namespace
}  // namespace fg
