#pragma once
// What the view's overlay counters show ("表示" menu).

namespace fg {

struct DisplayFlags {
    bool frame = true;       // the current frame number
    bool particles = false;  // the live particle count
    bool fps = false;        // the measured frame rate

    bool operator==(const DisplayFlags&) const = default;
};

}  // namespace fg
