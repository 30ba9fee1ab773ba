// Part of the frozen reference step (see ReferenceSimulation.h).
#include <cassert>

#include "ReferenceSimulation.h"

namespace fg::bench_reference {
namespace {

// The number of particles one emission makes, stored in the parent.
std::int32_t drawCount(Simulation& simulation, const TimingParams& timing, ParticleIndex parent) {
    const std::int32_t n =
        truncToInt(static_cast<float>(timing.num) * simulation.random().spread(timing.num_err));
    simulation.particles()[parent].emitCount = static_cast<std::uint32_t>(n);
    return n;
}

ParticleIndex spawnChild(Simulation& simulation, NodeIndex childNode, ParticleIndex parent, std::uint32_t i) {
    ParticleList& list = simulation.particles();
    // A node's particles are emitted only by particles of its parent node.
    assert(simulation.effect()[childNode].parent == list[parent].node);
    list[parent].emitIndex = i;
    const Mat4& preset = simulation.preset(simulation.effect()[childNode].params.m_shape.dir);
    Particle child = spawnParticle(simulation.effect(), simulation.random(), childNode, &list[parent], preset);
    child.parent = parent;
    return list.append(std::move(child));
}

// The clock an emission window is measured on; false for kinds that do not
// emit during the parent's life.
bool emissionClock(const Simulation& simulation, std::int32_t type, ParticleIndex parent, std::uint32_t& t) {
    switch (type) {
        case kTimingAbsolute: t = simulation.frame(); return true;
        case kTimingParentFrames: t = simulation.particles()[parent].age; return true;
        default: return false;
    }
}

}  // namespace

void emitDuringLife(Simulation& simulation, NodeIndex childNode, ParticleIndex parent) {
    const TimingParams& timing = simulation.effect()[childNode].params.m_timing;
    if (timing.often == 0) return;
    std::uint32_t t = 0;
    if (!emissionClock(simulation, timing.type, parent, t)) return;
    const auto start = static_cast<std::uint32_t>(timing.start);
    const auto end = static_cast<std::uint32_t>(timing.end);
    if (t < start || t > end) return;

    const std::int32_t interval =
        truncToInt(static_cast<float>(timing.often) * simulation.random().spread(timing.often_err));
    if (interval != 0 && (t - start) % static_cast<std::uint32_t>(interval) != 0) return;

    const std::int32_t n = drawCount(simulation, timing, parent);
    for (std::int32_t i = 0; i < n; ++i) {
        if (!simulation.admitSpawn(static_cast<std::uint64_t>(n - i))) return;
        spawnChild(simulation, childNode, parent, static_cast<std::uint32_t>(i));
    }
}

void emitAtDeath(Simulation& simulation, NodeIndex childNode, ParticleIndex parent) {
    const TimingParams& timing = simulation.effect()[childNode].params.m_timing;
    if (timing.type != kTimingParentDeath) return;
    const std::int32_t n = drawCount(simulation, timing, parent);
    for (std::int32_t i = 0; i < n; ++i) {
        // The list only grows during an emission, so the first spawn that
        // does not fit ends it.
        if (!simulation.admitSpawn(static_cast<std::uint64_t>(n - i))) return;
        const ParticleIndex child = spawnChild(simulation, childNode, parent, static_cast<std::uint32_t>(i));
        updateParticle(simulation, child);  // a death reported here is ignored
        simulation.particles()[child].parent = kNoParticle;
        simulation.particles().moveBehindItsChildren(child);
    }
}

}  // namespace fg::bench_reference
