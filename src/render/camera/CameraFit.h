#pragma once
// Moves a camera so that a sphere fills the view without leaving it: the
// camera keeps the direction it looks in and backs away from the sphere's
// centre far enough for both the vertical and the horizontal field of view.

#include "model/ProjectSettings.h"
#include "model/Vec3.h"

namespace fg {

// The placement looking at `centre` along target − eye of `from`, at the
// distance where a sphere of `radius` fits a view of `aspect` (width /
// height) with a small margin. Tiny spheres are fitted as a small one so
// the camera does not end up inside the near plane; one too deep for the
// far plane is seen from no farther than where its centre stays in view.
CameraPlacement fitCameraToSphere(const CameraPlacement& from, Vec3f centre, float radius, double aspect);

}  // namespace fg
