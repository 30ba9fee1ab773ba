#include "model/NodeFields.h"

#include <array>
#include <cassert>
#include <limits>

#include "model/Cp932.h"
#include "model/Node.h"
#include "model/TextTemplate.h"

namespace fg {
namespace {

constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

// One row: the settings key is the field's own path in Node.
#define FG_FIELD(id, path, kind, initial, minimum, maximum, unit, label)                                          \
    NodeField {                                                                                                   \
        FieldId::id, #path, FieldType::kind, [](Node& n) -> void* { return &n.path; }, initial, minimum, maximum, \
            FieldUnit::unit, label                                                                                \
    }

// In settings order. Lists that grow with the materials have no fixed end.
constexpr std::array kNodeFields{
    FG_FIELD(Name, m_name, Text, 0, 0, 0, Text, ""),
    FG_FIELD(IsDraw, m_isDraw, Int, 1, 0, 1, Flag, ""),
    FG_FIELD(Id, m_ID, Int, 0, 0, kIntMax, Whole, ""),
    FG_FIELD(EmitterType, m_emitter.type, Int, kEmitterBox, 0, 5, Choice,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生源の形状")),
    FG_FIELD(EmitterSizeX, m_emitter.size.x, Float, 0.0, 0, 999, Tenths,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生源の幅")),
    FG_FIELD(EmitterSizeY, m_emitter.size.y, Float, 0.0, 0, 999, Tenths,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生源の高さ")),
    FG_FIELD(EmitterSizeZ, m_emitter.size.z, Float, 0.0, 0, 999, Tenths,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生源の奥行き")),
    FG_FIELD(EmitterPosX, m_emitter.pos.x, Float, 0.0, -999, 999, Tenths,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生源の位置（X)")),
    FG_FIELD(EmitterPosY, m_emitter.pos.y, Float, 0.0, -999, 999, Tenths,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生源の位置（Y)")),
    FG_FIELD(EmitterPosZ, m_emitter.pos.z, Float, 0.0, -999, 999, Tenths,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生源の位置（Z)")),
    FG_FIELD(EmitterScope, m_emitter.scope, Int, kScopeInside, 0, 2, Choice,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生源の範囲（種類）")),
    FG_FIELD(EmitterErr, m_emitter.err, Int, 0, 0, 100, Percent,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生源の範囲（％）")),
    FG_FIELD(EmitterFix, m_emitter.fix, Int, 0, 0, 1, Flag, FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生源の向き固定")),
    FG_FIELD(EmitterScaleFix, m_emitter.scaleFix, Int, 0, 0, 1, Flag, ""),
    FG_FIELD(EmitterIsEvenInterval, m_emitter.isEvenInterval, Int, 0, 0, 1, Flag,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "等間隔に発生")),
    FG_FIELD(TimingType, m_timing.type, Int, kTimingAbsolute, 0, 2, Choice,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "パーティクル発生期間")),
    FG_FIELD(TimingStart, m_timing.start, Int, 1, 1, 999, Frames,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生開始フレーム")),
    FG_FIELD(TimingEnd, m_timing.end, Int, 1, 1, 999, Frames,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生終了フレーム")),
    FG_FIELD(TimingOften, m_timing.often, Int, 1, 1, 999, Frames, FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生頻度")),
    FG_FIELD(TimingOftenErr, m_timing.often_err, Int, 0, 0, 100, Percent,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生頻度誤差")),
    FG_FIELD(TimingNum, m_timing.num, Int, 1, 0, 100, Whole, FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生個数")),
    FG_FIELD(TimingNumErr, m_timing.num_err, Int, 0, 0, 100, Percent,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生個数誤差")),
    FG_FIELD(KillSpan, m_kill.span, Int, 60, 1, 999, Frames, FG_TRANSLATE_NOOP("fg::HistoryLabels", "寿命")),
    FG_FIELD(KillSpanErr, m_kill.span_err, Int, 0, 0, 100, Percent,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "寿命の誤差")),
    FG_FIELD(KillIsFrame, m_kill.isFrame, Int, 0, 0, 1, Flag,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "消滅フレームの設定")),
    FG_FIELD(KillFrame, m_kill.frame, Int, 60, 1, 999, Frames, FG_TRANSLATE_NOOP("fg::HistoryLabels", "消滅フレーム")),
    FG_FIELD(KillFrameErr, m_kill.frame_err, Int, 0, 0, 100, Percent,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "消滅フレーム誤差")),
    FG_FIELD(KillIsLand, m_kill.isLand, Int, 0, 0, 1, Flag, FG_TRANSLATE_NOOP("fg::HistoryLabels", "着地で消滅するか")),
    FG_FIELD(MoveIsOneWay, m_move.isOneWay, Int, 0, 0, 1, Flag, FG_TRANSLATE_NOOP("fg::HistoryLabels", "一方向移動")),
    FG_FIELD(MoveOnewayErr, m_move.oneway_err, Int, 0, 0, 360, Degrees,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "移動方向誤差")),
    // The direction picker keeps the side view within 0 … 180 and the
    // view from above within 0 … 360.
    FG_FIELD(MoveDirX, m_move.dirX, Float, 90.0, 0, 180, Degrees,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "移動方向（横から見た図）")),
    FG_FIELD(MoveDirY, m_move.dirY, Float, 0.0, 0, 360, Degrees,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "移動方向（上から見た図）")),
    FG_FIELD(MoveSpeed, m_move.speed, Int, 0, 0, 999, Whole, FG_TRANSLATE_NOOP("fg::HistoryLabels", "移動速度")),
    FG_FIELD(MoveSpeedErr, m_move.speed_err, Int, 0, 0, 100, Percent,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "速度誤差")),
    FG_FIELD(MoveIsFollow, m_move.isFollow, Int, 0, 0, 1, Flag, FG_TRANSLATE_NOOP("fg::HistoryLabels", "親に追従")),
    FG_FIELD(MoveGravity, m_move.gravity, Int, 0, -999, 999, Whole, FG_TRANSLATE_NOOP("fg::HistoryLabels", "重力")),
    FG_FIELD(MoveAbsorbPawer, m_move.absorbPawer, Float, 0.0, -999, 999, Whole,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "吸引力")),
    // The attraction point is typed as it is stored (the motion counts it
    // in tenths of a world unit).
    FG_FIELD(MoveAbsorbPosX, m_move.absorbPos.x, Float, 0.0, -999, 999, Whole,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "吸引場所X")),
    FG_FIELD(MoveAbsorbPosY, m_move.absorbPos.y, Float, 0.0, -999, 999, Whole,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "吸引場所Y")),
    FG_FIELD(MoveAbsorbPosZ, m_move.absorbPos.z, Float, 0.0, -999, 999, Whole,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "吸引場所Z")),
    // The built-in shapes, then one entry per model material.
    FG_FIELD(ShapeType, m_shape.type, Int, kShape2D, 0, kIntMax, Choice,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "パーティクルの形状")),
    FG_FIELD(ShapeDir, m_shape.dir, Int, kDirFront, 0, 6, Choice,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "パーティクルの向き")),
    FG_FIELD(ShapeIsDir, m_shape.isDir, Int, 0, 0, 1, Flag, FG_TRANSLATE_NOOP("fg::HistoryLabels", "進行方向を向くか")),
    FG_FIELD(ShapeIsUnderCut, m_shape.isUnderCut, Int, 0, 0, 1, Flag,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "地下非表示フラグ")),
    // -1 for none, then one entry per image material.
    FG_FIELD(TextureId, m_texture.ID, Int, -1, -1, kIntMax, Choice,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "テクスチャ")),
    FG_FIELD(TextureIsAdd, m_texture.isAdd, Int, 0, 0, 1, Choice, ""),
    FG_FIELD(TextureIsAnim, m_texture.isAnim, Int, 0, 0, 1, Flag,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "テクスチャアニメ")),
    FG_FIELD(TextureW, m_texture.w, Int, 4, 1, 64, Whole,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "テクスチャの横の並び")),
    FG_FIELD(TextureH, m_texture.h, Int, 4, 1, 64, Whole,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "テクスチャの縦の並び")),
    FG_FIELD(TextureSpeed, m_texture.speed, Int, 0, 1, 64, Whole,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "テクスチャアニメ速度")),
    FG_FIELD(TextureIsLoop, m_texture.isLoop, Int, 0, 0, 1, Flag,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "テクスチャアニメのループ")),
    // 10 stands for 1.0.
    FG_FIELD(ScaleMax, m_scale.max, Int, 10, 0, 999, Whole, FG_TRANSLATE_NOOP("fg::HistoryLabels", "サイズ")),
    FG_FIELD(ScaleMaxErr, m_scale.max_err, Int, 0, 0, 100, Percent,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "サイズ誤差")),
    FG_FIELD(ScaleTrailLength, m_scale.trailLength, Int, 10, 1, 999, Frames, ""),
    FG_FIELD(ScaleTrailThickChange, m_scale.trailThickChange, Int, 0, 0, 1, Choice, ""),
    FG_FIELD(ColorIsAlphaParent, m_color.isAlphaParent, Int, 0, 0, 1, Flag,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "親の透明度影響")),
    FG_FIELD(ColorBrigRnd, m_color.brigRnd, Int, 0, 0, 100, Percent,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "明るさ誤差")),
    FG_FIELD(ColorAlphaRnd, m_color.alphaRnd, Int, 0, 0, 100, Percent,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "透明度誤差")),
    FG_FIELD(RotateAxis, m_rotate.axis, Int, kAxisZ, 0, 7, Choice,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "回転軸（自転）")),
    // Five digits: the arrows reach 99999, and so does typing.
    FG_FIELD(RotateAngle, m_rotate.angle, Int, 0, 0, 99999, Degrees,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "回転角度（自転）")),
    FG_FIELD(RotateAngleErr, m_rotate.angle_err, Int, 0, 0, 100, Percent,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "回転角度誤差（自転）")),
    FG_FIELD(RotateDir, m_rotate.dir, Int, kRotateNormal, 0, 2, Choice,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "回転方向（自転）")),
    FG_FIELD(RotateIsSameParent, m_rotate.isSameParent, Int, 0, 0, 1, Flag,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "親に合わせて自転")),
    FG_FIELD(RotateRevAxis, m_rotate.revAxis, Int, kRevAxisY, 0, 4, Choice,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "回転軸（公転）")),
    FG_FIELD(RotateRevAngle, m_rotate.revAngle, Int, 0, 0, 99999, Degrees,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "回転角度（公転）")),
    FG_FIELD(RotateRevAngleErr, m_rotate.revAngle_err, Int, 0, 0, 100, Percent,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "回転角度誤差（公転）")),
    FG_FIELD(RotateRevDir, m_rotate.revDir, Int, kRotateNormal, 0, 2, Choice,
             FG_TRANSLATE_NOOP("fg::HistoryLabels", "回転方向（公転）")),
};

