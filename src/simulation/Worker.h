#pragma once
// The worker thread that runs the preview: it paces frames at the project's
// fps (times the playback speed) with the millisecond clock and a 5 ms
// sleep, steps the simulation at most once per pass while playing, carries
// out the jumps and steps asked through its PlaybackControl, and draws on
// every pass.

#include <atomic>
#include <cstdint>
#include <thread>

#include "simulation/Simulation.h"

namespace fg {

// Where the preview stands in time, for the picture.
struct PreviewTime {
    std::uint32_t frame = 0;  // steps since the pass began: the timeline's frame
    bool paused = false;
    std::uint64_t moves = 0;  // changes whenever the simulation moved (a step or a jump)

    bool operator==(const PreviewTime&) const = default;
};

// What the worker does on every pass besides stepping. Called on the worker
// thread.
class WorkerView {
public:
    virtual ~WorkerView() = default;
    virtual void drawPreview(const PreviewTime& time) = 0;
    // Leaves the simulation as drawing it would (the depth sort, which later
    // steps depend on): after every step of a jump, which draws nothing.
    virtual void settle() {}
    // Changes whenever settling would order the particles differently (the
    // eye moved). A state reached with another order is not the one a run
    // from the start gives now.
    virtual std::uint64_t settleKey() const { return 0; }
};

// The frame clock: decides on each pass whether a frame is due.
class FramePacer {
public:
    // True when a frame is due at `now` (ms) for `fps`. Keeps the overshoot
    // for the next frame, or drops it when it amounts to a whole frame or
    // more, so the loop never runs steps back to back to catch up.
    // `quarters`: the playback speed in quarters of the rate (4: as set).
    bool frameDue(std::uint32_t now, std::int32_t fps, std::int32_t quarters = 4);

private:
    bool m_started = false;  // set on the first pass ever, not per thread
    std::uint32_t m_last = 0;
};

// While the thread runs, the simulation is the worker's: the editor thread
// touches it only between stop() and start(), apart from publishing
// parameters through its channel.
class PreviewTransport;

class SimulationWorker {
public:
    static constexpr int kSleepMilliseconds = 5;

    // `view` may be null: then nothing is drawn and nothing is stepped (there
    // is no preview to run). Without a transport the preview plays on at the
    // project's rate; with one (not owned, used only on the worker's thread
    // while it runs) it plays, pauses and jumps as its control asks.
    SimulationWorker(Simulation& simulation, WorkerView* view, MillisecondClock clock = steadyMilliseconds,
                     PreviewTransport* transport = nullptr);
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
    PreviewTransport* m_transport;
    FramePacer m_pacer;  // kept across threads: the clock starts once
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_running{false};
    std::uint64_t m_steps = 0;  // without a transport: steps taken, for PreviewTime::moves
};

}  // namespace fg
