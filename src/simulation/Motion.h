#pragma once
// One frame of a particle's life: motion, size, turn, death, emission,
// revolution, trail and colour.

#include "simulation/Particle.h"

namespace fg {

class Simulation;

// Advances the particle at `index` by one frame. Returns true when it must be
// removed (the caller then runs the at-death emission and removes it).
// References into the particle list do not survive the call: it may emit.
bool updateParticle(Simulation& simulation, ParticleIndex index);

}  // namespace fg
