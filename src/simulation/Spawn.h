#pragma once
// Building a new particle: where it appears, where it heads and the random
// draws that fix its life, speed, size, turn and colour spread.

#include "simulation/EffectTable.h"
#include "simulation/Math.h"
#include "simulation/Particle.h"
#include "simulation/Random.h"

namespace fg {

// A particle of `node`, emitted by `parent` (null only for the root
// particle) with the parent's emitCount and emitIndex already set. `facing`
// is the node's m_shape.dir: a preset (other values face front), and with
// the node's own m_shape.dir 6 the particle draws a turn of its own.
Particle spawnParticle(const EffectTable& effect, Random& random, NodeIndex node, const Particle* parent,
                       std::int32_t facing);

}  // namespace fg