#undef FG_FIELD

static_assert(kNodeFields.size() == kNodeFieldCount);

constexpr bool rowsInIdOrder() {
    for (std::size_t i = 0; i < kNodeFields.size(); ++i) {
        if (static_cast<std::size_t>(kNodeFields[i].id) != i) return false;
    }
    return true;
}
static_assert(rowsInIdOrder(), "row i of the table must have FieldId i");

}  // namespace

std::span<const NodeField> nodeFields() {
    return kNodeFields;
}

const NodeField& nodeField(FieldId id) {
    assert(id < FieldId::Count);
    return kNodeFields[static_cast<std::size_t>(id)];
}

const NodeField* findNodeField(std::string_view key) {
    for (const NodeField& field : kNodeFields) {
        if (key == field.key) return &field;
    }
    return nullptr;
}

std::int32_t initialInt(FieldId id) {
    const NodeField& field = nodeField(id);
    assert(field.type == FieldType::Int);
    return static_cast<std::int32_t>(field.initial);
}

float initialFloat(FieldId id) {
    const NodeField& field = nodeField(id);
    assert(field.type == FieldType::Float);
    return static_cast<float>(field.initial);
}

std::int32_t& intField(Node& node, const NodeField& field) {
    assert(field.type == FieldType::Int && "an int read of a row that is not int");
    return *static_cast<std::int32_t*>(field.ref(node));
}

float& floatField(Node& node, const NodeField& field) {
    assert(field.type == FieldType::Float && "a float read of a row that is not float");
    return *static_cast<float*>(field.ref(node));
}

const std::string& textField(Node& node, const NodeField& field) {
    assert(field.type == FieldType::Text && "a text read of a row that is not text");
    return *static_cast<std::string*>(field.ref(node));
}

void setTextField(Node& node, const NodeField& field, std::string_view value) {
    assert(field.type == FieldType::Text && "a text write to a row that is not text");
    *static_cast<std::string*>(field.ref(node)) = cutToCp932Bytes(value, Node::kNameBytes);
}

}  // namespace fg
