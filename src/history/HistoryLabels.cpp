#include "history/HistoryLabels.h"

#include <array>

namespace fg {
namespace {

constexpr std::array<HistoryLabel, 60> kLabels{{
    {"g.pSelNode->m_emitter.type", "発生源の形状"},
    {"g.pSelNode->m_emitter.pos.x", "発生源の位置（X)"},
    {"g.pSelNode->m_emitter.pos.y", "発生源の位置（Y)"},
    {"g.pSelNode->m_emitter.pos.z", "発生源の位置（Z)"},
    {"g.pSelNode->m_emitter.size.x", "発生源の幅"},
    {"g.pSelNode->m_emitter.size.y", "発生源の高さ"},
    {"g.pSelNode->m_emitter.size.z", "発生源の奥行き"},
    {"g.pSelNode->m_emitter.scope", "発生源の範囲（種類）"},
    {"g.pSelNode->m_emitter.err", "発生源の範囲（％）"},
    {"g.pSelNode->m_emitter.fix", "発生源の向き固定"},
    {"g.pSelNode->m_emitter.isEvenInterval", "等間隔に発生"},
    {"g.pSelNode->m_kill.span", "寿命"},
    {"g.pSelNode->m_kill.span_err", "寿命の誤差"},
    {"g.pSelNode->m_kill.frame", "消滅フレーム"},
    {"g.pSelNode->m_kill.frame_err", "消滅フレーム誤差"},
    {"g.pSelNode->m_kill.isLand", "着地で消滅するか"},
    {"g.pSelNode->m_kill.isFrame", "消滅フレームの設定"},
    {"g.pSelNode->m_move.dirY", "移動方向（上から見た図）"},
    {"g.pSelNode->m_move.dirX", "移動方向（横から見た図）"},
    {"g.pSelNode->m_move.speed", "移動速度"},
    {"g.pSelNode->m_move.speed_err", "速度誤差"},
    {"g.pSelNode->m_move.isOneWay", "一方向移動"},
    {"g.pSelNode->m_move.oneway_err", "移動方向誤差"},
    {"g.pSelNode->m_move.isFollow", "親に追従"},
    {"g.pSelNode->m_move.gravity", "重力"},
    {"g.pSelNode->m_move.absorbPos.x", "吸引場所X"},
    {"g.pSelNode->m_move.absorbPos.y", "吸引場所Y"},
    {"g.pSelNode->m_move.absorbPos.z", "吸引場所Z"},
    {"g.pSelNode->m_move.absorbPawer", "吸引力"},
    {"g.pSelNode->m_rotate.axis", "回転軸（自転）"},
    {"g.pSelNode->m_rotate.angle", "回転角度（自転）"},
    {"g.pSelNode->m_rotate.angle_err", "回転角度誤差（自転）"},
    {"g.pSelNode->m_rotate.dir", "回転方向（自転）"},
    {"g.pSelNode->m_rotate.isSameParent", "親に合わせて自転"},
    {"g.pSelNode->m_rotate.revAxis", "回転軸（公転）"},
    {"g.pSelNode->m_rotate.revAngle", "回転角度（公転）"},
    {"g.pSelNode->m_rotate.revAngle_err", "回転角度誤差（公転）"},
    {"g.pSelNode->m_rotate.revDir", "回転方向（公転）"},
    {"g.pSelNode->m_shape.type", "パーティクルの形状"},
    {"g.pSelNode->m_shape.dir", "パーティクルの向き"},
    {"g.pSelNode->m_shape.isDir", "進行方向を向くか"},
    {"g.pSelNode->m_shape.isUnderCut", "地下非表示フラグ"},
    {"g.pSelNode->m_scale.max", "サイズ"},
    {"g.pSelNode->m_scale.max_err", "サイズ誤差"},
    {"g.pSelNode->m_color.isAlphaParent", "親の透明度影響"},
    {"g.pSelNode->m_color.alphaRnd", "透明度誤差"},
    {"g.pSelNode->m_color.brigRnd", "明るさ誤差"},
    {"g.pSelNode->m_texture.ID", "テクスチャ"},
    {"g.pSelNode->m_texture.isAnim", "テクスチャアニメ"},
    {"g.pSelNode->m_texture.w", "テクスチャの横の並び"},
    {"g.pSelNode->m_texture.h", "テクスチャの縦の並び"},
    {"g.pSelNode->m_texture.speed", "テクスチャアニメ速度"},
    {"g.pSelNode->m_texture.isLoop", "テクスチャアニメのループ"},
    {"g.pSelNode->m_timing.type", "パーティクル発生期間"},
    {"g.pSelNode->m_timing.start", "発生開始フレーム"},
    {"g.pSelNode->m_timing.end", "発生終了フレーム"},
    {"g.pSelNode->m_timing.often", "発生頻度"},
    {"g.pSelNode->m_timing.often_err", "発生頻度誤差"},
    {"g.pSelNode->m_timing.num", "発生個数"},
    {"g.pSelNode->m_timing.num_err", "発生個数誤差"},
}};

}  // namespace

std::span<const HistoryLabel> historyLabels() { return kLabels; }

std::string_view historyLabel(std::string_view path) {
    for (const HistoryLabel& row : kLabels) {
        if (row.path == path) return row.label;
    }
    return {};
}

}  // namespace fg
