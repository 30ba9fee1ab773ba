#pragma once
// Building a new particle: where it appears, where it heads and the random
// draws that fix its life, speed, size, turn and colour spread.

#include "simulation/EffectTable.h"
#include "simulation/Math.h"
#include "simulation/Particle.h"
#include "simulation/Random.h"

namespace fg {

// A particle of `node`, emitted by `parent` (null only for the root
// particle) with the parent's emitCount and emitIndex already set. `preset`
// is the orientation for the node's m_shape.dir (facing 6 builds its own).
Particle spawnParticle(const EffectTable& effect, Random& random, NodeIndex node, const Particle* parent,
                       const Mat4& preset);

}  // namespace fg
