#include "render/camera/CameraFit.h"

#include <algorithm>
#include <cmath>

#include "render/camera/Camera.h"
#include "simulation/Math.h"

namespace fg {
namespace {

// Room left around the sphere, as a share of its radius.
constexpr double kMargin = 1.08;
// The smallest sphere fitted: a point still gets a view around it.
constexpr double kSmallestRadius = 0.5;

}  // namespace

CameraPlacement fitCameraToSphere(const CameraPlacement& from, Vec3f centre, float radius, double aspect) {
    Vec3f direction = from.target - from.eye;
    if (length(direction) == 0.0f) {
        // No direction to keep: look the way the default placement does.
        const CameraPlacement standard;
        direction = standard.target - standard.eye;
    }
    direction = normalize(direction);

    const double halfHeight = static_cast<double>(Camera::kFieldOfView) / 2.0;
    const double halfWidth = std::atan(std::tan(halfHeight) * std::max(aspect, 1e-3));
    const double half = std::min(halfHeight, halfWidth);
    const double r = std::max(static_cast<double>(radius), kSmallestRadius) * kMargin;
    // The sphere touches the sides of a cone of half-angle `half` at this
    // distance from its tip.
    const double distance = std::max(r / std::sin(half), r + 2.0 * static_cast<double>(Camera::kNear));

    CameraPlacement placed;
    placed.target = centre;
    placed.eye = centre - direction * static_cast<float>(distance);
    return placed;
}

}  // namespace fg
