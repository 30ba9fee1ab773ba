#include "simulation/Worker.h"

#include <chrono>

namespace fg {

bool FramePacer::frameDue(std::uint32_t now, std::int32_t fps) {
    if (!m_started) {
        m_started = true;
        m_last = now;
    }
    // No rate, no frames (and no division by zero below).
    if (fps <= 0) return false;
    const auto rate = static_cast<std::uint32_t>(fps);
    const std::uint32_t elapsed = (now - m_last) * rate;
    if (elapsed < 1000u) return false;
    const std::uint32_t overshoot = (elapsed - 1000u) / rate;
    m_last = overshoot * rate >= 1000u ? now : now - overshoot;
    return true;
}

SimulationWorker::SimulationWorker(Simulation& simulation, WorkerFlags& flags, WorkerView* view,
                                   MillisecondClock clock)
    : m_simulation(simulation), m_flags(flags), m_view(view), m_clock(std::move(clock)) {}

SimulationWorker::~SimulationWorker() {
    m_flags.stop.store(true);
    if (m_thread.joinable()) m_thread.join();
}

void SimulationWorker::start() {
    if (m_running.load()) return;
    if (m_thread.joinable()) m_thread.join();  // a thread that ended by itself
    m_flags.stop.store(false);
    m_running.store(true);
    m_thread = std::thread([this] { run(); });
}

void SimulationWorker::stop() {
    m_flags.stop.store(true);
    // The join is the whole wait: once the thread has ended nothing of it is
    // left running, so no settling pause is needed (it would only freeze the
    // window for every edit).
    if (m_thread.joinable()) m_thread.join();
}

void SimulationWorker::run() {
    while (!m_flags.stop.load()) {
        pass();
        std::this_thread::sleep_for(std::chrono::milliseconds(kSleepMilliseconds));
    }
    m_running.store(false);
}

void SimulationWorker::pass() {
    if (m_flags.idleHold.load() || m_view == nullptr) return;
    if (m_pacer.frameDue(m_clock(), m_simulation.project().fps) && !m_flags.stepHold.load()) {
        m_simulation.step(&m_flags.stepHold);
    }
    // Drawn on every pass, so camera moves show even at a low fps.
    if (m_flags.exportMode.load()) {
        m_view->runExport();
    } else {
        m_view->drawPreview();
    }
}

void remakeEffect(EditorState& g, SimulationWorker& worker, Simulation& simulation) {
    changeDocument(worker, simulation, [&g] {
        // Wraps at the int limit instead of overflowing.
        g.project.randomSeed = static_cast<std::int32_t>(static_cast<std::uint32_t>(g.project.randomSeed) + 1u);
    });
}

}  // namespace fg
