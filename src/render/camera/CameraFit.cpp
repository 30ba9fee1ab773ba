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
constexpr double kNarrowest = 1e-3;

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
    const double wide = aspect > kNarrowest ? aspect : kNarrowest;  // a view without width, or no number
    const double halfWidth = std::atan(std::tan(halfHeight) * wide);
    const double half = std::min(halfHeight, halfWidth);
    const double r = std::isfinite(radius) ? std::max(static_cast<double>(radius), kSmallestRadius) * kMargin
                                           : static_cast<double>(Camera::kFar);
    // The sphere touches the sides of a cone of half-angle `half` at this
    // distance from its tip.
    double distance = std::max(r / std::sin(half), r + 2.0 * static_cast<double>(Camera::kNear));
    // Beyond the far plane nothing is drawn: a sphere too deep for the view
    // is seen from where its near half still fits, or its centre at least.
    const double far = static_cast<double>(Camera::kFar);
    if (distance + r > far) distance = std::max(far - r, far / 2.0);

    CameraPlacement placed;
    placed.target = centre;
    placed.eye = centre - direction * static_cast<float>(distance);
    return placed;
}

}  // namespace fg
