#include "simulation/StepThreads.h"

namespace fg {

StepThreads::StepThreads(unsigned count) : m_count(count < 1 ? 1 : count) {
    m_helpers.reserve(m_count - 1);
    for (unsigned part = 1; part < m_count; ++part) m_helpers.emplace_back([this, part] { serve(part); });
}

StepThreads::~StepThreads() {
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_start.notify_all();
    for (std::thread& helper : m_helpers) helper.join();
}

void StepThreads::run(const std::function<void(unsigned part)>& job) {
    if (m_helpers.empty()) {
        job(0);
        return;
    }
    {
        const std::lock_guard lock(m_mutex);
        m_job = &job;
        m_closed = false;
        ++m_round;
    }
    m_start.notify_all();
    job(0);
    std::unique_lock lock(m_mutex);
    m_closed = true;
    m_finished.wait(lock, [this] { return m_running == 0; });
    m_job = nullptr;
}

void StepThreads::serve(unsigned part) {
    std::uint64_t done = 0;
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_start.wait(lock, [&] { return m_stop || m_round != done; });
        if (m_stop) return;
        done = m_round;
        if (m_closed) continue;
        ++m_running;
        const std::function<void(unsigned)>* job = m_job;
        lock.unlock();
        (*job)(part);
        lock.lock();
        if (--m_running == 0) m_finished.notify_one();
    }
}

}  // namespace fg
