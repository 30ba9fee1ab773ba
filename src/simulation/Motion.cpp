#include "simulation/Motion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "simulation/Emission.h"
#include "simulation/ParticleTransforms.h"
#include "simulation/Simulation.h"
#include "simulation/Units.h"

namespace fg {
namespace {

constexpr Vec3f kBackward{0.0f, 0.0f, -1.0f};

void applyGravity(Particle& p, const MoveParams& move) {
    p.position = p.position + p.gravityVelocity;
    p.gravityVelocity.y += static_cast<float>(move.gravity) * -0.0001f;
}

// Whether the angle of this cosine, as a float, is above a right angle.
// Only cosines near 0 need the arc cosine itself: from 0 down the angle is
// π/2 or more, which as a float (1.57079637) is above π/2, and from 1e-6 up
// it is clearly below (checked for every float cosine in −1..1).
bool pastRightAngle(double cosine) {
    if (cosine <= 0.0) return true;
    if (cosine >= 1e-6) return false;
    return static_cast<double>(static_cast<float>(std::acos(cosine))) > std::numbers::pi / 2.0;
}

// The pull towards the attraction point, doubled while the particle is not
// heading towards it.
void applyAttraction(Particle& p, const MoveParams& move) {
    p.position = p.position + p.absorbVelocity;
    // Without strength the pull is zero and both additions leave the
    // velocity as it is.
    if (move.absorbPawer == 0.0f) return;
    const Vec3f target = move.absorbPos * 0.1f;
    const Vec3f toTarget = normalize(target - p.position);
    const Vec3f pull = toTarget * (move.absorbPawer * 0.0001f);
    p.absorbVelocity = p.absorbVelocity + pull;
    const double cosine = std::clamp(static_cast<double>(dot(normalize(p.displacement), toTarget)), -1.0, 1.0);
    if (pastRightAngle(cosine)) p.absorbVelocity = p.absorbVelocity + pull;
}

void applySpeed(Particle& p, const EffectNode& node) {
    const std::int32_t speed = node.params.m_move.speed;
    if (speed == 0) return;  // a zero step moves nothing
    const float v = node.curve(kCurveSpeed, p.age, p.life) * static_cast<float>(speed) * p.speedFactor / 50.0f;
    p.position = p.position + normalize(p.direction) * v;
}

void applySize(Particle& p, const EffectNode& node) {
    const float size = static_cast<float>(node.params.m_scale.max) / 10.0f;
    const float overall = node.curve(kCurveSize, p.age, p.life);
    p.scale.x = node.curve(kCurveWidth, p.age, p.life) * size * overall * p.sizeFactor;
    p.scale.y = node.curve(kCurveHeight, p.age, p.life) * size * overall * p.sizeFactor;
    p.scale.z = node.curve(kCurveDepth, p.age, p.life) * size * overall * p.sizeFactor;
}

// (0, 0, −1) turned by a particle's orientation and self-rotation: where it faces.
Vec3f facingOf(const Particle& p) { return transformCoord(kBackward, orientationOf(p) * selfRotationOf(p)); }

void updateSelfAxis(Particle& p, const RotateParams& rotate, const Particle* parent) {
    const Vec3f d = p.displacement;  // left by the previous update
    switch (rotate.axis) {
        case kAxisTravelX:
            p.selfAxis = {-d.z, 0.0f, d.x};
            if (length(p.selfAxis) < 0.01f) p.selfAxis = {1.0f, 0.0f, 0.0f};
            break;
        case kAxisTravelY:
            p.selfAxis = {0.0f, d.z, -d.y};
            if (length(p.selfAxis) < 0.01f) p.selfAxis = {0.0f, 1.0f, 0.0f};
            break;
        case kAxisTravelZ:
            p.selfAxis = p.position - p.previousPosition;
            break;
        case kAxisParentOrientation:
            p.selfAxis = parent != nullptr ? facingOf(*parent) : kBackward;
            break;
        case kAxisParentTravel:
            if (parent != nullptr) p.selfAxis = parent->displacement;
            break;
        default:
            break;  // the fixed axes set at spawn
    }
    p.selfAxis = normalize(p.selfAxis);
}

void updateSelfRotation(Particle& p, const EffectNode& node, const Particle* parent) {
    const RotateParams& rotate = node.params.m_rotate;
    updateSelfAxis(p, rotate, parent);
    // With no angle the curve's value does not matter: 0 × anything is 0.
    const float angle = rotate.angle == 0 ? 0.0f
                                          : node.curve(kCurveSelfAngle, p.age, p.life) *
                                                static_cast<float>(rotate.angle);
    // The rotation itself is derived where it is read (selfRotationOf).
    p.selfAngle = angle * p.selfAngleFactor * static_cast<float>(p.selfSign);
}

// Steps 3–10: everything but the root particle, and a particle without
// life (which dies before a curve is read), moves and turns.
void moveAndTurn(Particle& p, const EffectNode& node, const Particle* parent) {
    const MoveParams& move = node.params.m_move;
    applyGravity(p, move);
    applyAttraction(p, move);
    if (move.isFollow != 0 && parent != nullptr) p.position = p.position + parent->displacement;
    applySpeed(p, node);
    applySize(p, node);
    updateSelfRotation(p, node, parent);
}

bool diesNow(const Particle& p, const KillParams& kill, std::uint32_t frame) {
    if (p.age >= p.life) return true;
    if (kill.isFrame != 0 && frame >= p.killFrame) return true;
    return kill.isLand != 0 && p.position.y < 0.0f && p.displacement.y < 0.0f;
}

void refreshRevolutionAxis(Particle& p, std::int32_t revAxis, const Particle* parent) {
    if (parent == nullptr) return;  // an orphan keeps its last axis
    if (revAxis == kRevAxisParentOrientation) p.revolutionAxis = facingOf(*parent);
    if (revAxis == kRevAxisParentTravel) p.revolutionAxis = parent->displacement;
}

// The revolution angle in degrees at an age.
float revolutionAt(const Particle& p, const EffectNode& node, std::uint32_t age) {
    const std::int32_t revAngle = node.params.m_rotate.revAngle;
    const float angle =
        revAngle == 0 ? 0.0f : node.curve(kCurveRevolutionAngle, age, p.life) * static_cast<float>(revAngle);
    return angle * p.revolutionAngleFactor * static_cast<float>(p.revolutionSign);
}

// Turns the particle about the centre by `degrees` around its revolution axis.
// The turn itself, kept out of line: most particles do not revolve.
[[gnu::noinline]] Vec3f revolveOffset(Particle& p, Vec3f r, float degrees) {
    const Mat4 m = rotationAxis(p.revolutionAxis, radians(degrees));
    p.direction = transformCoord(p.direction, m);
    return transformCoord(r, m);
}

inline void revolveBy(Particle& p, Vec3f centre, float degrees) {
    Vec3f r = p.position - centre;
    if (degrees != 0.0f) r = revolveOffset(p, r, degrees);  // a turn by exactly 0 is the identity
    p.position = centre + r;
}

// Undoes last frame's revolution and applies this frame's, so that the
// particle's own motion happens in an unrevolved frame.
void revolve(Particle& p, const EffectNode& node, const Particle* parent) {
    const Vec3f centre = parent != nullptr ? parent->position : node.params.m_emitter.pos;
    revolveBy(p, centre, -revolutionAt(p, node, p.age - 1));
    p.revolutionAngle = revolutionAt(p, node, p.age);
    revolveBy(p, centre, p.revolutionAngle);
}

void extendTrail(Particle& p, const EffectNode& node) {
    if (node.params.m_shape.type != kShapeTrail) return;
    const ScaleParams& scale = node.params.m_scale;
    const float width = node.curve(kCurveSize, p.age, p.life) * (static_cast<float>(scale.max) / 10.0f);
    p.trail.push_back({p.position, width});
    // At most trailLength + 3 points, also right after the length was lowered.
    const std::int64_t limit = std::max<std::int64_t>(0, static_cast<std::int64_t>(scale.trailLength) + 3);
    const auto excess = static_cast<std::int64_t>(p.trail.size()) - limit;
    if (excess > 0) p.trail.dropOldest(static_cast<std::size_t>(excess));
}

void updateColour(Particle& p, const EffectNode& node, const Particle* parent) {
    p.colour.r = node.curve(kCurveRed, p.age, p.life) * p.brightnessFactor;
    p.colour.g = node.curve(kCurveGreen, p.age, p.life) * p.brightnessFactor;
    p.colour.b = node.curve(kCurveBlue, p.age, p.life) * p.brightnessFactor;
    p.colour.a = node.curve(kCurveOpacity, p.age, p.life) * p.alphaFactor;
    if (node.params.m_color.isAlphaParent != 0) p.colour.a = parent != nullptr ? p.colour.a * parent->colour.a : 0.0f;
}

}  // namespace

bool moveParticle(Particle& p, const EffectNode& node, const Particle* parent, std::uint32_t frame) {
    p.previousPosition = p.position;
    if (!node.isRoot && p.life != 0) moveAndTurn(p, node, parent);
    return diesNow(p, node.params.m_kill, frame);
}

void emitFromParticle(Simulation& simulation, ParticleIndex index) {
    // Emission sees the age before this frame's increment.
    for (NodeIndex child : simulation.nodeOf(simulation.particles()[index]).children)
        emitDuringLife(simulation, child, index);
}

void finishParticle(Particle& p, const EffectNode& node, const Particle* parent) {
    ++p.age;
    refreshRevolutionAxis(p, node.params.m_rotate.revAxis, parent);
    revolve(p, node, parent);
    extendTrail(p, node);
    updateColour(p, node, parent);
    p.displacement = p.position - p.previousPosition;
}

bool updateParticle(Simulation& simulation, ParticleIndex index) {
    ParticleList& list = simulation.particles();
    {
        Particle& p = list[index];
        if (moveParticle(p, simulation.nodeOf(p), list.parentOf(p), simulation.frame())) return true;
    }
    emitFromParticle(simulation, index);
    Particle& p = list[index];  // emission may have moved the list
    finishParticle(p, simulation.nodeOf(p), list.parentOf(p));
    return false;
}

}  // namespace fg
