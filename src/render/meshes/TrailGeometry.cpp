#include "render/meshes/TrailGeometry.h"

#include "simulation/Math.h"

namespace fg {

namespace {

struct RibbonPair {
    MeshVertex left;
    MeshVertex right;
};

// The two ribbon vertices at point i: across the travel direction as seen
// from the eye; where the two nearly line up the ribbon narrows to a line.
RibbonPair pairAt(std::span<const TrailPoint> points, std::size_t i, Vec3f eye, bool changingThickness, float u) {
    const Vec3f p = points[i].position;
    const Vec3f s = normalize(points[i + 1].position - p);
    const Vec3f c = normalize(eye - p);
    Vec3f side = cross(s, c);
    side = length(side) >= 0.1f ? normalize(side) : Vec3f{};
    const float width = changingThickness ? points[i].width : points.back().width;
    const Vec3f offset = side * (0.5f * width);
    const Vec3f a = p + offset;
    const Vec3f b = p - offset;
    return {{a.x, a.y, a.z, u, 0.0f}, {b.x, b.y, b.z, u, 1.0f}};
}

}  // namespace

std::vector<SubMesh> trailGeometry(std::span<const TrailPoint> points, Vec3f eye, bool changingThickness,
                                   bool perSegment) {
    std::vector<SubMesh> meshes;
    const std::size_t n = points.size();
    if (n < 3) return meshes;
    const float span = static_cast<float>(n - 2);
    if (!perSegment) {
        SubMesh strip;
        for (std::size_t i = 0; i + 2 < n; ++i) {
            const RibbonPair pair = pairAt(points, i, eye, changingThickness, static_cast<float>(i) / span);
            strip.push_back(pair.left);
            strip.push_back(pair.right);
        }
        meshes.push_back(std::move(strip));
        return meshes;
    }
    for (std::size_t i = 0; i + 2 < n; ++i) {
        const float u = static_cast<float>(i) / span;
        const RibbonPair first = pairAt(points, i, eye, changingThickness, u);
        const RibbonPair second = pairAt(points, i + 1, eye, changingThickness, u);
        meshes.push_back({first.left, first.right, second.left, second.right});
    }
    return meshes;
}

}  // namespace fg
