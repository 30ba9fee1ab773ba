#pragma once
// Turns one particle of the simulation into the draw of its node's shape:
// world matrix (billboard for flat sprites), cylinder ring scales, texture
// cell, colour, texture, blend mode and under-cut.

#include <optional>

#include "render/DrawAssets.h"
#include "render/FrameSnapshot.h"
#include "render/ParticleBatch.h"
#include "render/camera/Camera.h"
#include "simulation/Simulation.h"

namespace fg {

// Null when the particle draws nothing: its node is hidden or its shape has
// no mesh. Advances the particle's texture animation as a draw does.
std::optional<ParticleDraw> particleDraw(Simulation& simulation, Particle& particle, const Camera& camera,
                                         const DrawAssets& assets);

// The draw of one snapshot particle (null as above).
std::optional<ParticleDraw> particleDraw(const FrameSnapshot& snapshot, const SnapshotParticle& particle,
                                         const Camera& camera, const DrawAssets& assets);

// What drawing a frame from `eye` leaves behind in the simulation, without
// drawing: the list sorted by distance to the eye when the project sorts,
// and the texture animation of every particle a draw reaches advanced to its
// current cell. The view draws after every step, and a draw shows the cell
// the previous draw left; a tool that steps several frames before drawing
// one runs this after each step so its picture is the view's.
void settleAsDrawn(Simulation& simulation, Vec3f eye, const DrawAssets& assets);
// The same where `hasMesh` says which shapes draw (off the render thread).
void settleAsDrawn(Simulation& simulation, Vec3f eye, const ShapeHasMesh& hasMesh);
// Whether `assets` has a mesh for each shape type.
ShapeHasMesh meshesOf(const DrawAssets& assets);

}  // namespace fg
