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
    glDeleteTextures(1, &m_picture);
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
    glGenTextures(1, &compositor->m_picture);
    return compositor;
}

void ViewCompositor::takePicture(const ScenePicture& scene) {
    // A picture whose pixels could not be had (no memory) leaves the last one.
    if (scene.number == m_pictureNumber || scene.pixels.isNull()) return;
    m_pictureNumber = scene.number;
    const QImage& pixels = scene.pixels;
    GLint unpackAlignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpackAlignment);
    // Rows of RGBA8888 are whole pixels of 4 bytes.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glBindTexture(GL_TEXTURE_2D, m_picture);
    if (pixels.width() != m_pictureWidth || pixels.height() != m_pictureHeight) {
        m_pictureWidth = pixels.width();
        m_pictureHeight = pixels.height();
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, m_pictureWidth, m_pictureHeight, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     pixels.constBits());
    } else {
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, m_pictureWidth, m_pictureHeight, GL_RGBA, GL_UNSIGNED_BYTE,
                        pixels.constBits());
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, unpackAlignment);
}

NotePlace ViewCompositor::compose(const ScenePicture& scene, const ViewPicture& view) {
    const GlStateSaver saved;
    takePicture(scene);
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
    // The pixels came top row first, so the texture's first row is the top.
    m_quad->drawTexture(m_picture, m_pictureWidth, m_pictureHeight, sameSize ? m_sharp : m_smooth, view.width,
                        view.height,
                        {0.0f, 0.0f, static_cast<float>(view.width), static_cast<float>(view.height)},
                        {0.0f, 0.0f, w, h});
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
