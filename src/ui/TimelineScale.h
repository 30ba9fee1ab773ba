#pragma once
// Where each frame sits on the timeline and how densely it is numbered:
// frames 0..frameCount spread evenly over the pixels left..right, frame 0 at
// `left` and the last frame at `right`.

namespace fg {

struct TimelineScale {
    int left = 0;
    int right = 0;
    int frameCount = 0;

    // The pixel column of `frame` (clamped to 0..frameCount).
    int xOf(int frame) const;
    // The frame nearest to column `x` (clamped to the scale).
    int frameAt(int x) const;
    double pixelsPerFrame() const;
    // The spacing in frames of the numbered ticks: the first of 1, 2, 5, 10,
    // 20, 50, … whose ticks are at least `minPixels` apart.
    int labelStep(int minPixels) const;
    // The spacing of the unnumbered ticks between numbered ones `labelStep`
    // apart: a tenth, fifth or half of it, at least `minPixels` apart; 0 for
    // none.
    int minorStep(int labelStep, int minPixels) const;
};

}  // namespace fg
