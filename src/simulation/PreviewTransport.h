#pragma once
// Moves the preview's simulation through time as the user asks through a
// PlaybackControl: plays at the project's rate times the speed, pauses,
// steps and jumps, and, while paused, shows an edit at the frame on screen
// as a run from the start with it gives. Jumps resume from the states a
// FrameSeeker keeps, so frame F is always the same frame.
//
// The worker's thread uses it while the worker runs; the editor's thread
// only between stop() and start().

#include <cstdint>
#include <functional>
#include <optional>

#include "simulation/FrameSeeker.h"
#include "simulation/PlaybackControl.h"
#include "simulation/Simulation.h"
#include "simulation/Worker.h"

namespace fg {

class PreviewTransport {
public:
    // `simulation` and `control` are not owned and outlive the transport.
    PreviewTransport(Simulation& simulation, PlaybackControl& control);

    // The worker's view, which settles each step as it draws (null: none).
    void setView(WorkerView* view);

    // One pass of the worker at `now` (ms): a jump or steps asked for, or
    // the next frame when one is due while playing, or the frame on screen
    // again when an edit came in while paused. A long jump gives way when
    // `interrupted` says so and goes on at the next pass.
    void advance(std::uint32_t now, const FrameSeeker::Interrupted& interrupted = {});
    // Where the simulation stands now.
    PreviewTime time() const;

    // The simulation was restarted from the document (the worker is
    // stopped): playing, the effect plays from its start; paused, the
    // preview comes back to the frame it showed, with the new effect.
    void restarted();

    FrameSeeker& seeker() { return m_seeker; }

private:
    void begin(Simulation& simulation);
    std::uint32_t passLength() const;

    Simulation& m_simulation;
    PlaybackControl& m_control;
    WorkerView* m_view = nullptr;
    FrameSeeker m_seeker;
    FramePacer m_pacer;
    std::optional<std::uint64_t> m_target;  // a jump not yet finished
    std::uint64_t m_settleKey = 0;
};

}  // namespace fg
