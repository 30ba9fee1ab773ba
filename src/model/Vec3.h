#pragma once

namespace fg {

// Three 32-bit floats, as stored in node parameters and settings.
struct Vec3f {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    friend bool operator==(const Vec3f&, const Vec3f&) = default;
};

}  // namespace fg
