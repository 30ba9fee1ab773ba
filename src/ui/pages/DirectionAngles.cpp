#include "ui/pages/DirectionAngles.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/NodeFields.h"

namespace fg {

float angleTowards(const QPointF& offset) {
    const double degrees = std::atan2(offset.y(), offset.x()) * 180.0 / std::numbers::pi;
    return static_cast<float>(degrees) + 90.0f;
}

float topViewAngle(float angle) { return angle < 0.0f ? angle + 360.0f : angle; }

float sideViewAngle(float angle) {
    const NodeField& side = nodeField(FieldId::MoveDirX);
    return std::clamp(angle, static_cast<float>(side.minimum), static_cast<float>(side.maximum));
}

float snappedTo45(float angle) { return std::trunc((angle + 22.5f) / 45.0f) * 45.0f; }

}  // namespace fg
