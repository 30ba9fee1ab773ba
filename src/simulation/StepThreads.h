#pragma once
// A few threads kept for the whole life of a simulation: each round runs one
// job on the caller's thread and on every helper that wakes up before the
// caller has finished its own call, so a step pays a wake-up per round, never
// a thread start, and never waits for a helper the system has not scheduled.
// Jobs share their work out themselves (e.g. by taking chunks from a counter).

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
    // Runs job(part) with part 0 on the calling thread and part k on helper
    // k if it starts before job(0) returns; returns when every started call
    // has. Whatever the calls wrote is visible to the caller, and to every
    // call of a later round, once it returns.
    void run(const std::function<void(unsigned part)>& job);

private:
    void serve(unsigned part);

    unsigned m_count;
    std::mutex m_mutex;
    std::condition_variable m_start;
    std::condition_variable m_finished;
    const std::function<void(unsigned)>* m_job = nullptr;
    std::uint64_t m_round = 0;
    unsigned m_running = 0;  // helpers inside the current round's job
    bool m_closed = false;   // the caller has finished: late helpers skip the round
    bool m_stop = false;
    std::vector<std::thread> m_helpers;
};

}  // namespace fg
