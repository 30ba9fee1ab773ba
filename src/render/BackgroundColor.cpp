#include "render/BackgroundColor.h"

namespace fg {

namespace {

float channel(float value) {
    if (!(value > 0.0f)) return 0.0f;  // negative, zero or not a number
    return value < 255.0f ? value : 255.0f;
}

}  // namespace

Vec3f backgroundUnit(Vec3f backColor) {
    return Vec3f{channel(backColor.x) / 255.0f, channel(backColor.y) / 255.0f, channel(backColor.z) / 255.0f};
}

Rgb8 backgroundBytes(Vec3f backColor) {
    return Rgb8{static_cast<int>(channel(backColor.x)), static_cast<int>(channel(backColor.y)),
                static_cast<int>(channel(backColor.z))};
}

}  // namespace fg
