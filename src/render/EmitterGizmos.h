#pragma once
// White line drawings of the emitter shapes on their unit sizes (circle
// vertical and horizontal, sphere, hemisphere, cylinder, box) plus a centre
// cross that always faces the camera. Drawn around each particle of the
// selected node's parent, where the selected node emits.

#include <array>
#include <vector>

#include "model/NodeParams.h"
#include "render/LineSegment.h"
#include "render/FrameSnapshot.h"

namespace fg {

class EmitterGizmos {
public:
    static constexpr std::size_t kMarkerSet = 6;

    EmitterGizmos();

    // The segments of set k (k = m_emitter.type, or kMarkerSet).
    const std::vector<LineSegment>& set(std::size_t k) const { return m_sets[k]; }

    // Draws the set of the emitter's type scaled, turned and placed for one
    // parent particle, then the centre cross. An unknown type draws only the cross.
    void draw(LineProgram& program, const Camera& camera, const EmitterParams& emitter, const GizmoAnchor& parent) const;

private:
    std::array<std::vector<LineSegment>, 7> m_sets;
};

}  // namespace fg
