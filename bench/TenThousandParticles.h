#pragma once
// The scene the preview benchmarks share: a 300-frame effect that keeps
// about 10 000 particles alive (200 born a frame, each living 50 frames).

#include "model/EditorState.h"

namespace fg::bench {

inline constexpr std::int32_t kSceneFrames = 300;
inline constexpr std::int32_t kSceneLife = 50;
inline constexpr std::int32_t kSceneLive = 10000;

inline EditorState tenThousandParticles() {
    EditorState g;
    g.tree = EffectTree();
    g.project.frame = kSceneFrames;
    Node& node = g.tree.addChild(g.tree.root());
    node.m_timing.end = kSceneFrames;
    node.m_timing.num = kSceneLive / kSceneLife;
    node.m_kill.span = kSceneLife;
    node.m_emitter.size = {1.0f, 1.0f, 1.0f};
    node.m_move.speed = 5;
    node.m_move.speed_err = 20;
    return g;
}

}  // namespace fg::bench
