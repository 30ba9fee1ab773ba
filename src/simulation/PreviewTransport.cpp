#include "simulation/PreviewTransport.h"

#include <algorithm>

#include "simulation/LoopWarmUp.h"

namespace fg {

PreviewTransport::PreviewTransport(Simulation& simulation, PlaybackControl& control)
    : m_simulation(simulation), m_control(control), m_seeker(simulation) {
    m_seeker.setBegin([this](Simulation& s) { begin(s); });
    m_seeker.setPassLength(passLength());
    // The simulation as made is the start of a run once, not of a loop.
    if (m_simulation.loop()) m_seeker.invalidate();
}

void PreviewTransport::setView(WorkerView* view) {
    m_view = view;
    if (view != nullptr) m_seeker.setAfterStep([view](Simulation&) { view->settle(); });
    else m_seeker.setAfterStep({});
}

std::uint32_t PreviewTransport::passLength() const {
    return static_cast<std::uint32_t>(std::max(1, m_simulation.project().frame));
}

void PreviewTransport::begin(Simulation& simulation) {
    simulation.restart();
    // The pass a loop shows is one that repeats, as `export --loop` takes it.
    if (simulation.loop()) warmUpLoop(simulation);
}

void PreviewTransport::restarted() {
    const std::uint64_t shown = m_target.value_or(m_seeker.position());
    m_seeker.setPassLength(passLength());
    // Restarted, the simulation stands at the start of a run once; the pass
    // a loop shows begins after its warm-up.
    if (m_simulation.loop()) m_seeker.invalidate();
    else m_seeker.restarted();
    if (!m_control.playing()) m_target = std::min<std::uint64_t>(shown, passLength());
    else if (m_seeker.matchesStraightRun()) m_target.reset();
    else m_target = 0;
}

void PreviewTransport::advance(std::uint32_t now, const FrameSeeker::Interrupted& interrupted) {
    const PlaybackControl::Request request = m_control.takeRequest();
    if (request.frame) m_target = *request.frame;
    if (request.steps != 0) {
        const auto from = static_cast<std::int64_t>(m_target.value_or(m_seeker.position()));
        const std::int64_t to = std::clamp<std::int64_t>(from + request.steps, 0, passLength());
        m_target = static_cast<std::uint64_t>(to);
    }
    // Sorted by distance, the particles take the eye's order into every
    // later step: a state reached from another eye is not the one a run
    // from the start gives now.
    const std::uint64_t key = (m_view != nullptr && m_simulation.project().sort != 0) ? m_view->settleKey() : 0;
    if (key != m_settleKey) {
        m_settleKey = key;
        m_seeker.invalidate();
    }
    if (m_target) {
        if (m_seeker.seek(*m_target, interrupted)) m_target.reset();
        return;
    }
    if (m_control.playing()) {
        if (m_pacer.frameDue(now, m_simulation.project().fps, quartersOf(m_control.speed()))) m_seeker.step();
        return;
    }
    // Paused: an edit shows at the frame on screen.
    if (m_simulation.parameters().hasNewest()) m_seeker.seek(m_seeker.position(), interrupted);
}

PreviewTime PreviewTransport::time() const {
    return {static_cast<std::uint32_t>(m_seeker.position()), !m_control.playing(), m_seeker.moves()};
}

}  // namespace fg
