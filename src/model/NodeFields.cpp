#include "model/NodeFields.h"

#include <array>

#include "model/Cp932.h"
#include "model/Node.h"

namespace fg {
namespace {

// One row: the settings key is the field's own path in Node.
#define FG_FIELD(path, kind) \
    NodeField { #path, FieldType::kind, [](Node& n) -> void* { return &n.path; } }

constexpr std::array kNodeFields{
    FG_FIELD(m_name, Text),
    FG_FIELD(m_isDraw, Int),
    FG_FIELD(m_ID, Int),
    FG_FIELD(m_emitter.type, Int),
    FG_FIELD(m_emitter.size.x, Float),
    FG_FIELD(m_emitter.size.y, Float),
    FG_FIELD(m_emitter.size.z, Float),
    FG_FIELD(m_emitter.pos.x, Float),
    FG_FIELD(m_emitter.pos.y, Float),
    FG_FIELD(m_emitter.pos.z, Float),
    FG_FIELD(m_emitter.scope, Int),
    FG_FIELD(m_emitter.err, Int),
    FG_FIELD(m_emitter.fix, Int),
    FG_FIELD(m_emitter.scaleFix, Int),
    FG_FIELD(m_emitter.isEvenInterval, Int),
    FG_FIELD(m_timing.type, Int),
    FG_FIELD(m_timing.start, Int),
    FG_FIELD(m_timing.end, Int),
    FG_FIELD(m_timing.often, Int),
    FG_FIELD(m_timing.often_err, Int),
    FG_FIELD(m_timing.num, Int),
    FG_FIELD(m_timing.num_err, Int),
    FG_FIELD(m_kill.span, Int),
    FG_FIELD(m_kill.span_err, Int),
    FG_FIELD(m_kill.isFrame, Int),
    FG_FIELD(m_kill.frame, Int),
    FG_FIELD(m_kill.frame_err, Int),
    FG_FIELD(m_kill.isLand, Int),
    FG_FIELD(m_move.isOneWay, Int),
    FG_FIELD(m_move.oneway_err, Int),
    FG_FIELD(m_move.dirX, Float),
    FG_FIELD(m_move.dirY, Float),
    FG_FIELD(m_move.speed, Int),
    FG_FIELD(m_move.speed_err, Int),
    FG_FIELD(m_move.isFollow, Int),
    FG_FIELD(m_move.gravity, Int),
    FG_FIELD(m_move.absorbPawer, Float),
    FG_FIELD(m_move.absorbPos.x, Float),
    FG_FIELD(m_move.absorbPos.y, Float),
    FG_FIELD(m_move.absorbPos.z, Float),
    FG_FIELD(m_shape.type, Int),
    FG_FIELD(m_shape.dir, Int),
    FG_FIELD(m_shape.isDir, Int),
    FG_FIELD(m_shape.isUnderCut, Int),
    FG_FIELD(m_texture.ID, Int),
    FG_FIELD(m_texture.isAdd, Int),
    FG_FIELD(m_texture.isAnim, Int),
    FG_FIELD(m_texture.w, Int),
    FG_FIELD(m_texture.h, Int),
    FG_FIELD(m_texture.speed, Int),
    FG_FIELD(m_texture.isLoop, Int),
    FG_FIELD(m_scale.max, Int),
    FG_FIELD(m_scale.max_err, Int),
    FG_FIELD(m_scale.trailLength, Int),
    FG_FIELD(m_scale.trailThickChange, Int),
    FG_FIELD(m_color.isAlphaParent, Int),
    FG_FIELD(m_color.brigRnd, Int),
    FG_FIELD(m_color.alphaRnd, Int),
    FG_FIELD(m_rotate.axis, Int),
    FG_FIELD(m_rotate.angle, Int),
    FG_FIELD(m_rotate.angle_err, Int),
    FG_FIELD(m_rotate.dir, Int),
    FG_FIELD(m_rotate.isSameParent, Int),
    FG_FIELD(m_rotate.revAxis, Int),
    FG_FIELD(m_rotate.revAngle, Int),
    FG_FIELD(m_rotate.revAngle_err, Int),
    FG_FIELD(m_rotate.revDir, Int),
};

#undef FG_FIELD

}  // namespace

std::span<const NodeField> nodeFields() { return kNodeFields; }

const NodeField* findNodeField(std::string_view key) {
    for (const NodeField& field : kNodeFields) {
        if (key == field.key) return &field;
    }
    return nullptr;
}

std::int32_t& intField(Node& node, const NodeField& field) {
    return *static_cast<std::int32_t*>(field.ref(node));
}

float& floatField(Node& node, const NodeField& field) { return *static_cast<float*>(field.ref(node)); }

const std::string& textField(Node& node, const NodeField& field) {
    return *static_cast<std::string*>(field.ref(node));
}

void setTextField(Node& node, const NodeField& field, std::string_view value) {
    *static_cast<std::string*>(field.ref(node)) = cutToCp932Bytes(value, Node::kNameBytes);
}

}  // namespace fg
