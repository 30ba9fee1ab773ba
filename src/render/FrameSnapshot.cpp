#include "render/FrameSnapshot.h"

#include "simulation/Simulation.h"

namespace fg {
namespace {

// The selected node's parent in the effect table, or kNoNode.
NodeIndex gizmoParent(const Simulation& simulation, std::int32_t selectedNodeId, EmitterParams* emitter) {
    if (selectedNodeId < 0) return kNoNode;
    const NodeIndex selected = simulation.effect().find(selectedNodeId, 0);
    if (selected == kNoNode) return kNoNode;
    *emitter = simulation.effect()[selected].params.m_emitter;
    return simulation.effect()[selected].parent;
}

}  // namespace

FrameSnapshot takeSnapshot(const Simulation& simulation, std::int32_t selectedNodeId, const ShapeHasMesh& hasMesh) {
    FrameSnapshot snapshot;
    const EffectTable& effect = simulation.effect();
    snapshot.nodes.reserve(effect.size());
    std::vector<bool> drawn;
    drawn.reserve(effect.size());
    for (NodeIndex i = 0; i < effect.size(); ++i) {
        const NodeParams& params = effect[i].params;
        snapshot.nodes.push_back(params);
        drawn.push_back(params.m_isDraw != 0 && hasMesh(params.m_shape.type));
    }
    const NodeIndex anchorNode = gizmoParent(simulation, selectedNodeId, &snapshot.gizmoEmitter);

    const ParticleList& list = simulation.particles();
    const std::uint32_t count = list.slotCount();
    const bool reverse = simulation.project().reverse != 0;
    snapshot.particles.reserve(list.size());
    for (std::uint32_t k = 0; k < count; ++k) {
        const Particle& p = list[reverse ? k : count - 1 - k];
        if (!p.alive) continue;
        const bool draws = drawn[p.node];
        const bool gizmo = p.node == anchorNode;
        if (!draws && !gizmo) continue;
        const NodeParams& params = snapshot.nodes[p.node];
        SnapshotParticle s;
        s.node = p.node;
        s.draws = draws;
        s.gizmo = gizmo;
        if (draws) {
            const Particle* parent = list.parentOf(p);
            s.world = worldInputs(p, params, parent);
            s.colour = p.colour;
            s.textureFrame = p.textureFrame;
            s.trailFirst = static_cast<std::uint32_t>(snapshot.trailPoints.size());
            s.trailCount = static_cast<std::uint32_t>(p.trail.size());
            snapshot.trailPoints.insert(snapshot.trailPoints.end(), p.trail.begin(), p.trail.end());
        }
        if (gizmo) {
            const Mat4 self = draws ? s.world.selfRotation : selfRotationOf(p);
            snapshot.gizmos.push_back({p.position, p.scale, orientationOf(p) * self});
        }
        snapshot.particles.push_back(s);
    }

    snapshot.project = simulation.project();
    snapshot.frame = simulation.frame();
    snapshot.particleCount = static_cast<int>(list.size()) - 1;
    snapshot.stepRate = simulation.stepRate();
    snapshot.particleLimitReached = simulation.particleLimitReached();
    snapshot.particleLimit = simulation.particleLimit();
    return snapshot;
}

}  // namespace fg
