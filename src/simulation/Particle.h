#pragma once
// One live particle: the per-instance state of the simulation. The authored
// parameters stay in the node; a particle only names its node.

#include <cstdint>
#include <vector>

#include "model/Vec3.h"
#include "simulation/Math.h"

namespace fg {

// Position of a node in the simulation's effect table.
using NodeIndex = std::uint32_t;
// Position of a particle in the simulation's particle list, or kNoParticle.
using ParticleIndex = std::uint32_t;
inline constexpr ParticleIndex kNoParticle = 0xFFFFFFFFu;

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

}  // namespace fg
