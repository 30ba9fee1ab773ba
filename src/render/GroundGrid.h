#pragma once
// The ground grid of the 3D view: 40 grey lines one unit apart over
// -10..10, the light-grey -X and Z axis lines, the blue +Y and red +X axes.

#include <vector>

#include "render/LineSegment.h"

namespace fg {

std::vector<LineSegment> makeGroundGrid();

// Draws the lines in order with the identity world matrix.
void drawLines(const std::vector<LineSegment>& lines, LineProgram& program, const Camera& camera, const Mat4& world);

}  // namespace fg
