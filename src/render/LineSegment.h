#pragma once
// One coloured line between two points: the ground grid, the axes and the
// emitter gizmos. Red, green and blue are given 0..255; alpha is always 0.5.

#include <array>

#include "model/Vec3.h"
#include "render/GlHandle.h"
#include "render/LineProgram.h"
#include "render/camera/Camera.h"

namespace fg {

class LineSegment {
public:
    LineSegment(Vec3f from, Vec3f to, int red, int green, int blue);

    const std::array<float, 4>& color() const { return m_color; }
    Vec3f from() const { return m_from; }
    Vec3f to() const { return m_to; }

    // Draws the line moved by `world` and seen through the camera.
    void draw(LineProgram& program, const Camera& camera, const Mat4& world) const;

private:
    Vec3f m_from;
    Vec3f m_to;
    std::array<float, 4> m_color;
    GlBuffer m_vertices;
    GlVertexArray m_layout;
};

}  // namespace fg
