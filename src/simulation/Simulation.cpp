#include "simulation/Simulation.h"

#include <chrono>

#include "simulation/Emission.h"
#include "simulation/Motion.h"
#include "simulation/Spawn.h"

namespace fg {

std::uint32_t steadyMilliseconds() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    // Wraps like the system's millisecond counter; only differences are used.
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

Simulation::Simulation(const EditorState& g, MillisecondClock clock) : m_g(g), m_clock(std::move(clock)) {
    restart();
}

void Simulation::restart() {
    m_project = m_g.project;
    m_effect.load(m_g.tree.root(), m_project.frame);
    m_parameters.discard();
    m_skippedSpawns = 0;
    restartEffect();
}

void Simulation::restartEffect() {
    m_frame = 1;
    m_limitReachedThisLoop = false;
    clearParticles();
    // The root particle's draws come before frame 1 reseeds the generator,
    // so they never reach the effect's random sequence.
    m_particles.append(
        spawnParticle(m_effect, m_random, EffectTable::kRoot, nullptr, m_presets.forDir(kDirFront)));
}

void Simulation::clearParticles() { m_particles.clear(); }

bool Simulation::step(const std::atomic<bool>* stepHold) {
    m_parameters.takeNewest(m_effect);

    bool restarted = false;
    if (m_frame > static_cast<std::uint32_t>(m_project.frame)) {
        restartEffect();
        restarted = true;
    }
    if (m_frame == 1) m_random.seed(static_cast<std::uint32_t>(m_project.randomSeed));

    // The bound is re-read every time: particles emitted during the walk are
    // updated in the frame of their birth.
    for (ParticleIndex i = 0; i < m_particles.slotCount(); ++i) {
        if (stepHold != nullptr && stepHold->load(std::memory_order_relaxed)) break;
        if (!m_particles[i].alive) continue;
        if (updateParticle(*this, i)) retire(i);
    }
    m_particles.compact();

    ++m_frame;
    measureStepRate();
    return restarted;
}

void Simulation::retire(ParticleIndex index) {
    const NodeIndex node = m_particles[index].node;
    for (NodeIndex child : m_effect[node].children) emitAtDeath(*this, child, index);
    // Its children see no parent from here on (ParticleList::parentOf).
    m_particles.remove(index);
}

void Simulation::measureStepRate() {
    const std::uint32_t now = m_clock();
    if (!m_rateStarted) {
        m_rateStarted = true;
        m_rateStart = now;
        m_rateCount = 0;
    }
    // The step that closes a second opens the next one, so the rate is the
    // number of steps within one second.
    if (now - m_rateStart >= 1000u) {
        m_stepRate = m_rateCount;
        m_rateStart = now;
        m_rateCount = 1;
    } else {
        ++m_rateCount;
    }
}

}  // namespace fg
