#include "simulation/Simulation.h"

#include <algorithm>
#include <cassert>
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

Simulation::Simulation(const EditorState& g, MillisecondClock clock) : m_clock(std::move(clock)) { restart(g); }

void Simulation::restart(const EditorState& g) {
    m_start.project = g.project;
    m_start.effect.load(g.tree.root(), g.project.frame);
    // The copy holds every edit published so far.
    m_parameters.discard();
    restart();
}

void Simulation::restart() {
    m_project = m_start.project;
    m_effect = m_start.effect;
    assert(!m_effect.empty() && m_effect[EffectTable::kRoot].isRoot);
    m_skippedSpawns = 0;
    m_cycle = 0;
    m_activeCycle = 0;
    m_frameOffset = 0;
    m_cycleRandoms.clear();
    restartEffect();
}

void Simulation::restartEffect() {
    m_frame = 1;
    m_limitReachedThisLoop = false;
    clearParticles();
    // The root particle's draws come before frame 1 reseeds the generator,
    // so they never reach the effect's random sequence.
    m_particles.append(
        spawnParticle(m_effect, m_random, EffectTable::kRoot, nullptr, kDirFront));
}

void Simulation::clearParticles() { m_particles.clear(); }

Simulation::Checkpoint Simulation::checkpoint() const {
    return {m_project, m_effect, m_particles, m_random, m_frame, m_limitReachedThisLoop,
            m_skippedSpawns, m_cycle, m_activeCycle, m_frameOffset, m_cycleRandoms};
}

void Simulation::resume(const Checkpoint& checkpoint) {
    m_project = checkpoint.project;
    m_effect = checkpoint.effect;
    m_particles = checkpoint.particles;
    m_random = checkpoint.random;
    m_frame = checkpoint.frame;
    m_limitReachedThisLoop = checkpoint.limitReachedThisLoop;
    m_skippedSpawns = checkpoint.skippedSpawns;
    m_cycle = checkpoint.cycle;
    m_activeCycle = checkpoint.activeCycle;
    m_frameOffset = checkpoint.frameOffset;
    m_cycleRandoms = checkpoint.cycleRandoms;
}

bool Simulation::firstCycleAlive() const {
    for (ParticleIndex i = 0; i < m_particles.slotCount(); ++i) {
        const Particle& p = m_particles[i];
        // The root particle does not carry over; it is replaced at the wrap.
        if (!p.alive || p.cycle != 0 || p.node == EffectTable::kRoot) continue;
        // One at the end of its life that leaves nothing behind is gone
        // before the next picture.
        const bool leavesNothing = p.age >= p.life && m_effect[p.node].children.empty();
        if (!leavesNothing) return true;
    }
    return false;
}

void Simulation::wrapLoop() {
    // The finished pass keeps its random sequence for its carried particles
    // (its entry may exist already from a switch during the pass: it is
    // updated, never doubled, or a later lookup would find the stale one);
    // sequences of passes with no particle left are dropped.
    putAwayActiveRandom();
    std::erase_if(m_cycleRandoms, [&](const CycleRandom& kept) {
        for (ParticleIndex i = 0; i < m_particles.slotCount(); ++i) {
            if (m_particles[i].alive && m_particles[i].cycle == kept.cycle) return false;
        }
        return true;
    });
    // The effect's own root particle is replaced, not carried: it lives
    // exactly one pass. Its particles lose their parent as when it dies.
    for (ParticleIndex i = 0; i < m_particles.slotCount(); ++i) {
        if (m_particles[i].alive && m_particles[i].node == EffectTable::kRoot) m_particles.remove(i);
    }
    ++m_cycle;
    m_activeCycle = m_cycle;
    m_frameOffset = 0;
    m_frame = 1;
    m_limitReachedThisLoop = false;
    const ParticleIndex root = m_particles.append(
        spawnParticle(m_effect, m_random, EffectTable::kRoot, nullptr, kDirFront));
    m_particles[root].cycle = m_cycle;
}

std::vector<Simulation::CycleRandom>::iterator Simulation::findCycleRandom(std::uint32_t cycle) {
    return std::find_if(m_cycleRandoms.begin(), m_cycleRandoms.end(),
                        [&](const CycleRandom& kept) { return kept.cycle == cycle; });
}

void Simulation::putAwayActiveRandom() {
    // One entry per pass: the sequence put away is found again by its pass.
    if (auto stored = findCycleRandom(m_activeCycle); stored != m_cycleRandoms.end()) stored->random = m_random;
    else m_cycleRandoms.push_back({m_activeCycle, m_random});
}

