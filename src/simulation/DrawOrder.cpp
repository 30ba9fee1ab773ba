#include "simulation/DrawOrder.h"

namespace fg {

void sortByCameraDistance(Simulation& simulation, Vec3f eye) {
    ParticleList& list = simulation.particles();
    list.forEach([eye](Particle& p) { p.cameraDistance = length(p.position - eye); });
    list.sortByCameraDistance();
}

}  // namespace fg
