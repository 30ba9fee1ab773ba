#pragma once
// The worker thread that runs the preview: it paces frames at the project's
// fps with the millisecond clock and a 5 ms sleep, steps the simulation at
// most once per pass and draws on every pass.

#include <atomic>
#include <cstdint>
#include <thread>

#include "simulation/Simulation.h"

namespace fg {

// What the worker does on every pass besides stepping. Called on the worker
// thread.
class WorkerView {
public:
    virtual ~WorkerView() = default;
    virtual void drawPreview() = 0;
};

// The frame clock: decides on each pass whether a frame is due.
class FramePacer {
public:
    // True when a frame is due at `now` (ms) for `fps`. Keeps the overshoot
    // for the next frame, or drops it when it amounts to a whole frame or
    // more, so the loop never runs steps back to back to catch up.
    bool frameDue(std::uint32_t now, std::int32_t fps);

private:
    bool m_started = false;  // set on the first pass ever, not per thread
    std::uint32_t m_last = 0;
};

// While the thread runs, the simulation is the worker's: the editor thread
// touches it only between stop() and start(), apart from publishing
// parameters through its channel.
class SimulationWorker {
public:
    static constexpr int kSleepMilliseconds = 5;

    // `view` may be null: then nothing is drawn and nothing is stepped (there
    // is no preview to run).
    SimulationWorker(Simulation& simulation, WorkerView* view, MillisecondClock clock = steadyMilliseconds);
    ~SimulationWorker();
    SimulationWorker(const SimulationWorker&) = delete;
    SimulationWorker& operator=(const SimulationWorker&) = delete;

    // Starts the thread unless it is running.
    void start();
    // Asks the thread to end and waits until it has.
    void stop();
    bool isRunning() const { return m_running.load(); }

private:
    void run();
    void pass();

    Simulation& m_simulation;
    WorkerView* m_view;
    MillisecondClock m_clock;
    FramePacer m_pacer;  // kept across threads: the clock starts once
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_running{false};
};

}  // namespace fg
