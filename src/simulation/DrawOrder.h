#pragma once
// The order in which the renderer draws a simulation's particles: an
// optional sort by distance to the camera that persists in the list, then
// two passes (0 with depth writes, 1 without) over the whole list, walked
// newest first unless the project reverses the order.

#include <cstdint>

#include "model/Vec3.h"
#include "simulation/Simulation.h"

namespace fg {

inline constexpr int kDrawPassCount = 2;

// Sets every particle's cameraDistance and sorts the list by it (stable).
void sortByCameraDistance(Simulation& simulation, Vec3f eye);

// Calls draw(particle, pass) for each live particle of one pass, in draw
// order: last to first, or first to last when `reverse` is set.
template <class Draw>
void walkDrawPass(Simulation& simulation, int pass, bool reverse, Draw&& draw) {
    ParticleList& list = simulation.particles();
    const std::uint32_t count = list.slotCount();
    for (std::uint32_t k = 0; k < count; ++k) {
        Particle& p = list[reverse ? k : count - 1 - k];
        if (p.alive) draw(p, pass);
    }
}

// One preview or export particle pass: sorts when the project asks for it,
// then both draw passes.
template <class Draw>
void forEachInDrawOrder(Simulation& simulation, Vec3f eye, Draw&& draw) {
    const ProjectSettings& project = simulation.project();
    if (project.sort != 0) sortByCameraDistance(simulation, eye);
    for (int pass = 0; pass < kDrawPassCount; ++pass) walkDrawPass(simulation, pass, project.reverse != 0, draw);
}

}  // namespace fg
