#pragma once
// One frame of a particle's life: motion, size, turn, death, emission,
// revolution, trail and colour.

#include <cstdint>

#include "simulation/EffectTable.h"
#include "simulation/Particle.h"

namespace fg {

class Simulation;

// Advances the particle at `index` by one frame. Returns true when it must be
// removed (the caller then runs the at-death emission and removes it).
// References into the particle list do not survive the call: it may emit.
bool updateParticle(Simulation& simulation, ParticleIndex index);

// The three phases of updateParticle, for a walk that runs them apart. Each
// reads the parent as the caller passes it: null for none (or dead), else
// the state the one-thread walk would show at that point.

// Moves, resizes and turns the particle; true when it dies this frame (then
// neither of the later phases runs for it). `frame` is the frame its death
// by frame number is measured against.
bool moveParticle(Particle& p, const EffectNode& node, const Particle* parent, std::uint32_t frame);
// Emits the particles due this frame from the living particle at `index`,
// which must be as moveParticle left it. References into the particle list
// do not survive the call.
void emitFromParticle(Simulation& simulation, ParticleIndex index);
// Ages the particle by one frame, revolves it, extends its trail, colours it
// and records its displacement over the frame.
void finishParticle(Particle& p, const EffectNode& node, const Particle* parent);

}  // namespace fg
