#pragma once
// What the renderer needs to draw one particle: its world matrix, the
// cylinder's ring scalings and the texture-animation transform.

#include "model/NodeParams.h"
#include "simulation/Math.h"
#include "simulation/OrientationPresets.h"
#include "simulation/Particle.h"
#include "simulation/Units.h"

namespace fg {

// The camera matrices a draw depends on.
struct CameraMatrices {
    Mat4 view = Mat4::identity();
    Mat4 billboard = Mat4::identity();  // the camera's rotation, turning quads towards it
};

// The camera's billboard matrix: the inverse of the view rotation looking
// from the origin along target − eye.
Mat4 billboardMatrix(Vec3f eye, Vec3f target, Vec3f up);

// World = S · P · orientation · D · selfRotation · B · T for the particle.
// `camera` may be null outside drawing;
// `billboard` is true only for the "２Ｄ" shape. The cylinder leaves S out
// (its size goes to the ring scalings).
Mat4 particleWorldMatrix(const Particle& particle, const NodeParams& params, const Particle* parent,
                         const CameraMatrices* camera, bool billboard);

// What a particle's world matrix is made of, taken from the particle
// (and its parent) so a draw needs no live particle.
struct WorldInputs {
    Mat4 turn = Mat4::identity();          // the parent's turn (when followed) · own orientation
    Mat4 selfRotation = Mat4::identity();
    Vec3f position;
    Vec3f scale{1.0f, 1.0f, 1.0f};
    Vec3f travel;                          // unit direction of travel
};

// The particle's rotation about its own axis at its current angle (what its
// children turn with); the identity at angle 0.
inline Mat4 selfRotationOf(const Particle& particle) {
    return particle.selfAngle == 0.0f ? Mat4::identity()
                                      : rotationAxis(particle.selfAxis, radians(particle.selfAngle));
}
// The particle's orientation: its preset, or its own turn drawn at spawn.
Mat4 ownTurnMatrix(const OwnTurn& turn);
inline Mat4 orientationOf(const Particle& particle) {
    return particle.facing == kOwnTurn ? ownTurnMatrix(particle.ownTurn)
                                       : OrientationPresets::matrix(particle.facing);
}
// The inputs of particleWorldMatrix for `particle` (and its parent).
WorldInputs worldInputs(const Particle& particle, const NodeParams& params, const Particle* parent);
// particleWorldMatrix from its inputs.
Mat4 worldMatrix(const WorldInputs& in, const NodeParams& params, const CameraMatrices* camera, bool billboard);

// The facing rotation that turns the model's −Z axis onto the travel
// direction s (unit length, or zero).
Mat4 facingRotation(Vec3f s);

struct CylinderScales {
    Mat4 bottom;  // bottom ring radius
    Mat4 top;     // top ring radius and length
};
CylinderScales cylinderScales(const Particle& particle);

// The texture transform for this draw, computed from the cell the previous
// draw left, then advances the cell for the next draw.
Mat4 textureTransform(Particle& particle, const TextureParams& texture);
// The texture transform of the cell `textureFrame`, leaving everything as is.
Mat4 textureCellTransform(float textureFrame, const TextureParams& texture);

}  // namespace fg
