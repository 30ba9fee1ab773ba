#pragma once
// A frozen copy of the simulation step as it was before it was made faster
// (the whole 360-byte record, matrices stored per particle, every curve
// looked up per particle, vector arithmetic out of line), kept beside the
// benchmarks as the reference they are measured against. Not used by the
// program; do not tune it.

#include <cassert>
#include <cstdint>
#include <vector>

#include "ReferenceMath.h"
#include "model/EditorState.h"
#include "simulation/Simulation.h"
#include "simulation/EffectTable.h"
#include "simulation/Random.h"

namespace fg::bench_reference {

using fg::kNoParticle;
using fg::NodeIndex;
using fg::ParticleIndex;



struct Rgba {
    float r = 1.0f;
    float g = 1.0f;
    float b = 1.0f;
    float a = 1.0f;
};

// One point of a trail's history, with the width it was appended with.
struct TrailPoint {
    Vec3f position;
    float width = 0.0f;
};

struct Particle {
    NodeIndex node = 0;               // the node that spawned it
    ParticleIndex parent = kNoParticle;  // the emitting particle; read through ParticleList::parentOf
    std::vector<TrailPoint> trail;    // point history of a trail-shaped particle
    std::uint32_t age = 0;            // frames lived
    Mat4 orientation = Mat4::identity();  // an orientation preset or the particle's own random one
    Vec3f position;
    Vec3f previousPosition;           // position at the start of the last update
    Vec3f scale{1.0f, 1.0f, 1.0f};
    float selfAngle = 0.0f;           // degrees
    Vec3f selfAxis;
    std::int32_t selfSign = -1;
    float revolutionAngle = 0.0f;     // degrees
    Vec3f revolutionAxis;
    std::int32_t revolutionSign = -1;
    Mat4 selfRotation = Mat4::identity();  // read by the particle's children
    Vec3f direction;                  // unit direction of travel
    Rgba colour;
    bool ownsOrientation = false;     // orientation is the particle's own random matrix
    bool alive = true;                // false once removed; the slot is dropped at the next compaction
    float textureFrame = 0.0f;        // texture animation cell
    Vec3f displacement;               // position − previousPosition after the last update
    Vec3f gravityVelocity;            // world units per frame
    Vec3f absorbVelocity;             // world units per frame
    std::uint32_t life = 0;           // frames it may live
    std::uint32_t killFrame = 0;      // absolute frame of removal when the node sets isFrame
    float speedFactor = 1.0f;
    float sizeFactor = 1.0f;
    float selfAngleFactor = 1.0f;
    float revolutionAngleFactor = 1.0f;
    float brightnessFactor = 1.0f;
    float alphaFactor = 1.0f;
    std::uint32_t emitCount = 0;      // scratch while emitting: particles in this emission
    std::uint32_t emitIndex = 0;      // scratch while emitting: the one being built
    float cameraDistance = 0.0f;      // written by the draw order's Z sort
    std::uint32_t cycle = 0;          // loop mode: the pass of the effect its lineage was born in
};

class ParticleList {
public:
    // Slots in use, dead ones included (the bound of an index walk).
    std::uint32_t slotCount() const { return static_cast<std::uint32_t>(m_items.size()); }
    // Live particles.
    std::uint32_t size() const { return m_live; }
    bool empty() const { return m_live == 0; }

    // Debug builds check the index; release builds pay nothing per particle.
    Particle& operator[](ParticleIndex index) {
        assert(index < m_items.size());
        return m_items[index];
    }
    const Particle& operator[](ParticleIndex index) const {
        assert(index < m_items.size());
        return m_items[index];
    }

    // The live parent of a particle, or null (none, or it has died).
    Particle* parentOf(const Particle& particle) {
        assert(particle.parent == kNoParticle || particle.parent < m_items.size());
        return particle.parent == kNoParticle || !m_items[particle.parent].alive ? nullptr
                                                                                : &m_items[particle.parent];
    }
    const Particle* parentOf(const Particle& particle) const {
        return const_cast<ParticleList*>(this)->parentOf(particle);
    }

    // Appends at the end and returns the new index. References into the
    // list do not survive an append.
    ParticleIndex append(Particle particle);
    // Moves the particle at `index` behind everything appended after it and
    // points the particles appended after it, its own children, at its new
    // place. Returns that place.
    ParticleIndex moveBehindItsChildren(ParticleIndex index);
    // Removes a particle: frees what it owns and marks the slot dead.
    void remove(ParticleIndex index);
    void clear();

    // Drops dead slots when they make up a good part of the list (always
    // when `force`), keeping the order and re-pointing parents. Never during
    // a walk.
    void compact(bool force = false);

    // Calls f(particle) for each live particle in list order.
    template <class F>
    void forEach(F&& f) {
        for (Particle& p : m_items)
            if (p.alive) f(p);
    }
    template <class F>
    void forEach(F&& f) const {
        for (const Particle& p : m_items)
            if (p.alive) f(p);
    }

private:
    // Rebuilds the list in the order of `m_order` (old indices, live only).
    void applyOrder();

    std::vector<Particle> m_items;
    std::uint32_t m_live = 0;
    // Scratch kept between calls so that compaction and sorting do not
    // allocate once the list has reached its size.
    std::vector<ParticleIndex> m_order;
    std::vector<ParticleIndex> m_newIndex;
    std::vector<Particle> m_spare;
};


// The step's owner, cut down to what the benchmarks run: no loop mode, no
// edits, no step-rate clock.
class Simulation {
public:
    explicit Simulation(const EditorState& g);
    void step();

    ParticleList& particles() { return m_particles; }
    const ParticleList& particles() const { return m_particles; }
    EffectTable& effect() { return m_effect; }
    const EffectTable& effect() const { return m_effect; }
    const EffectNode& nodeOf(const Particle& p) const { return m_effect[p.node]; }
    std::uint32_t frame() const { return m_frame; }
    Random& random() { return m_random; }
    const Mat4& preset(std::int32_t dir) const;
    bool admitSpawn(std::uint64_t wanted) {
        if (m_particles.size() < m_particleLimit) return true;
        m_skippedSpawns += wanted;
        return false;
    }

private:
    void restartEffect();
    void retire(ParticleIndex index);

    ProjectSettings m_project;
    EffectTable m_effect;
    Mat4 m_presets[6];
    Mat4 m_identity = Mat4::identity();
    ParticleList m_particles;
    Random m_random;
    std::uint32_t m_frame = 1;
    std::uint32_t m_particleLimit = fg::Simulation::kDefaultParticleLimit;
    std::uint64_t m_skippedSpawns = 0;
};

// The curve lookup every particle made for every curve.
inline float curveOf(const EffectNode& node, int index, std::uint32_t age, std::uint32_t life) {
    const CurveSamples& c = node.curves[static_cast<std::size_t>(index)];
    return curve::evaluateSamples(c.samples, c.speed, static_cast<int>(age), static_cast<int>(life));
}

bool updateParticle(Simulation& simulation, ParticleIndex index);
void emitDuringLife(Simulation& simulation, NodeIndex childNode, ParticleIndex parent);
void emitAtDeath(Simulation& simulation, NodeIndex childNode, ParticleIndex parent);
Particle spawnParticle(const EffectTable& effect, Random& random, NodeIndex node, const Particle* parent,
                       const Mat4& preset);

}  // namespace fg::bench_reference
