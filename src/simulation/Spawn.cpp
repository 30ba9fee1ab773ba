#include "simulation/Spawn.h"

#include "simulation/ParticleTransforms.h"
#include "simulation/Units.h"

namespace fg {
namespace {

Vec3f unitAxis(std::int32_t axis) {
    switch (axis) {
        case 0: return {1.0f, 0.0f, 0.0f};
        case 1: return {0.0f, 1.0f, 0.0f};
        case 2: return {0.0f, 0.0f, 1.0f};
        default: return {};
    }
}

// "通常" turns one way, "逆回転" the other, "ランダム" draws; values outside
// the list turn the normal way without a draw.
std::int8_t rotationSign(std::int32_t dir, Random& random) {
    switch (dir) {
        case kRotateReversed: return 1;
        case kRotateRandom: return random.sign() < 0 ? std::int8_t{-1} : std::int8_t{1};
        default: return -1;
    }
}

// The angle around a circle emitter: evenly spaced within one emission, or
// random (always random for the root particle, which has no emission).
float emitterAngle(const EmitterParams& emitter, const Particle* parent, Random& random) {
    if (emitter.isEvenInterval != 0 && parent != nullptr) {
        return kTwoPi / static_cast<float>(parent->emitCount) * static_cast<float>(parent->emitIndex);
    }
    return random.angle();
}

// The spawn offset on the emitter's shape, before scope and parent.
Vec3f emitterPoint(const EmitterParams& emitter, const Particle* parent, Random& random) {
    const Vec3f s = emitter.size;
    switch (emitter.type) {
        case kEmitterCircleVertical: {
            const float a = emitterAngle(emitter, parent, random);
            return transformCoord({0.5f, 0.0f, 0.0f}, rotationZ(a) * scaling(s.x, s.y, s.z));
        }
        case kEmitterCircleHorizontal: {
            const float a = emitterAngle(emitter, parent, random);
            return transformCoord({0.5f, 0.0f, 0.0f}, rotationY(a) * scaling(s.x, 1.0f, s.z));
        }
        case kEmitterCylinder: {
            const float h = random.centred(s.y);
            const float a = emitterAngle(emitter, parent, random);
            return transformCoord({0.5f, h, 0.0f}, rotationY(a) * scaling(s.x, 1.0f, s.z));
        }
        case kEmitterSphere:
        case kEmitterHemisphere: {
            const float ax = random.angle();
            const float ay = random.angle();
            const float az = random.angle();
            Vec3f o = transformCoord({0.5f, 0.0f, 0.0f},
                                     rotationX(ax) * rotationY(ay) * rotationZ(az) * scaling(s.x, s.y, s.z));
            if (emitter.type == kEmitterHemisphere && o.y < 0.0f) o.y = -o.y;
            return o;
        }
        case kEmitterBox: {
            Vec3f o;
            o.x = random.centred(s.x);
            o.y = random.centred(s.y);
            o.z = random.centred(s.z);
            switch (random.next() % 3) {
                case 0: o.x = s.x / 2.0f; break;
                case 1: o.y = s.y / 2.0f; break;
                default: o.z = s.z / 2.0f; break;
            }
            if (random.next() % 2 == 1) o = o * -1.0f;
            return o;
        }
        default:
            return {};
    }
}

// How deep inside the shape the point lies.
Vec3f applyScope(const EmitterParams& emitter, Vec3f o, Random& random) {
    if (emitter.scope == kScopeInside) {
        const float k = static_cast<float>(random.next() % 100);
        return {o.x * k / 100.0f, o.y * k / 100.0f, o.z * k / 100.0f};
    }
    if (emitter.scope == kScopeCustom) {
        const std::int64_t band = static_cast<std::int64_t>(emitter.err) * 100;
        float g = 0.0f;
        if (band > 0) g = static_cast<float>(random.next() % band) / 10000.0f;
        return o * (1.0f - g);
    }
    return o;  // "表面" and unknown scopes: on the surface
}

Vec3f unitJitterZYX(Random& random) {
    Vec3f d;
    d.z = random.unitJitter();
    d.y = random.unitJitter();
    d.x = random.unitJitter();
    return d;
}

Vec3f oneWayDirection(const MoveParams& move, Random& random) {
    Vec3f d = transformCoord({0.0f, 1.0f, 0.0f}, rotationX(radians(move.dirX)) * rotationY(radians(move.dirY)));
    if (move.oneway_err != 0) {
        Vec3f r;
        r.x = random.unitJitter();
        r.y = random.unitJitter();
        r.z = random.unitJitter();
        const Vec3f axis = cross(d, r);
        const float theta = static_cast<float>(random.next() % move.oneway_err) * kDegToRad * 0.5f;
        d = transformCoord(d, rotationAxis(axis, theta));
    }
    return d;
}

void drawFactors(const NodeParams& params, Random& random, Particle& p) {
    p.life = truncToCount(static_cast<float>(params.m_kill.span) * random.spread(params.m_kill.span_err));
    p.killFrame = truncToCount(static_cast<float>(params.m_kill.frame) * random.spread(params.m_kill.frame_err));
    p.speedFactor = random.spread(params.m_move.speed_err);
    p.sizeFactor = random.spread(params.m_scale.max_err);
    p.selfAngleFactor = random.spread(params.m_rotate.angle_err);
    p.revolutionAngleFactor = random.spread(params.m_rotate.revAngle_err);
    p.brightnessFactor = random.spread(params.m_color.brigRnd);
    p.alphaFactor = random.spread(params.m_color.alphaRnd);
}

}  // namespace

Particle spawnParticle(const EffectTable& effect, Random& random, NodeIndex node, const Particle* parent,
                       std::int32_t facing) {
    const EffectNode& entry = effect[node];
    const NodeParams& params = entry.params;
    const EmitterParams& emitter = params.m_emitter;

    Particle p;
    p.node = node;
    // Facings outside the presets face front (the identity), as the
    // random one does until it is drawn below.
    p.facing = facing >= kDirFront && facing <= kDirDown ? static_cast<std::uint8_t>(facing) : std::uint8_t{0};

    Vec3f o = emitterPoint(emitter, parent, random);
    o = applyScope(emitter, o, random);

    if (emitter.scaleFix == 0 && parent != nullptr) {
        const EffectNode& parentNode = effect[parent->node];
        const float size = parentNode.curve(kCurveSize, parent->age, parent->life);
        const float sx = parentNode.curve(kCurveWidth, parent->age, parent->life) * size;
        const float sy = parentNode.curve(kCurveHeight, parent->age, parent->life) * size;
        const float sz = parentNode.curve(kCurveDepth, parent->age, parent->life) * size;
        o = transformCoord(o, scaling(sx, sy, sz));
    }

    // The cylinder heads away from its axis: the horizontal part of the
    // offset, turned with the parent like the offset itself.
    Vec3f horizontal{o.x, 0.0f, o.z};
    if (emitter.fix == 0 && parent != nullptr) {
        const Mat4 parentTurn = selfRotationOf(*parent);
        horizontal = transformCoord(horizontal, parentTurn);
        o = transformCoord(o, parentTurn);
    }

    p.position = o + emitter.pos;
    if (parent != nullptr) p.position = p.position + parent->position;

    Vec3f d;
    if (params.m_move.isOneWay != 0) {
        d = oneWayDirection(params.m_move, random);
    } else {
        const bool besideRoot = parent == nullptr || effect[parent->node].isRoot;
        if (besideRoot) {
            d = p.position - emitter.pos;
            if (emitter.type == kEmitterCylinder) d.y = 0.0f;
        } else if (emitter.type == kEmitterCylinder) {
            d = horizontal;
        } else {
            d = p.position - parent->position - emitter.pos;
        }
        if (length(d) <= 0.0f) {
            d = unitJitterZYX(random);
            if (emitter.type == kEmitterCircleHorizontal) d.y = 0.0f;
            if (emitter.type == kEmitterCircleVertical) d.z = 0.0f;
        }
    }
    p.direction = normalize(d);

    p.selfAxis = unitAxis(params.m_rotate.axis);  // 3–7 follow the motion from the first update
    p.selfSign = rotationSign(params.m_rotate.dir, random);

    const std::int32_t revAxis = params.m_rotate.revAxis;
    if (revAxis >= 0 && revAxis <= 2) {
        p.revolutionAxis = unitAxis(revAxis);
    } else if (parent != nullptr) {
        p.revolutionAxis = parent->displacement;
    }
    p.revolutionSign = rotationSign(params.m_rotate.revDir, random);

    if (params.m_shape.dir == kDirRandom) {
        // Hundredths of the axis (−5.00 to 4.99) and whole degrees:
        // ownTurnMatrix() makes the matrix from them.
        const auto a = static_cast<std::int16_t>(random.next() % 1000 - 500);
        const auto b = static_cast<std::int16_t>(random.next() % 1000 - 500);
        const auto c = static_cast<std::int16_t>(random.next() % 1000 - 500);
        // Flat sprites only spin in the screen plane.
        const bool flat = params.m_shape.type == kShape2D;
        p.ownTurn = {flat ? std::int16_t{0} : c, flat ? std::int16_t{0} : b, a,
                     static_cast<std::int16_t>(random.next() % 360)};
        p.facing = kOwnTurn;
    }

    drawFactors(params, random, p);

    p.previousPosition = p.position;
    if (entry.isRoot) {
        p.direction = {};
        p.scale = {};
    }
    return p;
}

}  // namespace fg
