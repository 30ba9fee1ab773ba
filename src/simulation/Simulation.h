#pragma once
// The owner of every live particle: restarts the effect, advances it one
// frame per step and wraps around after the project's last frame.

#include <cstdint>
#include <functional>
#include <vector>

#include "model/EditorState.h"
#include "model/ProjectSettings.h"
#include "simulation/EffectTable.h"
#include "simulation/OrientationPresets.h"
#include "simulation/ParallelStep.h"
#include "simulation/ParameterChannel.h"
#include "simulation/ParticleList.h"
#include "simulation/Random.h"

namespace fg {

// The millisecond clock the step rate is measured with.
using MillisecondClock = std::function<std::uint32_t()>;
std::uint32_t steadyMilliseconds();

class Simulation {
public:
    // Live particles kept at most, the root particle included, unless set
    // otherwise: far beyond any effect built in the editor, yet it keeps a
    // project file with absurd counts from exhausting memory.
    static constexpr std::uint32_t kDefaultParticleLimit = 2'000'000;

    // Takes its copy of the effect and the project settings from `g` and
    // starts. Nothing of `g` is kept: the editor may change or destroy it.
    explicit Simulation(const EditorState& g, MillisecondClock clock = steadyMilliseconds);

    // Takes a new copy of the effect's structure, parameters and curves and
    // of the project settings from `g`, then starts again at frame 1 with
    // only the root particle. Editor thread, while the worker is stopped.
    void restart(const EditorState& g);
    // Starts again from the copy taken last, with every edit taken since
    // (an edit published and not yet taken is taken at the next step).
    void restart();

    // Simulates one frame. Returns true when it restarted the effect first
    // because the last frame had passed.
    bool step();

    // Takes the newest published parameter and curve edits, if any, into the
    // effect and into the copy restart() starts from. step() does this first.
    // Returns whether there were any.
    bool takeEdits();
    // Edits taken so far: a state from before the last one belongs to
    // another effect.
    std::uint64_t editsTaken() const { return m_editsTaken; }

    void clearParticles();

    // Loop mode: at the wrap the particles still alive are carried into the
    // next pass instead of cleared. Every pass starts from the same seed and
    // the carried particles keep the random sequence and the frame count of
    // the pass they were born in, so each pass shows the first pass's
    // particles plus what is left of the passes before it: the picture of
    // the effect repeated forever. Off by default; restart() keeps it.
    void setLoop(bool loop) { m_loop = loop; }
    bool loop() const { return m_loop; }
    // Passes completed since the last restart() in loop mode (0 in the first).
    std::uint32_t cycle() const { return m_cycle; }
    // Whether a particle of the first pass since restart() is still alive
    // (the root particle aside, which the wrap replaces).
    bool firstCycleAlive() const;

    // The frame the next step simulates, counted from 1. While a carried
    // particle is being updated, the frame of the pass it was born in.
    std::uint32_t frame() const { return m_frame + m_frameOffset; }
    // Steps completed in the last whole second.
    int stepRate() const { return m_stepRate; }

    // Threads a step may use (1: one thread always). More than one moves the
    // particles alive when a step begins in parallel, with exactly the
    // results of one thread; steps with fewer live particles than
    // parallelMinimum() stay on one thread. By default up to two threads,
    // each step taking the way that has measured faster on this effect;
    // setThreads() makes every step that may use them do so. Between steps only.
    void setThreads(unsigned count) { m_parallel.setThreads(count); }
    unsigned threads() const { return m_parallel.threads(); }
    void setParallelMinimum(std::uint32_t live) { m_parallel.setMinimum(live); }
    std::uint32_t parallelMinimum() const { return m_parallel.minimum(); }
    // What the steps have measured of either way.
    const ThreadChoice& threadChoice() const { return m_parallel.choice(); }
    // Steps whose particles moved on several threads.
    std::uint64_t parallelSteps() const { return m_parallel.moves(); }

