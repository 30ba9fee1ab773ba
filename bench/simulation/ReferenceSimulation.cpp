// Part of the frozen reference step (see ReferenceSimulation.h).
#include "ReferenceSimulation.h"

#include <cassert>

#include "simulation/Units.h"

namespace fg::bench_reference {

Simulation::Simulation(const EditorState& g)
    : m_project(g.project),
      m_presets{Mat4::identity(),       rotationX(kPi),          rotationY(-kPi / 2.0f),
                rotationY(kPi / 2.0f), rotationX(kPi / 2.0f), rotationX(-kPi / 2.0f)} {
    m_effect.load(g.tree.root(), g.project.frame);
    restartEffect();
}

const Mat4& Simulation::preset(std::int32_t dir) const {
    if (dir < 0 || dir >= 6) return m_identity;
    return m_presets[dir];
}

void Simulation::restartEffect() {
    m_frame = 1;
    m_particles.clear();
    m_particles.append(spawnParticle(m_effect, m_random, EffectTable::kRoot, nullptr, preset(kDirFront)));
}

void Simulation::step() {
    if (m_frame > static_cast<std::uint32_t>(m_project.frame)) restartEffect();
    if (m_frame == 1) m_random.seed(static_cast<std::uint32_t>(m_project.randomSeed));
    for (ParticleIndex i = 0; i < m_particles.slotCount(); ++i) {
        if (!m_particles[i].alive) continue;
        if (updateParticle(*this, i)) retire(i);
    }
    m_particles.compact();
    ++m_frame;
}

void Simulation::retire(ParticleIndex index) {
    assert(m_particles[index].alive);
    const NodeIndex node = m_particles[index].node;
    for (NodeIndex child : m_effect[node].children) emitAtDeath(*this, child, index);
    m_particles.remove(index);
}

}  // namespace fg::bench_reference
