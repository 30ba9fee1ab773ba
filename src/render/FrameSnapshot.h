#pragma once
// One finished simulation step as the view draws it: the particles in draw
// order with only what a draw reads, the counters and the selected node's
// gizmo anchors. The worker builds one after every step and never changes
// it again, so the UI thread can draw it while the next step runs.

#include <cstdint>
#include <functional>
#include <vector>

#include "model/NodeParams.h"
#include "model/ProjectSettings.h"
#include "simulation/Particle.h"
#include "simulation/ParticleTransforms.h"

namespace fg {

class Simulation;

struct SnapshotParticle {
    std::uint32_t node = 0;  // index into FrameSnapshot::nodes
    WorldInputs world;
    Rgba colour;
    float textureFrame = 0.0f;  // the texture cell this draw shows
    std::uint32_t trailFirst = 0;  // the particle's points in FrameSnapshot::trailPoints
    std::uint32_t trailCount = 0;
    bool draws = true;   // false: kept only to place a gizmo
    bool gizmo = false;  // the selected node's gizmo is drawn after this particle
};

// Where one gizmo is drawn: around a particle of the selected node's parent.
struct GizmoAnchor {
    Vec3f position;
    Vec3f scale{1.0f, 1.0f, 1.0f};
    Mat4 rotation = Mat4::identity();  // orientation · self rotation
};

struct FrameSnapshot {
    std::vector<NodeParams> nodes;             // by effect-table index
    std::vector<SnapshotParticle> particles;   // live particles of visible nodes, in draw order
    std::vector<TrailPoint> trailPoints;
    EmitterParams gizmoEmitter;                // the selected node's emitter
    std::vector<GizmoAnchor> gizmos;           // in the order of the particles marked `gizmo`
    ProjectSettings project;                   // as the simulation last restarted
    std::uint32_t frame = 1;                   // the frame the next step simulates
    std::uint32_t timelineFrame = 0;           // the place on the timeline: steps since the pass began
    bool paused = false;                       // the preview stands still at this frame
    int particleCount = 0;                     // live particles without the root
    int stepRate = 0;
    bool particleLimitReached = false;
    std::uint32_t particleLimit = 0;           // live particles kept at most
};

// Whether a shape type has a mesh to draw with (the renderer's materials).
using ShapeHasMesh = std::function<bool(int shapeType)>;

// Copies what drawing `simulation` now would read. Takes the list as it is:
// run settleAsDrawn first so the order and texture cells are the drawn ones.
// `selectedNodeId` (-1: none) picks the gizmo; particles of shapes without a
// mesh are left out.
FrameSnapshot takeSnapshot(const Simulation& simulation, std::int32_t selectedNodeId, const ShapeHasMesh& hasMesh);

}  // namespace fg
