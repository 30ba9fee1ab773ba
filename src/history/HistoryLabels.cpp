#include "history/HistoryLabels.h"

#include <array>

#include "model/TextTemplate.h"

namespace fg {
namespace {

constexpr std::array<HistoryLabel, 60> kLabels{{
    {"g.pSelNode->m_emitter.type", FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生源の形状")},
    {"g.pSelNode->m_emitter.pos.x", FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生源の位置（X)")},
    {"g.pSelNode->m_emitter.pos.y", FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生源の位置（Y)")},
    {"g.pSelNode->m_emitter.pos.z", FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生源の位置（Z)")},
    {"g.pSelNode->m_emitter.size.x", FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生源の幅")},
    {"g.pSelNode->m_emitter.size.y", FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生源の高さ")},
    {"g.pSelNode->m_emitter.size.z", FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生源の奥行き")},
    {"g.pSelNode->m_emitter.scope", FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生源の範囲（種類）")},
    {"g.pSelNode->m_emitter.err", FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生源の範囲（％）")},
    {"g.pSelNode->m_emitter.fix", FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生源の向き固定")},
    {"g.pSelNode->m_emitter.isEvenInterval", FG_TRANSLATE_NOOP("fg::HistoryLabels", "等間隔に発生")},
    {"g.pSelNode->m_kill.span", FG_TRANSLATE_NOOP("fg::HistoryLabels", "寿命")},
    {"g.pSelNode->m_kill.span_err", FG_TRANSLATE_NOOP("fg::HistoryLabels", "寿命の誤差")},
    {"g.pSelNode->m_kill.frame", FG_TRANSLATE_NOOP("fg::HistoryLabels", "消滅フレーム")},
    {"g.pSelNode->m_kill.frame_err", FG_TRANSLATE_NOOP("fg::HistoryLabels", "消滅フレーム誤差")},
    {"g.pSelNode->m_kill.isLand", FG_TRANSLATE_NOOP("fg::HistoryLabels", "着地で消滅するか")},
    {"g.pSelNode->m_kill.isFrame", FG_TRANSLATE_NOOP("fg::HistoryLabels", "消滅フレームの設定")},
    {"g.pSelNode->m_move.dirY", FG_TRANSLATE_NOOP("fg::HistoryLabels", "移動方向（上から見た図）")},
    {"g.pSelNode->m_move.dirX", FG_TRANSLATE_NOOP("fg::HistoryLabels", "移動方向（横から見た図）")},
    {"g.pSelNode->m_move.speed", FG_TRANSLATE_NOOP("fg::HistoryLabels", "移動速度")},
    {"g.pSelNode->m_move.speed_err", FG_TRANSLATE_NOOP("fg::HistoryLabels", "速度誤差")},
    {"g.pSelNode->m_move.isOneWay", FG_TRANSLATE_NOOP("fg::HistoryLabels", "一方向移動")},
    {"g.pSelNode->m_move.oneway_err", FG_TRANSLATE_NOOP("fg::HistoryLabels", "移動方向誤差")},
    {"g.pSelNode->m_move.isFollow", FG_TRANSLATE_NOOP("fg::HistoryLabels", "親に追従")},
    {"g.pSelNode->m_move.gravity", FG_TRANSLATE_NOOP("fg::HistoryLabels", "重力")},
    {"g.pSelNode->m_move.absorbPos.x", FG_TRANSLATE_NOOP("fg::HistoryLabels", "吸引場所X")},
    {"g.pSelNode->m_move.absorbPos.y", FG_TRANSLATE_NOOP("fg::HistoryLabels", "吸引場所Y")},
    {"g.pSelNode->m_move.absorbPos.z", FG_TRANSLATE_NOOP("fg::HistoryLabels", "吸引場所Z")},
    {"g.pSelNode->m_move.absorbPawer", FG_TRANSLATE_NOOP("fg::HistoryLabels", "吸引力")},
    {"g.pSelNode->m_rotate.axis", FG_TRANSLATE_NOOP("fg::HistoryLabels", "回転軸（自転）")},
    {"g.pSelNode->m_rotate.angle", FG_TRANSLATE_NOOP("fg::HistoryLabels", "回転角度（自転）")},
    {"g.pSelNode->m_rotate.angle_err", FG_TRANSLATE_NOOP("fg::HistoryLabels", "回転角度誤差（自転）")},
    {"g.pSelNode->m_rotate.dir", FG_TRANSLATE_NOOP("fg::HistoryLabels", "回転方向（自転）")},
    {"g.pSelNode->m_rotate.isSameParent", FG_TRANSLATE_NOOP("fg::HistoryLabels", "親に合わせて自転")},
    {"g.pSelNode->m_rotate.revAxis", FG_TRANSLATE_NOOP("fg::HistoryLabels", "回転軸（公転）")},
    {"g.pSelNode->m_rotate.revAngle", FG_TRANSLATE_NOOP("fg::HistoryLabels", "回転角度（公転）")},
    {"g.pSelNode->m_rotate.revAngle_err", FG_TRANSLATE_NOOP("fg::HistoryLabels", "回転角度誤差（公転）")},
    {"g.pSelNode->m_rotate.revDir", FG_TRANSLATE_NOOP("fg::HistoryLabels", "回転方向（公転）")},
    {"g.pSelNode->m_shape.type", FG_TRANSLATE_NOOP("fg::HistoryLabels", "パーティクルの形状")},
    {"g.pSelNode->m_shape.dir", FG_TRANSLATE_NOOP("fg::HistoryLabels", "パーティクルの向き")},
    {"g.pSelNode->m_shape.isDir", FG_TRANSLATE_NOOP("fg::HistoryLabels", "進行方向を向くか")},
    {"g.pSelNode->m_shape.isUnderCut", FG_TRANSLATE_NOOP("fg::HistoryLabels", "地下非表示フラグ")},
    {"g.pSelNode->m_scale.max", FG_TRANSLATE_NOOP("fg::HistoryLabels", "サイズ")},
    {"g.pSelNode->m_scale.max_err", FG_TRANSLATE_NOOP("fg::HistoryLabels", "サイズ誤差")},
    {"g.pSelNode->m_color.isAlphaParent", FG_TRANSLATE_NOOP("fg::HistoryLabels", "親の透明度影響")},
    {"g.pSelNode->m_color.alphaRnd", FG_TRANSLATE_NOOP("fg::HistoryLabels", "透明度誤差")},
    {"g.pSelNode->m_color.brigRnd", FG_TRANSLATE_NOOP("fg::HistoryLabels", "明るさ誤差")},
    {"g.pSelNode->m_texture.ID", FG_TRANSLATE_NOOP("fg::HistoryLabels", "テクスチャ")},
    {"g.pSelNode->m_texture.isAnim", FG_TRANSLATE_NOOP("fg::HistoryLabels", "テクスチャアニメ")},
    {"g.pSelNode->m_texture.w", FG_TRANSLATE_NOOP("fg::HistoryLabels", "テクスチャの横の並び")},
    {"g.pSelNode->m_texture.h", FG_TRANSLATE_NOOP("fg::HistoryLabels", "テクスチャの縦の並び")},
    {"g.pSelNode->m_texture.speed", FG_TRANSLATE_NOOP("fg::HistoryLabels", "テクスチャアニメ速度")},
    {"g.pSelNode->m_texture.isLoop", FG_TRANSLATE_NOOP("fg::HistoryLabels", "テクスチャアニメのループ")},
    {"g.pSelNode->m_timing.type", FG_TRANSLATE_NOOP("fg::HistoryLabels", "パーティクル発生期間")},
    {"g.pSelNode->m_timing.start", FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生開始フレーム")},
    {"g.pSelNode->m_timing.end", FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生終了フレーム")},
    {"g.pSelNode->m_timing.often", FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生頻度")},
    {"g.pSelNode->m_timing.often_err", FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生頻度誤差")},
    {"g.pSelNode->m_timing.num", FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生個数")},
    {"g.pSelNode->m_timing.num_err", FG_TRANSLATE_NOOP("fg::HistoryLabels", "発生個数誤差")},
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
