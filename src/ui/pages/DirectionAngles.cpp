#include "ui/pages/DirectionAngles.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fg {

float angleTowards(const QPointF& offset) {
    const double degrees = std::atan2(offset.y(), offset.x()) * 180.0 / std::numbers::pi;
    return static_cast<float>(degrees) + 90.0f;
}

float topViewAngle(float angle) { return angle < 0.0f ? angle + 360.0f : angle; }

float sideViewAngle(float angle) { return std::clamp(angle, 0.0f, 180.0f); }

float snappedTo45(float angle) { return std::trunc((angle + 22.5f) / 45.0f) * 45.0f; }

}  // namespace fg
