#pragma once
// Pictures per second, as the view's FPS counter shows them: counts the
// frames shown and, once at least a second has passed, turns the count into
// a rate for the time it took (so a view that drew nothing for a while reads
// low instead of keeping its last busy value).

#include <cstdint>

namespace fg {

class FrameRate {
public:
    // A frame was shown at `nowMs` (any millisecond clock that only grows).
    void frameShown(std::int64_t nowMs);
    // Frames per second over the last whole measuring window; 0 before one ended.
    int perSecond() const { return m_rate; }

private:
    bool m_started = false;
    std::int64_t m_windowStart = 0;
    int m_count = 0;
    int m_rate = 0;
};

}  // namespace fg
