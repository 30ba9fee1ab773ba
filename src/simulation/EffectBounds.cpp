#include "simulation/EffectBounds.h"

#include <algorithm>
#include <cmath>

#include "simulation/LoopWarmUp.h"

namespace fg {
namespace {

// The farthest point of a built-in shape from its origin at scale 1: the
// cylinder's top rim (radius 0.5, one unit long), with room to spare.
constexpr float kShapeReach = 1.25f;

float largest(Vec3f v) { return std::max({std::fabs(v.x), std::fabs(v.y), std::fabs(v.z)}); }

void grow(std::optional<Bounds3>& bounds, Vec3f at, float reach) {
    const Vec3f low{at.x - reach, at.y - reach, at.z - reach};
    const Vec3f high{at.x + reach, at.y + reach, at.z + reach};
    if (!bounds) {
        bounds = Bounds3{low, high};
        return;
    }
    bounds->min = {std::min(bounds->min.x, low.x), std::min(bounds->min.y, low.y), std::min(bounds->min.z, low.z)};
    bounds->max = {std::max(bounds->max.x, high.x), std::max(bounds->max.y, high.y), std::max(bounds->max.z, high.z)};
}

bool finite(Vec3f v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

}  // namespace

Vec3f Bounds3::centre() const { return (min + max) * 0.5f; }

float Bounds3::radius() const { return length(max - min) * 0.5f; }

void walkEffectPass(const EditorState& g, const EffectPass& pass, const std::function<void(const Simulation&)>& frame) {
    // A clock that never moves: the step rate is of no use here.
    Simulation simulation(g, [] { return std::uint32_t{0}; });
    simulation.setParticleLimit(pass.particleLimit);
    if (pass.loop) warmUpLoop(simulation);
    frame(simulation);
    const std::int32_t frames = std::max(simulation.project().frame, 0);
    for (std::int32_t i = 0; i < frames; ++i) {
        simulation.step();
        frame(simulation);
    }
}

float drawnReach(const Particle& particle) {
    float reach = kShapeReach * largest(particle.scale);
    for (const TrailPoint& point : particle.trail) reach = std::max(reach, std::fabs(point.width));
    return reach;
}

bool drawsParticle(const Simulation& simulation, const Particle& particle) {
    const EffectNode& node = simulation.nodeOf(particle);
    return !node.isRoot && node.params.m_isDraw != 0;
}

std::optional<Bounds3> effectBounds(const EditorState& g, const EffectPass& pass) {
    std::optional<Bounds3> bounds;
    walkEffectPass(g, pass, [&](const Simulation& simulation) {
        simulation.particles().forEach([&](const Particle& particle) {
            if (!drawsParticle(simulation, particle)) return;
            const float reach = drawnReach(particle);
            if (finite(particle.position) && std::isfinite(reach)) grow(bounds, particle.position, reach);
            // A trail's ribbon runs through the points it left behind.
            for (const TrailPoint& point : particle.trail) {
                if (finite(point.position)) grow(bounds, point.position, reach);
            }
        });
    });
    return bounds;
}

}  // namespace fg
