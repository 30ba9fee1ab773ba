#pragma once
// The ribbon of a trail particle, built in world space from its history of
// points each time it is drawn.

#include <span>
#include <vector>

#include "model/Vec3.h"
#include "render/meshes/MeshVertex.h"
#include "simulation/Particle.h"

namespace fg {

// Oldest point first. With fewer than 3 points there is nothing to draw.
// `changingThickness`: each point keeps its own width; otherwise the newest
// point's width holds along the whole ribbon. In the preview the ribbon is
// one strip; `perSegment` (export) makes one 4-vertex sub-mesh per segment so
// that the segments can blend with each other.
std::vector<SubMesh> trailGeometry(std::span<const TrailPoint> points, Vec3f eye, bool changingThickness,
                                   bool perSegment);

}  // namespace fg
