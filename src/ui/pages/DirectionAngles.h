#pragma once
// The angle rules of the direction picker "移動方向".

#include <QPointF>

namespace fg {

// The angle that points the arrow at `offset` from the view's centre:
// 0 straight up, growing clockwise (atan2 in degrees + 90).
float angleTowards(const QPointF& offset);
// Seen from above (dirY): 0..360.
float topViewAngle(float angle);
// Seen from the side (dirX): 0..180.
float sideViewAngle(float angle);
// The nearest multiple of 45 (Shift held).
float snappedTo45(float angle);

}  // namespace fg
