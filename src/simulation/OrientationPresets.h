#pragma once
// The fixed orientations a node's m_shape.dir selects.

#include <array>
#include <cstdint>

#include "simulation/Math.h"

namespace fg {

class OrientationPresets {
public:
    OrientationPresets();
    // The preset of a facing 0–5. "ランダム" (6) builds its own matrix at
    // spawn and any value outside the list faces front: both get the identity.
    const Mat4& forDir(std::int32_t dir) const;
    // The same matrices without an instance at hand: the particles name
    // their preset by number.
    static const Mat4& matrix(std::int32_t dir);

private:
    std::array<Mat4, 6> m_presets;
    Mat4 m_identity = Mat4::identity();
};

}  // namespace fg
