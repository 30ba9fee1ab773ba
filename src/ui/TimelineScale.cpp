#include "ui/TimelineScale.h"

#include <algorithm>
#include <cstdint>

namespace fg {

int TimelineScale::xOf(int frame) const {
    if (frameCount <= 0) return left;
    const std::int64_t f = std::clamp(frame, 0, frameCount);
    const std::int64_t span = right - left;
    // Rounded to the nearest column, so frameAt() finds the frame again.
    return left + static_cast<int>((2 * span * f + frameCount) / (2 * static_cast<std::int64_t>(frameCount)));
}

int TimelineScale::frameAt(int x) const {
    const std::int64_t span = right - left;
    if (frameCount <= 0 || span <= 0) return 0;
    const std::int64_t offset = std::clamp(x, left, right) - left;
    return static_cast<int>((2 * offset * frameCount + span) / (2 * span));
}

double TimelineScale::pixelsPerFrame() const {
    if (frameCount <= 0) return 0.0;
    return static_cast<double>(right - left) / frameCount;
}

int TimelineScale::labelStep(int minPixels) const {
    const double perFrame = pixelsPerFrame();
    int decade = 1;
    // Stops at a step wider than the whole scale: then only frame 0 is numbered.
    while (decade <= 100'000'000) {
        for (const int factor : {1, 2, 5}) {
            const int step = decade * factor;
            if (step * perFrame >= minPixels || step >= frameCount) return std::max(step, 1);
        }
        decade *= 10;
    }
    return decade;
}

int TimelineScale::minorStep(int labelStep, int minPixels) const {
    const double perFrame = pixelsPerFrame();
    for (const int parts : {10, 5, 2}) {
        if (labelStep % parts != 0) continue;
        const int step = labelStep / parts;
        if (step * perFrame >= minPixels) return step;
    }
    return 0;
}

}  // namespace fg
