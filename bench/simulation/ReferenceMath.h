#pragma once
// A frozen copy of the simulation step as it was before it was made faster
// (the whole 360-byte record, matrices stored per particle, every curve
// looked up per particle, vector arithmetic out of line), kept beside the
// benchmarks as the reference they are measured against. Not used by the
// program; do not tune it.

#include "model/Vec3.h"

namespace fg::bench_reference {

// Its own vector type, so that none of the program's inline operators apply.
struct Vec3f {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    constexpr Vec3f() = default;
    constexpr Vec3f(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}
    constexpr Vec3f(fg::Vec3f v) : x(v.x), y(v.y), z(v.z) {}  // NOLINT: parameters convert freely
    friend bool operator==(const Vec3f&, const Vec3f&) = default;
};

Vec3f operator+(Vec3f a, Vec3f b);
Vec3f operator-(Vec3f a, Vec3f b);
Vec3f operator*(Vec3f v, float s);
float dot(Vec3f a, Vec3f b);
Vec3f cross(Vec3f a, Vec3f b);
float length(Vec3f v);
// A zero vector normalises to the zero vector.
Vec3f normalize(Vec3f v);

struct Mat4 {
    float m[4][4] = {};
    static Mat4 identity();
};

// a · b: applies a first, then b.
Mat4 operator*(const Mat4& a, const Mat4& b);

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
Vec3f transformCoord(Vec3f p, const Mat4& m);
// v · M ignoring translation (w = 0).
Vec3f transformNormal(Vec3f v, const Mat4& m);

}  // namespace fg::bench_reference
