#pragma once
// Puts a simulation at any step since its start, exactly as stepping there
// straight from the start would, without stepping from the start each time:
// on the way it keeps the simulation's state every `interval` steps, and a
// jump resumes from the nearest kept state at or before its target. Memory
// stays bounded: past `capacity` kept states, or past `budgetBytes` of kept
// particles, every other one is dropped and the interval doubles.
//
// A state kept is only worth its place while it is what a straight run
// gives. An edit taken by the simulation, or anything else the caller
// reports through invalidate(), ends that: the kept states are dropped, and
// the next jump runs again from the start.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "simulation/Simulation.h"

namespace fg {

class FrameSeeker {
public:
    static constexpr std::uint32_t kDefaultInterval = 16;
    static constexpr std::size_t kDefaultCapacity = 32;
    static constexpr std::size_t kDefaultBudgetBytes = std::size_t{256} << 20;

    using Hook = std::function<void(Simulation&)>;
    // Asked between steps of a long jump: true ends the jump early.
    using Interrupted = std::function<bool()>;

    // `simulation` (not owned) is at its start: just made or restarted.
    explicit FrameSeeker(Simulation& simulation, std::uint32_t interval = kDefaultInterval,
                         std::size_t capacity = kDefaultCapacity, std::size_t budgetBytes = kDefaultBudgetBytes);

    // How a run from the start begins: puts the simulation at step 0.
    // Unset: restart().
    void setBegin(Hook begin) { m_begin = std::move(begin); }
    // Runs after every step the seeker takes, before a state is kept (the
    // preview's depth sort, which later steps depend on).
    void setAfterStep(Hook afterStep) { m_afterStep = std::move(afterStep); }
    // Steps go round in passes of `length`: a step from step `length` goes
    // to step 1 of the next pass, which shows the same frames again (in loop
    // mode the simulation carries its particles on into it). 0, the default:
    // steps count on without end.
    void setPassLength(std::uint32_t length) { m_length = length; }
    std::uint32_t passLength() const { return m_length; }

    // The simulation after `steps` steps since its start (0: the start),
    // taking any published edit first. With a pass length, at most that.
    // Returns false when `interrupted` ended it early (position() says where).
    bool seek(std::uint64_t steps, const Interrupted& interrupted = {});
    // One step on, keeping a state where one is due.
    void step();
    // Steps since the start (within the pass, with a pass length).
    std::uint64_t position() const { return m_position; }
    // Changes whenever the simulation moved: a step, a resume or a run from the start.
    std::uint64_t moves() const { return m_moves; }

    // The simulation was restarted (the effect or the settings changed):
    // the kept states belong to another effect and are dropped; position 0.
    void restarted();
    // The simulation's state is no longer what a straight run from the
    // start gives (it was settled differently, or changed behind the
    // seeker's back): the kept states are dropped, and the next seek, even
    // to where it is, runs from the start again.
    void invalidate();
    // Whether the state is that of a straight run from the start.
    bool matchesStraightRun() const { return m_straight; }

    std::uint32_t interval() const { return m_interval; }
    std::size_t keptStates() const { return m_kept.size(); }
    // The particle records the kept states hold, in bytes.
    std::size_t keptBytes() const;

private:
    void runFromStart();
    void keepIfDue();
    void thin();

    Simulation& m_simulation;
    std::uint32_t m_interval;
    std::size_t m_capacity;
    std::size_t m_budgetBytes;
    std::uint32_t m_length = 0;
    Hook m_begin;
    Hook m_afterStep;
    std::uint64_t m_position = 0;
    std::uint64_t m_moves = 0;
    bool m_straight = true;
    // m_kept[i]: the state after i · m_interval steps.
    std::vector<Simulation::Checkpoint> m_kept;
};

}  // namespace fg
