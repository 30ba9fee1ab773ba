#pragma once
// The vertices of the built-in particle shapes, in unit size.

#include "render/meshes/MeshVertex.h"

namespace fg {

// A unit square in the x-y plane facing along z; the same in both sets.
VertexSets polyGeometry();
// A strip around the z axis: radius 0.5, bottom ring at z = 0, top ring at
// z = -1; 45° steps in the preview set (18 vertices), 5° in the export set (146).
VertexSets cylinderGeometry();
// A half sphere of radius 0.5 on the -z side, open at z = 0, as longitude
// strips: 15° steps (24 strips of 14) and 5° steps (72 strips of 38).
VertexSets hemisphereGeometry();

}  // namespace fg
