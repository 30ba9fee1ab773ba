#include "render/PreviewRenderer.h"

#include "render/RenderTarget.h"
#include "render/Renderer.h"
#include "render/WorkspaceMaterials.h"

namespace fg {
namespace {

PreviewFrame previewFrame(const FrameSnapshot& snapshot, const ViewPicture& picture) {
    PreviewFrame frame;
    frame.viewWidth = picture.width;
    frame.viewHeight = picture.height;
    frame.project = &snapshot.project;
    frame.counters = picture.counters;
    frame.fps = picture.fps;
    frame.hoveredTool = picture.hoveredTool;
    frame.grid = picture.grid;
    frame.axis = picture.axis;
    frame.paused = picture.paused;
    return frame;
}

}  // namespace

std::unique_ptr<PreviewRenderer> PreviewRenderer::create(RenderError* error) {
    std::unique_ptr<Renderer> renderer = Renderer::create(error);
    if (!renderer) return nullptr;
    return std::unique_ptr<PreviewRenderer>(new PreviewRenderer(std::move(renderer)));
}

PreviewRenderer::PreviewRenderer(std::unique_ptr<Renderer> renderer) : m_renderer(std::move(renderer)) {}

PreviewRenderer::~PreviewRenderer() = default;

std::vector<std::string> PreviewRenderer::loadMaterials(const std::string& workDir) {
    return loadWorkspaceMaterials(m_renderer->assets(), workDir);
}

std::vector<bool> PreviewRenderer::shapeMeshes() const {
    const DrawAssets& assets = m_renderer->assets();
    std::vector<bool> meshes;
    for (int type = 0; type < assets.shapeTypeCount(); ++type) meshes.push_back(assets.shape(type) != nullptr);
    return meshes;
}

QImage PreviewRenderer::drawScene(const FrameSnapshot& snapshot, const Camera& camera, const ViewPicture& picture) {
    std::unique_ptr<RenderTarget>& target = m_target;
    if (!target || target->width() != picture.width || target->height() != picture.height) {
        target = std::make_unique<RenderTarget>(picture.width, picture.height);
    }
    GLint bound = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &bound);
    target->bind();
    PreviewFrame frame = previewFrame(snapshot, picture);
    frame.overlay = false;
    m_renderer->renderFrame(snapshot, camera, frame);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(bound));
    return target->readImage();
}

}  // namespace fg
