#pragma once
// The update of the particles alive when a step begins, spread over several
// threads with exactly the results of the one-thread walk in list order.
//
// In that walk a particle reads its parent's state: this frame's when the
// parent comes earlier in the list (already updated, or gone if it died this
// frame), last frame's when it comes later. Emission, deaths and everything
// appended during the frame stay serial in list order (random draws, the
// live count, appends), and read a particle as its motion left it, before
// the rest of its update. So the threads run the motion and the rest of the
// update one effect-tree depth at a time (a particle's parent is always one
// depth up), with copies of last frame's state for parents that come later
// in the list than one of their children; the caller then runs emission and
// deaths in list order, and the walk over the appended particles as usual.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "simulation/EffectTable.h"
#include "simulation/ParticleList.h"
#include "simulation/ThreadChoice.h"

namespace fg {

class Simulation;
class StepThreads;

// The frame a particle's death by frame number is measured against.
struct StepFrames {
    std::uint32_t frame = 1;   // the frame being simulated (of the current pass)
    bool loop = false;
    std::uint32_t cycle = 0;   // loop mode: the current pass
    std::uint32_t length = 0;  // loop mode: frames per pass
    // A carried particle counts the frames of the pass it was born in.
    std::uint32_t of(std::uint32_t particleCycle) const {
        return loop ? frame + (cycle - particleCycle) * length : frame;
    }
};

class ParallelStep {
public:
    // Two threads where the machine has two hardware threads or more.
    static unsigned defaultThreads();
    // Live particles below which a step stays on one thread: the rounds'
    // wake-ups would cost more than they save.
    static constexpr std::uint32_t kDefaultMinimum = 4096;

    ParallelStep();
    ~ParallelStep();
    ParallelStep(const ParallelStep&) = delete;
    ParallelStep& operator=(const ParallelStep&) = delete;

    // Threads used (1: the one-thread walk only), from now on by every step
    // that may use them; by default a step takes whichever way has measured
    // faster (ThreadChoice). The helpers start at the first step that uses them.
    void setThreads(unsigned count);
    unsigned threads() const { return m_threads; }
    void setMinimum(std::uint32_t live) { m_minimum = live; }
    std::uint32_t minimum() const { return m_minimum; }
    // Whether a step with `live` particles may run on the threads.
    bool worthwhile(std::uint32_t live) const { return m_threads > 1 && live >= m_minimum; }
    // Whether the next step with `live` particles should.
    bool threadsNext(std::uint32_t live) const {
        return worthwhile(live) && (m_fixed || m_choice.threadsNext());
    }
    // A step that may have run on the threads took `seconds`.
    void stepTook(bool onThreads, double seconds, std::uint32_t live) {
        if (!m_fixed && live > 0) m_choice.measured(onThreads, seconds / live);
    }
    const ThreadChoice& choice() const { return m_choice; }
    // Calls of move() so far.
    std::uint64_t moves() const { return m_moves; }

    // Moves, checks for death and (for the survivors) finishes the update of
    // every live particle in the list, as the one-thread walk would have,
    // except for emission and the removal of the dying.
    void move(ParticleList& list, const EffectTable& effect, const StepFrames& frames);
    // What the walk in list order still has to do for a slot after move().
    enum class Outcome : std::uint8_t {
        Empty,  // a dead slot
        Quiet,  // updated; emits nothing
        Emits,  // updated; its children's nodes may emit (emitFrom)
        Dies,   // moved, and dies this frame: retire it
    };
    Outcome outcome(ParticleIndex index) const { return m_outcome[index]; }
    // After move(), in list order: what the surviving particle at `index`
    // emits this frame, from its state between motion and the rest of the
    // update (put back for the emission, then restored).
    void emitFrom(Simulation& simulation, ParticleIndex index);

private:
    // What emission reads of a particle that the rest of its update changes.
    struct MovedState {
        Vec3f position;
        Vec3f displacement;
        std::uint32_t age = 0;
    };
    // A range of the list, by depth: the unit of work threads take in turn,
    // so a thread the system leaves waiting holds nothing up.
    struct Chunk {
        std::vector<std::vector<ParticleIndex>> byDepth;
        // Last frame's copies of this chunk's parents read by an earlier
        // child, by depth (a round only appends to its own depth's copies
        // while the next depth's round reads them).
        std::vector<std::vector<Particle>> copies;
        bool copiesWanted = false;  // one of its particles has its parent later in the list
    };

    // Runs job(chunk) for every chunk, on the threads or (small work) here.
    void runRound(std::uint32_t work, const std::function<void(std::size_t)>& job);
    ParticleIndex chunkBegin(std::size_t chunk) const;
    std::size_t chunkOf(ParticleIndex index) const;
    void sortByDepth(const ParticleList& list, std::size_t chunk);
    void update(ParticleList& list, const EffectTable& effect, const StepFrames& frames, std::size_t chunk,
                std::size_t depth, ParticleIndex index);
    const Particle* parentFor(const ParticleList& list, ParticleIndex index, const Particle& p) const;

    unsigned m_threads;
    bool m_fixed = false;  // set by setThreads: no choosing
    ThreadChoice m_choice;
    std::uint32_t m_minimum = kDefaultMinimum;
    std::unique_ptr<StepThreads> m_pool;

    // Scratch of one move(), kept so that steps do not allocate.
    ParticleIndex m_count = 0;
    std::vector<std::uint32_t> m_nodeDepth;
    std::vector<Chunk> m_chunks;
    std::vector<Outcome> m_outcome;
    std::vector<MovedState> m_moved;
    std::vector<std::uint32_t> m_copyMark;  // == m_mark: a later child needs last frame's copy
    std::vector<std::uint32_t> m_copySlot;  // where the copy is in its chunk's copies
    std::uint32_t m_mark = 0;
    bool m_anyCopies = false;  // some parent is read as it was before this step
    std::uint64_t m_moves = 0;
};

}  // namespace fg
