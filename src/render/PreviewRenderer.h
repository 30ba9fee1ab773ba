#pragma once
// The renderer as the editor's view uses it, without any GL declaration in
// sight: Qt's GL headers and epoxy's cannot meet in one translation unit, so
// widgets include this and only the .cpp files include the renderer.
//
// The view draws in two places: PreviewRenderer, on a thread of its own
// with a context of its own, draws the scene (background, grid, particles,
// gizmos) and reads the picture back, at a reduced resolution when the
// pictures are costly; ViewCompositor, in the widget's context, shows the
// newest finished picture scaled to the view with the overlay at full
// resolution.

#include <QImage>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "render/FrameSnapshot.h"
#include "render/OverlayCounters.h"
#include "render/PictureSlots.h"
#include "render/RenderError.h"
#include "render/camera/Camera.h"

namespace fg {

class Renderer;
class RenderTarget;
class Overlay;
class Sprite;
class SpriteProgram;

// What one view picture needs besides the snapshot and the camera.
struct ViewPicture {
    int width = 1;   // the framebuffer drawn into, in pixels
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
    // Draws the scene of `snapshot` without the overlay, picture.width ×
    // picture.height pixels; the camera's matrices are the caller's.
    // Returns its pixels, top row first.
    QImage drawScene(const FrameSnapshot& snapshot, const Camera& camera, const ViewPicture& picture);

private:
    explicit PreviewRenderer(std::unique_ptr<Renderer> renderer);
    std::unique_ptr<Renderer> m_renderer;
    std::unique_ptr<RenderTarget> m_target;
};

// Where a note after the FPS counter goes, in view pixels from the top-left.
struct NotePlace {
    float x = 0.0f;
    float y = 0.0f;
};

class ViewCompositor {
public:
    // Needs a current GL 3.3 context. Null with *error set when the program
    // or the overlay pictures cannot be built.
    static std::unique_ptr<ViewCompositor> create(RenderError* error);
    ~ViewCompositor();

    // Fills the bound framebuffer (view.width × view.height) with `scene`,
    // scaled up when it was drawn smaller, and draws the overlay of its
    // snapshot over it at full resolution.
    NotePlace compose(const ScenePicture& scene, const ViewPicture& view);

private:
    ViewCompositor();
    // Copies a picture not shown before into m_picture.
    void takePicture(const ScenePicture& scene);
    std::unique_ptr<SpriteProgram> m_program;
    std::unique_ptr<Overlay> m_overlay;
    std::unique_ptr<Sprite> m_quad;
    unsigned m_sharp = 0;   // nearest texel: a picture of the view's own size
    unsigned m_smooth = 0;  // linear: a smaller picture scaled up
    unsigned m_picture = 0;  // the scene picture shown last, copied in
    std::uint64_t m_pictureNumber = 0;
    int m_pictureWidth = 0;
    int m_pictureHeight = 0;
};

}  // namespace fg
