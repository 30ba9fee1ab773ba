#include "simulation/Worker.h"

#include <cassert>
#include <chrono>

#include "simulation/PreviewTransport.h"

namespace fg {

bool FramePacer::frameDue(std::uint32_t now, std::int32_t fps, std::int32_t quarters) {
    if (!m_started) {
        m_started = true;
        m_last = now;
    }
    // No rate, no frames (and no division by zero below).
    if (fps <= 0 || quarters <= 0) return false;
    // Counted in quarter milliseconds of frame time, so a quarter speed of
    // an odd rate keeps its exact pace.
    const auto rate = static_cast<std::uint32_t>(fps) * static_cast<std::uint32_t>(quarters);
    const std::uint32_t elapsed = (now - m_last) * rate;
    if (elapsed < 4000u) return false;
    const std::uint32_t overshoot = (elapsed - 4000u) / rate;
    m_last = overshoot * rate >= 4000u ? now : now - overshoot;
    return true;
}

SimulationWorker::SimulationWorker(Simulation& simulation, WorkerView* view, MillisecondClock clock,
                                   PreviewTransport* transport)
    : m_simulation(simulation), m_view(view), m_clock(std::move(clock)), m_transport(transport) {}

SimulationWorker::~SimulationWorker() { stop(); }

void SimulationWorker::start() {
    if (m_running.load()) return;
    if (m_thread.joinable()) m_thread.join();  // a thread that ended by itself
    m_stop.store(false);
    m_running.store(true);
    m_thread = std::thread([this] { run(); });
}

void SimulationWorker::stop() {
    m_stop.store(true);
    // The join is the whole wait: once the thread has ended nothing of it is
    // left running, so no settling pause is needed (it would only freeze the
    // window for every edit).
    if (m_thread.joinable()) m_thread.join();
    assert(!m_running.load() && "the worker thread ended without saying so");
}

void SimulationWorker::run() {
    while (!m_stop.load()) {
        pass();
        std::this_thread::sleep_for(std::chrono::milliseconds(kSleepMilliseconds));
    }
    m_running.store(false);
}

void SimulationWorker::pass() {
    if (m_view == nullptr) return;
    if (m_transport != nullptr) {
        m_transport->advance(m_clock(), [this] { return m_stop.load(); });
    } else if (m_pacer.frameDue(m_clock(), m_simulation.project().fps)) {
        m_simulation.step();
        ++m_steps;
    }
    // Drawn on every pass, so camera moves show even at a low fps.
    m_view->drawPreview(m_transport != nullptr ? m_transport->time()
                                               : PreviewTime{m_simulation.frame() - 1, false, m_steps});
}

}  // namespace fg
