#pragma once
// Brings a loop-mode simulation to the pass that repeats: whole passes are
// run, carrying the particles across each wrap, until no particle of the
// first pass is left (from then on every pass is the same picture).

#include "simulation/Simulation.h"

namespace fg {

// Passes run at most before giving up on particles that never die.
inline constexpr int kMaxLoopWarmUpCycles = 16;

// From a restart(): runs at least one whole pass, then passes until the
// first pass's particles are gone (or kMaxLoopWarmUpCycles), then
// `extraCycles` more. Afterwards the next step() wraps into the pass to show.
// Turns loop mode on.
void warmUpLoop(Simulation& simulation, int extraCycles = 0);

}  // namespace fg