void Simulation::switchCycle(std::uint32_t cycle) {
    if (cycle == m_activeCycle) return;
    // No particle belongs to a pass that has not begun (the offset below).
    assert(cycle <= m_cycle);
    putAwayActiveRandom();
    if (auto wanted = findCycleRandom(cycle); wanted != m_cycleRandoms.end()) m_random = wanted->random;
    m_activeCycle = cycle;
    const auto length = static_cast<std::uint32_t>(m_project.frame);
    m_frameOffset = (m_cycle - cycle) * length;
}

bool Simulation::takeEdits() {
    if (!m_parameters.takeNewest(m_effect)) return false;
    // Edits change values, never the structure: the start copy takes them
    // as they are, so a restart shows the effect as edited.
    m_start.effect = m_effect;
    ++m_editsTaken;
    return true;
}

bool Simulation::step() {
    takeEdits();

    bool restarted = false;
    if (m_frame > static_cast<std::uint32_t>(m_project.frame)) {
        if (m_loop) wrapLoop();
        else restartEffect();
        restarted = true;
    }
    if (m_frame == 1) m_random.seed(static_cast<std::uint32_t>(m_project.randomSeed));

    // The walk is timed where either way could run, so that the faster is
    // chosen; not the compaction, which is the same either way and comes
    // only every so many steps.
    const std::uint32_t live = m_particles.size();
    const bool timed = m_parallel.worthwhile(live);
    const auto begin = timed ? std::chrono::steady_clock::now() : std::chrono::steady_clock::time_point{};
    bool onThreads = false;
    // The bound is re-read every time: particles emitted during the walk are
    // updated in the frame of their birth.
    for (ParticleIndex i = walkExistingInParallel(&onThreads); i < m_particles.slotCount(); ++i) {
        if (m_particles[i].alive) walkTo(i);
    }
    if (timed) {
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begin;
        m_parallel.stepTook(onThreads, took.count(), live);
    }
    if (m_loop) switchCycle(m_cycle);
    m_particles.compact();

    ++m_frame;
    measureStepRate();
    return restarted;
}

void Simulation::walkTo(ParticleIndex index) {
    if (!m_loop) {
        if (updateParticle(*this, index)) retire(index);
        return;
    }
    // What a particle emits belongs to its own pass.
    const std::uint32_t cycle = m_particles[index].cycle;
    switchCycle(cycle);
    const ParticleIndex before = m_particles.slotCount();
    if (updateParticle(*this, index)) retire(index);
    for (ParticleIndex k = before; k < m_particles.slotCount(); ++k) m_particles[k].cycle = cycle;
}

ParticleIndex Simulation::walkExistingInParallel(bool* onThreads) {
    if (!m_parallel.threadsNext(m_particles.size())) return 0;
    // Loop mode measures a carried particle's frames from its own pass; the
    // step begins in the current pass, as every step leaves it.
    if (m_loop && (m_activeCycle != m_cycle || m_frameOffset != 0)) return 0;
    StepFrames frames;
    frames.frame = frame();
    frames.loop = m_loop;
    frames.cycle = m_cycle;
    frames.length = static_cast<std::uint32_t>(m_project.frame);
    const ParticleIndex existing = m_particles.slotCount();
    m_parallel.move(m_particles, m_effect, frames);
    *onThreads = true;
    // Emission and deaths in list order, as the walk reaches each particle.
    // Without loop mode a particle that neither emits nor dies needs nothing
    // more; in loop mode each one still switches the random sequence to its
    // pass, as the walk does.
    using Outcome = ParallelStep::Outcome;
    for (ParticleIndex i = 0; i < existing; ++i) {
        const Outcome outcome = m_parallel.outcome(i);
        if (outcome == Outcome::Empty || (outcome == Outcome::Quiet && !m_loop)) continue;
        const std::uint32_t cycle = m_particles[i].cycle;
        if (m_loop) switchCycle(cycle);
        const ParticleIndex before = m_particles.slotCount();
        if (outcome == Outcome::Dies) retire(i);
        else if (outcome == Outcome::Emits) m_parallel.emitFrom(*this, i);
        if (m_loop) {
            for (ParticleIndex k = before; k < m_particles.slotCount(); ++k) m_particles[k].cycle = cycle;
        }
    }
    return existing;
}

void Simulation::retire(ParticleIndex index) {
    assert(m_particles[index].alive);
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
