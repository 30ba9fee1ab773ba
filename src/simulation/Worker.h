#pragma once
// The worker thread that runs the preview: it paces frames at the project's
// fps with the millisecond clock and a 5 ms sleep, steps the simulation at
// most once per pass and draws (or exports) on every pass.

#include <atomic>
#include <cstdint>
#include <thread>

#include "model/EditorState.h"
#include "simulation/Simulation.h"

namespace fg {

// Flags the editor sets and the worker polls once per pass.
struct WorkerFlags {
    std::atomic<bool> stop{false};        // end the worker
    std::atomic<bool> idleHold{false};    // neither step nor draw
    std::atomic<bool> stepHold{false};    // do not step; a step in progress stops its walk
    std::atomic<bool> exportMode{false};  // render export frames instead of the preview
};

// What the worker does on every pass besides stepping. Called on the worker
// thread.
class WorkerView {
public:
    virtual ~WorkerView() = default;
    virtual void drawPreview() = 0;
    virtual void runExport() = 0;
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

class SimulationWorker {
public:
    static constexpr int kSleepMilliseconds = 5;

    // `view` may be null: then nothing is drawn and nothing is stepped (there
    // is no preview to run).
    SimulationWorker(Simulation& simulation, WorkerFlags& flags, WorkerView* view,
                     MillisecondClock clock = steadyMilliseconds);
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
    WorkerFlags& m_flags;
    WorkerView* m_view;
    MillisecondClock m_clock;
    FramePacer m_pacer;  // kept across threads: the clock starts once
    std::thread m_thread;
    std::atomic<bool> m_running{false};
};

// The document-change bracket: stops the worker, makes the change, restarts
// the simulation from the editor state and starts the worker again.
template <class Change>
void changeDocument(SimulationWorker& worker, Simulation& simulation, Change&& change) {
    worker.stop();
    change();
    simulation.restart();
    worker.start();
}

// "リメイク": the same effect with the next random seed.
void remakeEffect(EditorState& g, SimulationWorker& worker, Simulation& simulation);

}  // namespace fg