    // The live-particle limit. A spawn that would go beyond it is skipped
    // (no particle, no random draws), so a limited run replays identically.
    // At least 1, for the root particle; takes effect at the next spawn.
    void setParticleLimit(std::uint32_t limit) { m_particleLimit = limit < 1 ? 1 : limit; }
    std::uint32_t particleLimit() const { return m_particleLimit; }
    // Whether the limit has skipped a spawn since the effect last began at
    // frame 1 (a restart or the wrap-around): what the preview shows.
    bool particleLimitReached() const { return m_limitReachedThisLoop; }
    // Spawns skipped since the last restart(), wrap-arounds included.
    std::uint64_t skippedSpawns() const { return m_skippedSpawns; }
    // Used by the emitters: true when one more particle fits; otherwise
    // counts `wanted` skipped spawns and returns false.
    bool admitSpawn(std::uint64_t wanted) {
        if (m_particles.size() < m_particleLimit) return true;
        m_skippedSpawns += wanted;
        m_limitReachedThisLoop = true;
        return false;
    }

    // Everything later steps depend on, to come back to: the particles, the
    // random sequences, the frame and pass counters, and the effect and
    // settings as they are now (taken edits included). Restoring one and
    // stepping gives exactly what stepping on from where it was taken gave;
    // the live-particle limit is a setting and stays as it is, and so does
    // an edit published and not yet taken (the next step takes it).
    struct Checkpoint;
    Checkpoint checkpoint() const;
    void resume(const Checkpoint& checkpoint);

    ParticleList& particles() { return m_particles; }
    const ParticleList& particles() const { return m_particles; }
    EffectTable& effect() { return m_effect; }
    const EffectTable& effect() const { return m_effect; }
    const EffectNode& nodeOf(const Particle& p) const { return m_effect[p.node]; }
    // The project settings as of the last restart().
    const ProjectSettings& project() const { return m_project; }
    const OrientationPresets& presets() const { return m_presets; }
    Random& random() { return m_random; }
    // Where the editor publishes parameter edits for the next step.
    ParameterChannel& parameters() { return m_parameters; }

private:
    void restartEffect();
    void wrapLoop();
    void switchCycle(std::uint32_t cycle);
    struct CycleRandom {
        std::uint32_t cycle;
        Random random;
    };
    std::vector<CycleRandom>::iterator findCycleRandom(std::uint32_t cycle);
    // Stores m_random as the sequence of m_activeCycle.
    void putAwayActiveRandom();
    void retire(ParticleIndex index);
    // Updates the particle at `index` as the walk reaches it.
    void walkTo(ParticleIndex index);
    // Moves the particles alive at the start of the step on several threads
    // and then emits and retires them in list order. Returns where the walk
    // goes on: past them (*onThreads set), or 0 when the step stays on one
    // thread.
    ParticleIndex walkExistingInParallel(bool* onThreads);
    void measureStepRate();

    // What restart() starts from: the copy taken from the editor state.
    struct Start {
        ProjectSettings project;
        EffectTable effect;
    };
    Start m_start;
    MillisecondClock m_clock;
    ProjectSettings m_project;
    EffectTable m_effect;
    ParameterChannel m_parameters;
    OrientationPresets m_presets;
    ParticleList m_particles;
    ParallelStep m_parallel;
    Random m_random;
    std::uint32_t m_frame = 1;
    std::uint64_t m_editsTaken = 0;
    std::uint32_t m_particleLimit = kDefaultParticleLimit;
    bool m_limitReachedThisLoop = false;
    std::uint64_t m_skippedSpawns = 0;

    bool m_loop = false;
    std::uint32_t m_cycle = 0;        // the pass being simulated
    std::uint32_t m_activeCycle = 0;  // whose random sequence m_random holds
    std::uint32_t m_frameOffset = 0;  // frames between the active pass and the current one
    std::vector<CycleRandom> m_cycleRandoms;  // the sequences put away, one per pass

    bool m_rateStarted = false;
    std::uint32_t m_rateStart = 0;
    int m_rateCount = 0;
    int m_stepRate = 0;
};

struct Simulation::Checkpoint {
    ProjectSettings project;
    EffectTable effect;
    ParticleList particles;
    Random random;
    std::uint32_t frame = 1;
    bool limitReachedThisLoop = false;
    std::uint64_t skippedSpawns = 0;
    std::uint32_t cycle = 0;
    std::uint32_t activeCycle = 0;
    std::uint32_t frameOffset = 0;
    std::vector<CycleRandom> cycleRandoms;
};

}  // namespace fg
