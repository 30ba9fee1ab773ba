#pragma once
// Puts a simulation at any step since its start, exactly as stepping there
// straight from restart() would, without stepping from the start each time:
// on the way it keeps the simulation's state every `interval` steps, and a
// jump resumes from the nearest kept state at or before its target. Memory
// stays bounded: past `capacity` kept states, or past `budgetBytes` of kept
// particles, every other one is dropped and the interval doubles.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "simulation/Simulation.h"

namespace fg {

class FrameSeeker {
public:
    static constexpr std::uint32_t kDefaultInterval = 16;
    static constexpr std::size_t kDefaultCapacity = 32;
    static constexpr std::size_t kDefaultBudgetBytes = std::size_t{256} << 20;

    // `simulation` (not owned) is at its start: just made or restarted.
    explicit FrameSeeker(Simulation& simulation, std::uint32_t interval = kDefaultInterval,
                         std::size_t capacity = kDefaultCapacity, std::size_t budgetBytes = kDefaultBudgetBytes);

    // The simulation after `steps` steps since its start (0: the start).
    void seek(std::uint64_t steps);
    // One step on, keeping a state where one is due.
    void step();
    // Steps since the start.
    std::uint64_t position() const { return m_position; }

    // The simulation was restarted (the effect or the settings changed):
    // the kept states belong to another effect and are dropped; position 0.
    void restarted();

    std::uint32_t interval() const { return m_interval; }
    std::size_t keptStates() const { return m_kept.size(); }
    // The particle records the kept states hold, in bytes.
    std::size_t keptBytes() const;

private:
    void keepIfDue();
    void thin();

    Simulation& m_simulation;
    std::uint32_t m_interval;
    std::size_t m_capacity;
    std::size_t m_budgetBytes;
    std::uint64_t m_position = 0;
    // m_kept[i]: the state after i · m_interval steps.
    std::vector<Simulation::Checkpoint> m_kept;
};

}  // namespace fg
