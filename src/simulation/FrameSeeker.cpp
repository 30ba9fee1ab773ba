#include "simulation/FrameSeeker.h"

#include <algorithm>

namespace fg {

FrameSeeker::FrameSeeker(Simulation& simulation, std::uint32_t interval, std::size_t capacity,
                         std::size_t budgetBytes)
    : m_simulation(simulation), m_interval(std::max<std::uint32_t>(interval, 1)),
      m_capacity(std::max<std::size_t>(capacity, 2)), m_budgetBytes(budgetBytes) {
    restarted();
}

void FrameSeeker::restarted() {
    ++m_moves;
    m_kept.clear();
    m_position = 0;
    m_straight = true;
    m_kept.push_back(m_simulation.checkpoint());
}

void FrameSeeker::invalidate() {
    m_kept.clear();
    m_straight = false;
}

void FrameSeeker::runFromStart() {
    if (m_begin) m_begin(m_simulation);
    else m_simulation.restart();
    restarted();
}

bool FrameSeeker::seek(std::uint64_t steps, const Interrupted& interrupted) {
    if (m_length != 0) steps = std::min<std::uint64_t>(steps, m_length);
    // An edit waiting to be taken belongs to every step, not only to those after this one.
    if (m_simulation.takeEdits()) invalidate();
    if (!m_straight || m_kept.empty()) runFromStart();
    // Resume from the nearest kept state unless stepping on from here is
    // no longer than stepping on from it.
    const std::uint64_t nearest = std::min<std::uint64_t>(steps / m_interval, m_kept.size() - 1);
    const std::uint64_t from = nearest * m_interval;
    if (steps < m_position || from > m_position) {
        m_simulation.resume(m_kept[static_cast<std::size_t>(nearest)]);
        m_position = from;
        ++m_moves;
    }
    while (m_position < steps) {
        if (interrupted && interrupted()) return false;
        step();
    }
    return true;
}

void FrameSeeker::step() {
    if (m_length != 0 && m_position >= m_length) {
        // Run once, the effect starts its next pass from the start, as the
        // simulation's own wrap would; in loop mode the simulation wraps
        // itself, carrying its particles into a pass like the last.
        if (!m_simulation.loop()) {
            if (m_straight) m_simulation.resume(m_kept.front());
            else runFromStart();
        }
        m_position = 0;
    }
    const std::uint64_t editsBefore = m_simulation.editsTaken();
    m_simulation.step();
    if (m_afterStep) m_afterStep(m_simulation);
    ++m_position;
    ++m_moves;
    // The step took an edit: from here on the run is a mix of two effects.
    if (m_simulation.editsTaken() != editsBefore) invalidate();
    if (m_straight) keepIfDue();
}

void FrameSeeker::keepIfDue() {
    if (m_position % m_interval != 0) return;
    const std::uint64_t index = m_position / m_interval;
    // Only the next state in line is new; earlier ones are kept already.
    if (index != m_kept.size()) return;
    m_kept.push_back(m_simulation.checkpoint());
    // The start always stays: a jump back never steps further than the target.
    while (m_kept.size() > 1 && (m_kept.size() > m_capacity || keptBytes() > m_budgetBytes)) thin();
}

std::size_t FrameSeeker::keptBytes() const {
    std::size_t bytes = 0;
    for (const Simulation::Checkpoint& kept : m_kept) bytes += kept.particles.slotCount() * sizeof(Particle);
    return bytes;
}

void FrameSeeker::thin() {
    // Keep the states at even multiples: they are the multiples of the
    // doubled interval.
    std::vector<Simulation::Checkpoint> kept;
    kept.reserve(m_kept.size() / 2 + 1);
    for (std::size_t i = 0; i < m_kept.size(); i += 2) kept.push_back(std::move(m_kept[i]));
    m_kept = std::move(kept);
    m_interval *= 2;
}

}  // namespace fg
