#pragma once
// Turns one particle of the simulation into the draw of its node's shape:
// world matrix (billboard for flat sprites), cylinder ring scales, texture
// cell, colour, texture, blend mode and under-cut.

#include <optional>

#include "render/DrawAssets.h"
#include "render/ParticleBatch.h"
#include "render/camera/Camera.h"
#include "simulation/Simulation.h"

namespace fg {

// Null when the particle draws nothing: its node is hidden or its shape has
// no mesh. Advances the particle's texture animation as a draw does.
std::optional<ParticleDraw> particleDraw(Simulation& simulation, Particle& particle, const Camera& camera,
                                         const DrawAssets& assets);

}  // namespace fg
