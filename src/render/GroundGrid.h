#pragma once
// The ground grid of the 3D view: 40 grey lines one unit apart over
// -10..10, and apart from them, to be shown on their own, the axes: the
// light-grey -X and Z lines, the blue +Y and the red +X.

#include <vector>

#include "render/LineSegment.h"

namespace fg {

// The grey lines, drawn first.
std::vector<LineSegment> makeGridLines();
// The axis lines, drawn over the grey ones.
std::vector<LineSegment> makeAxisLines();
// Grey lines where the X and Z axes lie, completing the grid while the axes
// are hidden.
std::vector<LineSegment> makeCentreLines();

// Draws the lines in order with the identity world matrix.
void drawLines(const std::vector<LineSegment>& lines, LineProgram& program, const Camera& camera, const Mat4& world);

}  // namespace fg
