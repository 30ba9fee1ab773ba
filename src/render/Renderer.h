#pragma once
// Draws preview frames of a simulation into the current framebuffer:
// background, ground grid, both particle passes (back faces culled, then
// front faces), the selected node's emitter gizmos and the overlay. It only
// needs a current GL 3.3 context; the state it changes is restored after
// each frame so a host widget sharing the context is not disturbed.

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "model/ProjectSettings.h"
#include "render/DrawAssets.h"
#include "render/EmitterGizmos.h"
#include "render/FrameSnapshot.h"
#include "render/InstanceBuffer.h"
#include "render/LineProgram.h"
#include "render/LineSegment.h"
#include "render/Overlay.h"
#include "render/PolyProgram.h"
#include "render/RenderTarget.h"
#include "render/SpriteProgram.h"
#include "render/TextureBarrier.h"
#include "render/camera/Camera.h"
#include "simulation/Simulation.h"

namespace fg {

// How the export programs learn what is already drawn under a pixel. Every
// method gives the same bytes.
enum class ExportMethod {
    // Each sub-mesh reads a copy of the whole target made after the one
    // before: the definition of the exported picture.
    CopyAfterEverySubMesh,
    // Sub-meshes that cover no pixel twice read the target's own pixel in
    // draw order (framebuffer fetch) and need no copy; the rest read a copy
    // brought up to date just before them.
    FramebufferFetch,
    // The same sub-meshes read the target's own texture at their pixel, one
    // particle a call with a texture barrier after every sub-mesh; the rest
    // read the copy as above. For contexts that cannot fetch.
    TextureBarrier,
    // The best the context has: fetch, then barrier, then the copies.
    Fast,
};

struct PreviewFrame {
    int viewWidth = 1;
    int viewHeight = 1;
    const ProjectSettings* project = nullptr;  // background colour and the exported frame size
    std::int32_t selectedNodeId = -1;          // the node whose emitter gizmos are shown, -1 for none
    bool overlay = true;                       // letterbox, counters and icons
    bool grid = true;                          // the ground grid's grey lines
    bool axis = true;                          // the ground grid's axis lines
    bool paused = false;                       // the counters mark the picture as standing still
    CounterOptions counters;
    // The FPS counter's value: the pictures a view draws per second. Unset,
    // it shows the simulation's step rate (a picture per step).
    std::optional<int> fps;
    int hoveredTool = 0;
    // Off: one draw call per particle (the plain path the batching is measured against).
    bool instancing = true;
};

class Renderer {
public:
    // Compiles the programs and builds grid, gizmos, shapes and overlay
    // pictures; null with *error when any of them fails.
    static std::unique_ptr<Renderer> create(RenderError* error);

    DrawAssets& assets() { return *m_assets; }

    // Draws one preview frame of `snapshot` into the bound framebuffer.
    void renderFrame(const FrameSnapshot& snapshot, const Camera& camera, const PreviewFrame& frame);
    // The same for the simulation as it is now: settles it as drawn from
    // the camera, then draws its snapshot.
    void renderFrame(Simulation& simulation, const Camera& camera, const PreviewFrame& frame);
    // Draws one exported image into `target`: cleared to the background colour
    // with alpha 0, then the particles under back-face and front-face culling.
    // The export programs blend in the shader against `copy`, which receives
    // the target after every sub-mesh and every particle. `afterCullPass`
    // runs after each of the two culling passes (progress).
    void renderExportImage(Simulation& simulation, const Camera& camera, RenderTarget& target, RenderTarget& copy,
                           const std::function<void()>& afterCullPass = {});
    // A method the context cannot run draws with the copies.
    void setExportMethod(ExportMethod method) { m_exportMethod = method; }
    ExportMethod exportMethod() const { return m_exportMethod; }
    // Whether the context can run `method` (Fast and the copies always can).
    bool supportsExportMethod(ExportMethod method) const;
    // The method the export really draws with for the chosen one: never Fast.
    ExportMethod effectiveExportMethod() const;
    // Copies of the target the last exported image took.
    int exportCopies() const { return m_exportCopies; }
    // Texture barriers the last exported image took.
    int exportBarriers() const { return m_exportBarriers; }
    // Draw calls the particles took in the last frame (both passes, both culls).
    int particleCalls() const { return m_particleCalls; }

private:
    Renderer() = default;
    void clearView(const PreviewFrame& frame);
    // Pass 1 draws the selected node's gizmo around each particle of its parent node.
    void drawParticlePass(const FrameSnapshot& snapshot, const Camera& camera, const PreviewFrame& frame);
    void drawOverlay(const FrameSnapshot& snapshot, const PreviewFrame& frame);
    void drawExportParticlePass(Simulation& simulation, const Camera& camera, RenderTarget& target,
                                RenderTarget& copy);

    std::unique_ptr<LineProgram> m_line;
    std::unique_ptr<PolyProgram> m_poly;
    std::unique_ptr<SpriteProgram> m_sprite;
    std::vector<LineSegment> m_grid;
    std::vector<LineSegment> m_axes;
    std::vector<LineSegment> m_gridCentre;  // the grid's own lines under the axes
    std::unique_ptr<EmitterGizmos> m_gizmos;
    std::unique_ptr<DrawAssets> m_assets;
    std::unique_ptr<Overlay> m_overlay;
    InstanceBuffer m_instances;
    GlSampler m_copySampler;  // exact texel reads of the export copy
    fg::TextureBarrier m_textureBarrier;
    ExportMethod m_exportMethod = ExportMethod::Fast;
    int m_exportCopies = 0;
    int m_exportBarriers = 0;
    int m_particleCalls = 0;
};

}  // namespace fg
