#pragma once
// The effects the step benchmarks run: nodes that keep a steady number of
// particles alive.

#include <cstdint>

#include "model/EditorState.h"

namespace fg::bench {

inline constexpr std::int32_t kLife = 50;

// Root plus one node that keeps about `live` particles alive: live / life
// new particles every frame, each living `kLife` frames.
inline EditorState steadyEffect(std::int64_t live, bool everyFeature) {
    EditorState g;
    g.tree = EffectTree();
    g.project.frame = 1000000;
    Node& node = g.tree.addChild(g.tree.root());
    node.m_timing.end = 1000000;
    node.m_timing.num = static_cast<std::int32_t>(live / kLife);
    node.m_kill.span = kLife;
    node.m_emitter.size = {1.0f, 1.0f, 1.0f};
    node.m_move.speed = 5;
    if (everyFeature) {
        node.m_emitter.type = kEmitterSphere;
        node.m_move.speed_err = 20;
        node.m_move.gravity = 20;
        node.m_move.absorbPos = {10.0f, 20.0f, 0.0f};
        node.m_move.absorbPawer = 5.0f;
        node.m_move.isFollow = 1;
        node.m_scale.max_err = 30;
        node.m_rotate.axis = kAxisTravelZ;
        node.m_rotate.angle = 180;
        node.m_rotate.dir = kRotateRandom;
        node.m_rotate.revAngle = 90;
        node.m_color.brigRnd = 20;
        node.m_color.alphaRnd = 20;
        node.m_color.isAlphaParent = 1;
        node.m_shape.dir = kDirRandom;
        node.curve(kCurveSpeed).setPoints({{0, 0}, {60, 40}, {100, 70}});
        node.curve(kCurveSpeed).rebuild();
    }
    return g;
}

// The node above with every motion feature on (curves, gravity, attraction,
// following, turns, revolution, random facing, colour spread).
inline EditorState everyFeatureEffect(std::int64_t live) { return steadyEffect(live, true); }

// Root plus one node left at its defaults (flat curves, no motion, a life of
// 60 frames) but for how many it emits each frame: about `live` particles
// alive from the 61st step on.
inline EditorState plainEffect(std::int64_t live) {
    EditorState g;
    g.tree = EffectTree();
    g.project.frame = 1000000;
    Node& node = g.tree.addChild(g.tree.root());
    node.m_timing.end = 999999;
    node.m_timing.num = static_cast<std::int32_t>(live / node.m_kill.span);
    return g;
}

}  // namespace fg::bench
