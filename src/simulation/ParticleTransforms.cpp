#include "simulation/ParticleTransforms.h"

#include <algorithm>
#include <cmath>

#include "simulation/Units.h"

namespace fg {
namespace {

float clampedAcos(float v) { return std::acos(std::clamp(v, -1.0f, 1.0f)); }

// The travel direction: this frame's movement, or the heading when it did not move.
Vec3f travel(const Particle& p) {
    return length(p.displacement) == 0.0f ? normalize(p.direction) : normalize(p.displacement);
}

Mat4 screenFacing(Vec3f s, const CameraMatrices& camera) {
    // A direction, so the view's translation does not enter.
    Vec3f seen = transformNormal(s, camera.view);
    seen.z = 0.0f;
    seen = normalize(seen);
    const float angle = clampedAcos(seen.x);
    return rotationZ(seen.y < 0.0f ? -angle : angle);
}

}  // namespace

Mat4 billboardMatrix(Vec3f eye, Vec3f target, Vec3f up) {
    return inverse(lookAtLH({}, target - eye, normalize(up)));
}

Mat4 facingRotation(Vec3f s) {
    const Vec3f axis = normalize({-s.y, s.x, 0.0f});
    if (length(axis) == 0.0f) {
        // Travel along ±Z: −Z already faces it; +Z needs a half turn, taken
        // about Y so that the model's up stays up.
        return s.z > 0.0f ? rotationY(kPi) : Mat4::identity();
    }
    return rotationAxis(axis, -clampedAcos(-s.z));
}

Mat4 ownTurnMatrix(const OwnTurn& turn) {
    // The expression spawning draws the turn with.
    const Vec3f axis{static_cast<float>(turn.x) / 100.0f, static_cast<float>(turn.y) / 100.0f,
                     static_cast<float>(turn.z) / 100.0f};
    return rotationAxis(axis, radians(static_cast<float>(turn.degrees)));
}

WorldInputs worldInputs(const Particle& p, const NodeParams& params, const Particle* parent) {
    const bool turnWithParent = params.m_rotate.isSameParent != 0 && parent != nullptr;
    const Mat4 withParent = turnWithParent ? orientationOf(*parent) * selfRotationOf(*parent) : Mat4::identity();
    WorldInputs in;
    in.turn = withParent * orientationOf(p);
    in.selfRotation = selfRotationOf(p);
    in.position = p.position;
    in.scale = p.scale;
    in.travel = travel(p);
    return in;
}

Mat4 worldMatrix(const WorldInputs& in, const NodeParams& params, const CameraMatrices* camera, bool billboard) {
    const Mat4 t = translation(in.position.x, in.position.y, in.position.z);
    const Mat4 s = scaling(in.scale.x, in.scale.y, in.scale.z);
    const bool useBillboard = billboard && camera != nullptr;
    const Mat4 b = useBillboard ? camera->billboard : Mat4::identity();

    Mat4 d = Mat4::identity();
    if (params.m_shape.isDir != 0) d = useBillboard ? screenFacing(in.travel, *camera) : facingRotation(in.travel);

    const Mat4 turned = in.turn * d * in.selfRotation * b * t;
    return params.m_shape.type == kShapeCylinder ? turned : s * turned;
}

Mat4 particleWorldMatrix(const Particle& p, const NodeParams& params, const Particle* parent,
                         const CameraMatrices* camera, bool billboard) {
    return worldMatrix(worldInputs(p, params, parent), params, camera, billboard);
}

CylinderScales cylinderScales(const Particle& p) {
    return {scaling(p.scale.x, p.scale.x, 1.0f), scaling(p.scale.y, p.scale.y, p.scale.z)};
}

Mat4 textureCellTransform(float textureFrame, const TextureParams& texture) {
    // A sheet needs at least one cell across and down.
    if (texture.isAnim == 0 || texture.w < 1 || texture.h < 1) return Mat4::identity();
    const std::int64_t w = texture.w;
    const std::int64_t h = texture.h;
    const std::int64_t cell = std::max<std::int64_t>(0, static_cast<std::int64_t>(textureFrame));
    return scaling(1.0f / static_cast<float>(w), 1.0f / static_cast<float>(h), 1.0f) *
           translation(static_cast<float>(cell % w) / static_cast<float>(w),
                       static_cast<float>(cell / w) / static_cast<float>(h), 0.0f);
}

Mat4 textureTransform(Particle& p, const TextureParams& texture) {
    if (texture.isAnim == 0 || texture.w < 1 || texture.h < 1) return Mat4::identity();
    const Mat4 result = textureCellTransform(p.textureFrame, texture);

    // A particle drawn before its first update counts as age 1.
    const std::int64_t w = texture.w;
    const std::int64_t h = texture.h;
    const float lived = static_cast<float>(p.age == 0 ? 0u : p.age - 1u);
    const float cells = static_cast<float>(w * h);
    float frame = static_cast<float>(texture.speed) / 100.0f * lived;
    if (frame >= cells) frame = texture.isLoop != 0 ? std::fmod(frame, cells) : cells - 1.0f;
    p.textureFrame = frame;
    return result;
}

}  // namespace fg
