#include "render/EmitterGizmos.h"

namespace fg {

namespace {

constexpr float kDegree = 3.14159265358979f / 180.0f;

Vec3f turned(Vec3f point, const Mat4& rotation) { return transformNormal(point, rotation); }

// Joins consecutive points with white segments.
void addPolyline(std::vector<LineSegment>& lines, const std::vector<Vec3f>& points) {
    for (std::size_t i = 0; i + 1 < points.size(); ++i) lines.emplace_back(points[i], points[i + 1], 255, 255, 255);
}

// `start` turned about the axis by first, first + step, … last degrees.
template <class Rotation>
std::vector<Vec3f> arc(Vec3f start, int first, int last, int step, Rotation rotation, const Mat4& then) {
    std::vector<Vec3f> points;
    for (int angle = first; angle <= last; angle += step) {
        points.push_back(turned(turned(start, rotation(static_cast<float>(angle) * kDegree)), then));
    }
    return points;
}

// 18 segments around an axis.
std::vector<LineSegment> circle(Mat4 (*rotation)(float)) {
    std::vector<LineSegment> lines;
    addPolyline(lines, arc(Vec3f{0.5f, 0.0f, 0.0f}, 0, 360, 20, rotation, Mat4::identity()));
    return lines;
}

std::vector<LineSegment> horizontalCircle12(float y, std::vector<LineSegment> lines = {}) {
    addPolyline(lines, arc(Vec3f{0.5f, y, 0.0f}, 0, 360, 30, rotationY, Mat4::identity()));
    return lines;
}

std::vector<LineSegment> sphere() {
    std::vector<LineSegment> lines;
    for (int meridian = 0; meridian < 360; meridian += 60) {
        addPolyline(lines, arc(Vec3f{0.0f, -0.5f, 0.0f}, 0, 180, 30, rotationZ,
                               rotationY(static_cast<float>(meridian) * kDegree)));
    }
    return horizontalCircle12(0.0f, std::move(lines));
}

std::vector<LineSegment> hemisphere() {
    std::vector<LineSegment> lines;
    for (int meridian = 0; meridian < 360; meridian += 60) {
        addPolyline(lines, arc(Vec3f{0.0f, 0.5f, 0.0f}, 0, 90, 30, rotationZ,
                               rotationY(static_cast<float>(meridian) * kDegree)));
    }
    return horizontalCircle12(0.0f, std::move(lines));
}

std::vector<LineSegment> cylinder() {
    std::vector<LineSegment> lines = horizontalCircle12(0.5f, horizontalCircle12(-0.5f));
    for (int angle = 30; angle <= 360; angle += 30) {
        const Mat4 r = rotationY(static_cast<float>(angle) * kDegree);
        lines.emplace_back(turned(Vec3f{0.5f, -0.5f, 0.0f}, r), turned(Vec3f{0.5f, 0.5f, 0.0f}, r), 255, 255, 255);
    }
    return lines;
}

std::vector<LineSegment> box() {
    std::vector<LineSegment> lines;
    const float h = 0.5f;
    for (float a : {-h, h}) {
        for (float b : {-h, h}) {
            lines.emplace_back(Vec3f{-h, a, b}, Vec3f{h, a, b}, 255, 255, 255);
            lines.emplace_back(Vec3f{a, -h, b}, Vec3f{a, h, b}, 255, 255, 255);
            lines.emplace_back(Vec3f{a, b, -h}, Vec3f{a, b, h}, 255, 255, 255);
        }
    }
    return lines;
}

std::vector<LineSegment> marker() {
    std::vector<LineSegment> lines;
    lines.emplace_back(Vec3f{0.0f, 0.5f, 0.0f}, Vec3f{0.0f, -0.5f, 0.0f}, 255, 255, 255);
    lines.emplace_back(Vec3f{0.5f, 0.0f, 0.0f}, Vec3f{-0.5f, 0.0f, 0.0f}, 255, 255, 255);
    return lines;
}

}  // namespace

EmitterGizmos::EmitterGizmos() {
    m_sets[kEmitterCircleVertical] = circle(rotationZ);
    m_sets[kEmitterCircleHorizontal] = circle(rotationY);
    m_sets[kEmitterSphere] = sphere();
    m_sets[kEmitterHemisphere] = hemisphere();
    m_sets[kEmitterCylinder] = cylinder();
    m_sets[kEmitterBox] = box();
    m_sets[kMarkerSet] = marker();
}

void EmitterGizmos::draw(LineProgram& program, const Camera& camera, const EmitterParams& emitter,
                         const GizmoAnchor& parent) const {
    Mat4 s = scaling(emitter.size.x, emitter.size.y, emitter.size.z);
    if (emitter.scaleFix == 0) s = s * scaling(parent.scale.x, parent.scale.y, parent.scale.z);
    const Mat4 r = emitter.fix != 0 ? Mat4::identity() : parent.rotation;
    const Mat4 placed = translation(emitter.pos.x, emitter.pos.y, emitter.pos.z) *
                        translation(parent.position.x, parent.position.y, parent.position.z);
    if (emitter.type >= 0 && static_cast<std::size_t>(emitter.type) < kMarkerSet) {
        for (const LineSegment& line : m_sets[static_cast<std::size_t>(emitter.type)]) {
            line.draw(program, camera, s * r * placed);
        }
    }
    for (const LineSegment& line : m_sets[kMarkerSet]) line.draw(program, camera, camera.billboard() * placed);
}

}  // namespace fg
