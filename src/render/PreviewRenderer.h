#pragma once
// The renderer as the editor's view uses it, without any GL declaration in
// sight: Qt's GL headers and epoxy's cannot meet in one translation unit, so
// widgets include this and only PreviewRenderer.cpp includes the renderer.

#include <memory>
#include <string>
#include <vector>

#include "render/FrameSnapshot.h"
#include "render/OverlayCounters.h"
#include "render/RenderError.h"
#include "render/camera/Camera.h"

namespace fg {

class Renderer;

// What one view picture needs besides the snapshot and the camera.
struct ViewPicture {
    int width = 1;   // the view's framebuffer in pixels
    int height = 1;
    CounterOptions counters;
    int fps = 0;  // the FPS counter: pictures the view shows per second
    int hoveredTool = 0;
    bool grid = true;     // the ground grid's grey lines
    bool axis = true;     // its axis lines
    bool paused = false;  // the preview stands still: the counters say so
};

class PreviewRenderer {
public:
    // Needs a current GL 3.3 context. Null with *error set when the programs
    // or pictures cannot be built.
    static std::unique_ptr<PreviewRenderer> create(RenderError* error);
    ~PreviewRenderer();

    // Loads the workspace's materials; returns the files that failed.
    std::vector<std::string> loadMaterials(const std::string& workDir);
    // Whether each shape type has a mesh (for the worker's settle).
    std::vector<bool> shapeMeshes() const;
    // Draws `snapshot` into the bound framebuffer.
    void draw(const FrameSnapshot& snapshot, const Camera& camera, const ViewPicture& picture);

private:
    explicit PreviewRenderer(std::unique_ptr<Renderer> renderer);
    std::unique_ptr<Renderer> m_renderer;
};

}  // namespace fg
