#pragma once
// What the view shows besides the effect ("表示" menu): the overlay
// counters, the timeline under the view and the ground grid's lines.

namespace fg {

struct DisplayFlags {
    bool frame = true;       // the current frame number
    bool particles = false;  // the live particle count
    bool fps = false;        // the measured frame rate
    bool timeline = true;    // the timeline under the view
    bool grid = true;        // the ground grid's grey lines
    bool axis = true;        // the ground grid's axis lines

    bool operator==(const DisplayFlags&) const = default;
};

}  // namespace fg
