#pragma once
// When and how many particles a node emits from a particle of its parent
// node: during the parent's life, or once at its death.

#include "simulation/Particle.h"

namespace fg {

class Simulation;

// Emits the particles of `childNode` that are due this frame from the living
// particle at `parent`, appending them to the list.
void emitDuringLife(Simulation& simulation, NodeIndex childNode, ParticleIndex parent);

// Emits the at-death particles of `childNode` from the particle at `parent`,
// which has just died: each is updated once at once, loses its parent and
// goes to the end of the list (behind the particles it emitted itself).
void emitAtDeath(Simulation& simulation, NodeIndex childNode, ParticleIndex parent);

}  // namespace fg
