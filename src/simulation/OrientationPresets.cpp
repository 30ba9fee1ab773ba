#include "simulation/OrientationPresets.h"

#include "simulation/Units.h"

namespace fg {

OrientationPresets::OrientationPresets()
    : m_presets{
          Mat4::identity(),          // 前 front
          rotationX(kPi),            // 後 back
          rotationY(-kPi / 2.0f),    // 右 right
          rotationY(kPi / 2.0f),     // 左 left
          rotationX(kPi / 2.0f),     // 上 up
          rotationX(-kPi / 2.0f),    // 下 down
      } {}

const Mat4& OrientationPresets::forDir(std::int32_t dir) const {
    if (dir < 0 || dir >= static_cast<std::int32_t>(m_presets.size())) return m_identity;
    return m_presets[static_cast<std::size_t>(dir)];
}

const Mat4& OrientationPresets::matrix(std::int32_t dir) {
    // Constants, built once on first use.
    static const OrientationPresets presets;
    return presets.forDir(dir);
}

}  // namespace fg
