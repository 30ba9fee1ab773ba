#pragma once
// Small 3D math: left-handed coordinates, row vectors (p' = p · M, and
// A · B applies A first), 4×4 float matrices stored row by row.

#include <cmath>

#include "model/Vec3.h"

namespace fg {

// The small operations are inline: the particle step calls them millions of
// times a frame. The build turns floating-point contraction off, so inlining
// never fuses a multiply and an add and every result stays the same bits.

inline Vec3f operator+(Vec3f a, Vec3f b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3f operator-(Vec3f a, Vec3f b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3f operator*(Vec3f v, float s) { return {v.x * s, v.y * s, v.z * s}; }
inline float dot(Vec3f a, Vec3f b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3f cross(Vec3f a, Vec3f b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline float length(Vec3f v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }
// A zero vector normalises to the zero vector.
inline Vec3f normalize(Vec3f v) {
    const float squared = v.x * v.x + v.y * v.y + v.z * v.z;
    // Unit vectors come back as they are, without the square root and the
    // divisions: the root of exactly 1 is 1 and dividing by 1 is exact.
    if (squared == 1.0f) return v;
    const float len = std::sqrt(squared);
    if (len == 0.0f) return {};
    return {v.x / len, v.y / len, v.z / len};
}

struct Mat4 {
    float m[4][4] = {};
    static constexpr Mat4 identity() {
        Mat4 r;
        for (int i = 0; i < 4; ++i) r.m[i][i] = 1.0f;
        return r;
    }
};

// a · b: applies a first, then b.
inline Mat4 operator*(const Mat4& a, const Mat4& b) {
    Mat4 r;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            r.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j] +
                        a.m[i][3] * b.m[3][j];
        }
    }
    return r;
}

Mat4 rotationX(float radians);
Mat4 rotationY(float radians);
Mat4 rotationZ(float radians);
// Rotation about an axis through the origin; a zero-length axis gives the identity.
Mat4 rotationAxis(Vec3f axis, float radians);
Mat4 scaling(float x, float y, float z);
Mat4 translation(float x, float y, float z);
Mat4 transpose(const Mat4& a);
// The inverse; a singular matrix returns the identity and sets *ok to false.
Mat4 inverse(const Mat4& a, bool* ok = nullptr);
// Left-handed look-at view matrix.
Mat4 lookAtLH(Vec3f eye, Vec3f target, Vec3f up);
// Left-handed perspective with vertical field of view, Direct3D clip depth 0..1.
Mat4 perspectiveFovLH(float fovY, float aspect, float zNear, float zFar);

// p · M with w = 1, divided by the resulting w.
inline Vec3f transformCoord(Vec3f p, const Mat4& m) {
    const float x = p.x * m.m[0][0] + p.y * m.m[1][0] + p.z * m.m[2][0] + m.m[3][0];
    const float y = p.x * m.m[0][1] + p.y * m.m[1][1] + p.z * m.m[2][1] + m.m[3][1];
    const float z = p.x * m.m[0][2] + p.y * m.m[1][2] + p.z * m.m[2][2] + m.m[3][2];
    const float w = p.x * m.m[0][3] + p.y * m.m[1][3] + p.z * m.m[2][3] + m.m[3][3];
    // A point at infinity has no finite image; leave it undivided rather than
    // produce infinities.
    if (w == 0.0f || w == 1.0f) return {x, y, z};
    return {x / w, y / w, z / w};
}
// v · M ignoring translation (w = 0).
inline Vec3f transformNormal(Vec3f v, const Mat4& m) {
    return {v.x * m.m[0][0] + v.y * m.m[1][0] + v.z * m.m[2][0],
            v.x * m.m[0][1] + v.y * m.m[1][1] + v.z * m.m[2][1],
            v.x * m.m[0][2] + v.y * m.m[1][2] + v.z * m.m[2][2]};
}

}  // namespace fg
