// The widget's side of the view: the newest scene picture scaled to the
// view, the overlay over it.
#include "render/GlStateSaver.h"
#include "render/Overlay.h"
#include "render/PreviewRenderer.h"
#include "render/RenderStates.h"
#include "render/Renderer.h"
#include "render/Sprite.h"
#include "render/SpriteProgram.h"

namespace fg {

ViewCompositor::ViewCompositor() = default;

ViewCompositor::~ViewCompositor() {
    glDeleteSamplers(1, &m_sharp);
    glDeleteSamplers(1, &m_smooth);
}

std::unique_ptr<ViewCompositor> ViewCompositor::create(RenderError* error) {
    std::unique_ptr<ViewCompositor> compositor(new ViewCompositor());
    compositor->m_program = SpriteProgram::load(error);
    if (!compositor->m_program) return nullptr;
    compositor->m_overlay = Overlay::create(*compositor->m_program, error);
    if (!compositor->m_overlay) return nullptr;
    compositor->m_quad = std::make_unique<Sprite>(*compositor->m_program);
    for (const auto& [sampler, filter] : {std::pair{&compositor->m_sharp, GL_NEAREST},
                                          std::pair{&compositor->m_smooth, GL_LINEAR}}) {
        glGenSamplers(1, sampler);
        glSamplerParameteri(*sampler, GL_TEXTURE_MIN_FILTER, filter);
        glSamplerParameteri(*sampler, GL_TEXTURE_MAG_FILTER, filter);
        glSamplerParameteri(*sampler, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glSamplerParameteri(*sampler, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    }
    return compositor;
}

NotePlace ViewCompositor::compose(const ScenePicture& scene, const ViewPicture& view) {
    const GlStateSaver saved;
    glViewport(0, 0, view.width, view.height);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    applyCull(CullMode::None);
    // The overlay tests depth as it does over a freshly cleared view.
    glDisable(GL_SCISSOR_TEST);
    glDepthMask(GL_TRUE);
    glClearDepth(1.0);
    glClear(GL_DEPTH_BUFFER_BIT);
    applyDepth(DepthUse::Export);
    // The picture's pixels as they are, alpha included, as if drawn here.
    applyBlend(BlendMode::Replace);
    const bool sameSize = scene.width == view.width && scene.height == view.height;
    const float w = static_cast<float>(scene.width);
    const float h = static_cast<float>(scene.height);
    // GL keeps the target's bottom row first: read it upside down.
    m_quad->drawTexture(scene.texture, scene.width, scene.height, sameSize ? m_sharp : m_smooth, view.width,
                        view.height,
                        {0.0f, 0.0f, static_cast<float>(view.width), static_cast<float>(view.height)},
                        {0.0f, h, w, -h});
    applyBlend(BlendMode::Alpha);
    PreviewFrame frame;
    frame.viewWidth = view.width;
    frame.viewHeight = view.height;
    frame.project = &scene.snapshot->project;
    frame.counters = view.counters;
    frame.fps = view.fps;
    frame.hoveredTool = view.hoveredTool;
    frame.paused = view.paused;
    const PixelRect note = drawViewOverlay(*m_overlay, *scene.snapshot, frame);
    return {note.x, note.y};
}

}  // namespace fg
