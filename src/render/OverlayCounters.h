#pragma once
// What the overlay counters show and their values; free of GL so the
// editor's widgets can fill them in.

namespace fg {

struct CounterOptions {
    bool showFrame = true;      // "現在のフレーム(&F)"
    bool showParticles = true;  // "現在のパーティクル数(&P)"
    bool showFps = true;        // "現在のFPS(&S)"
};

struct CounterValues {
    int completedFrame = 0;  // the simulation's frame counter - 1
    int effectFrames = 0;    // the project's frame count
    int particles = 0;       // live particles without the root particle
    int fps = 0;             // pictures drawn in the last second
    // The live-particle limit skipped spawns: the particle line is shown,
    // whatever the options say, in a warning colour and marked "LIMIT".
    bool particleLimitReached = false;
    // The preview stands still: the frame line is shown, whatever the
    // options say, followed by a pause mark.
    bool paused = false;
};

}  // namespace fg
