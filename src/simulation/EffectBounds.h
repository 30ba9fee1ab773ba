#pragma once
// Where an effect's particles go over one whole pass: the box that holds
// every drawn particle of every frame, for fitting a view around the effect.

#include <cstdint>
#include <functional>
#include <optional>

#include "model/EditorState.h"
#include "model/Vec3.h"
#include "simulation/Simulation.h"

namespace fg {

struct Bounds3 {
    Vec3f min;
    Vec3f max;

    Vec3f centre() const;
    // Half the diagonal: the radius of the sphere around the box.
    float radius() const;
};

// Which pass is looked at, as the preview plays it.
struct EffectPass {
    // The pass the loop preview repeats (after the warm-up), or the effect
    // running once from its start.
    bool loop = false;
    std::uint32_t particleLimit = Simulation::kDefaultParticleLimit;
};

// Runs a copy of the effect of `g` through frames 0 to the project's frame
// count of `pass`, calling `frame` with the simulation at each of them.
void walkEffectPass(const EditorState& g, const EffectPass& pass, const std::function<void(const Simulation&)>& frame);

// How far a particle's picture reaches from its position: the built-in
// shapes are at most about one unit across at scale 1 (a cylinder is one
// long and one wide), trails reach half their width to each side. Generous
// rather than tight, so that a fit never cuts a particle.
float drawnReach(const Particle& particle);
// Whether the particle draws anything: a shown node, not the root.
bool drawsParticle(const Simulation& simulation, const Particle& particle);

// The box around every drawn particle over the pass, each grown by its
// reach; nothing when no particle draws.
std::optional<Bounds3> effectBounds(const EditorState& g, const EffectPass& pass);

}  // namespace fg
