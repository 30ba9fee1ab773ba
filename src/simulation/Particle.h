#pragma once
// One live particle: the per-instance state of the simulation. The authored
// parameters stay in the node; a particle only names its node.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
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

// A trail's point history, oldest first. Only trail-shaped particles have
// points, so the record holds one pointer and the points live apart.
// Copies copy the points. begin() and end() are pointers, so it is a
// contiguous range: std::span views it directly.
class TrailHistory {
public:
    TrailHistory() = default;
    TrailHistory(const TrailHistory& other) { *this = other; }
    TrailHistory& operator=(const TrailHistory& other) {
        if (this == &other) return *this;
        if (other.empty()) m_points.reset();
        else if (m_points) *m_points = *other.m_points;
        else m_points = std::make_unique<std::vector<TrailPoint>>(*other.m_points);
        return *this;
    }
    TrailHistory(TrailHistory&&) noexcept = default;
    TrailHistory& operator=(TrailHistory&&) noexcept = default;
    ~TrailHistory() = default;

    std::size_t size() const { return m_points ? m_points->size() : 0; }
    bool empty() const { return size() == 0; }
    const TrailPoint* begin() const { return m_points ? m_points->data() : nullptr; }
    const TrailPoint* end() const { return begin() + size(); }
    const TrailPoint& back() const { return m_points->back(); }  // not on an empty history
    const TrailPoint& operator[](std::size_t i) const { return (*m_points)[i]; }

    void push_back(TrailPoint point) {
        if (!m_points) m_points = std::make_unique<std::vector<TrailPoint>>();
        m_points->push_back(point);
    }
    // Drops the `count` oldest points (all when there are fewer).
    void dropOldest(std::size_t count) {
        if (!m_points) return;
        const std::size_t n = count < m_points->size() ? count : m_points->size();
        m_points->erase(m_points->begin(), m_points->begin() + static_cast<std::ptrdiff_t>(n));
    }
    // Forgets every point and frees their storage.
    void release() { m_points.reset(); }

private:
    std::unique_ptr<std::vector<TrailPoint>> m_points;
};

// The facing a particle takes its orientation from: a preset 0–5, or its
// own random turn (kOwnTurn).
inline constexpr std::uint8_t kOwnTurn = 0xFF;

// A particle's own random turn, kept as the numbers drawn at spawn: the axis
// in hundredths and the angle in whole degrees. The matrix is rebuilt from
// them where it is read (orientationOf), by the same expression as at spawn.
struct OwnTurn {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t z = 0;
    std::int16_t degrees = 0;
};

// The record is kept small: a step walks every live particle, so its size is
// the step's memory traffic. Matrices are not stored: the orientation and the
// self rotation follow from the fields below (orientationOf, selfRotationOf
// in ParticleTransforms.h).
struct Particle {
    Vec3f position;
    Vec3f previousPosition;           // position at the start of the last update
    Vec3f displacement;               // position − previousPosition after the last update
    Vec3f direction;                  // unit direction of travel
    Vec3f gravityVelocity;            // world units per frame
    Vec3f absorbVelocity;             // world units per frame
    Vec3f scale{1.0f, 1.0f, 1.0f};
    Vec3f selfAxis;
    Vec3f revolutionAxis;
    float selfAngle = 0.0f;           // degrees
    float revolutionAngle = 0.0f;     // degrees
    Rgba colour;
    std::uint32_t age = 0;            // frames lived
    std::uint32_t life = 0;           // frames it may live
    std::uint32_t killFrame = 0;      // absolute frame of removal when the node sets isFrame
    NodeIndex node = 0;               // the node that spawned it
    ParticleIndex parent = kNoParticle;  // the emitting particle; read through ParticleList::parentOf
    float speedFactor = 1.0f;
    float sizeFactor = 1.0f;
    float selfAngleFactor = 1.0f;
    float revolutionAngleFactor = 1.0f;
    float brightnessFactor = 1.0f;
    float alphaFactor = 1.0f;
    std::int8_t selfSign = -1;        // −1 or +1
    std::int8_t revolutionSign = -1;  // −1 or +1
    bool alive = true;                // false once removed; the slot is dropped at the next compaction
    std::uint8_t facing = 0;          // the orientation preset, or kOwnTurn
    OwnTurn ownTurn;                  // the random orientation when facing is kOwnTurn
    float textureFrame = 0.0f;        // texture animation cell
    float cameraDistance = 0.0f;      // written by the draw order's Z sort
    std::uint32_t cycle = 0;          // loop mode: the pass of the effect its lineage was born in
    std::uint32_t emitCount = 0;      // scratch while emitting: particles in this emission
    std::uint32_t emitIndex = 0;      // scratch while emitting: the one being built
    TrailHistory trail;               // point history of a trail-shaped particle

    bool ownsOrientation() const { return facing == kOwnTurn; }
};

}  // namespace fg
