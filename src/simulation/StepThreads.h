#pragma once
// A few threads kept for the whole life of a simulation: each round runs one
// job on every thread (the caller's included) and returns when all of them
// have finished it, so a step pays a wake-up per round, never a thread start.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace fg {

class StepThreads {
public:
    // `count` threads in all: the caller and count − 1 helpers (at least one thread).
    explicit StepThreads(unsigned count);
    ~StepThreads();
    StepThreads(const StepThreads&) = delete;
    StepThreads& operator=(const StepThreads&) = delete;

    unsigned count() const { return m_count; }
    // Runs job(part) for every part in [0, count()): part 0 on the calling
    // thread, the others on the helpers. Whatever the parts wrote is visible
    // to the caller, and to every part of a later round, once it returns.
    void run(const std::function<void(unsigned part)>& job);

private:
    void serve(unsigned part);

    unsigned m_count;
    std::mutex m_mutex;
    std::condition_variable m_start;
    std::condition_variable m_finished;
    const std::function<void(unsigned)>* m_job = nullptr;
    std::uint64_t m_round = 0;
    unsigned m_running = 0;
    bool m_stop = false;
    std::vector<std::thread> m_helpers;
};

}  // namespace fg
