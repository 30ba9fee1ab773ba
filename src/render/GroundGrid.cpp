#include "render/GroundGrid.h"

namespace fg {

std::vector<LineSegment> makeGridLines() {
    std::vector<LineSegment> lines;
    lines.reserve(40);
    for (int i = -10; i <= 10; ++i) {
        if (i == 0) continue;
        const float f = static_cast<float>(i);
        lines.emplace_back(Vec3f{-10.0f, 0.0f, f}, Vec3f{10.0f, 0.0f, f}, 128, 128, 128);
    }
    for (int i = -10; i <= 10; ++i) {
        if (i == 0) continue;
        const float f = static_cast<float>(i);
        lines.emplace_back(Vec3f{f, 0.0f, -10.0f}, Vec3f{f, 0.0f, 10.0f}, 128, 128, 128);
    }
    return lines;
}

std::vector<LineSegment> makeAxisLines() {
    std::vector<LineSegment> lines;
    lines.reserve(4);
    lines.emplace_back(Vec3f{-10.0f, 0.0f, 0.0f}, Vec3f{0.0f, 0.0f, 0.0f}, 200, 200, 200);
    lines.emplace_back(Vec3f{0.0f, 0.0f, -10.0f}, Vec3f{0.0f, 0.0f, 10.0f}, 200, 200, 200);
    lines.emplace_back(Vec3f{0.0f, 0.0f, 0.0f}, Vec3f{0.0f, 10.0f, 0.0f}, 0, 0, 255);
    lines.emplace_back(Vec3f{0.0f, 0.0f, 0.0f}, Vec3f{10.0f, 0.0f, 0.0f}, 255, 0, 0);
    return lines;
}

std::vector<LineSegment> makeCentreLines() {
    std::vector<LineSegment> lines;
    lines.reserve(2);
    lines.emplace_back(Vec3f{-10.0f, 0.0f, 0.0f}, Vec3f{10.0f, 0.0f, 0.0f}, 128, 128, 128);
    lines.emplace_back(Vec3f{0.0f, 0.0f, -10.0f}, Vec3f{0.0f, 0.0f, 10.0f}, 128, 128, 128);
    return lines;
}

void drawLines(const std::vector<LineSegment>& lines, LineProgram& program, const Camera& camera, const Mat4& world) {
    for (const LineSegment& line : lines) line.draw(program, camera, world);
}

}  // namespace fg
