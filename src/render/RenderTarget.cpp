#include "render/RenderTarget.h"

#include <algorithm>
#include <cstdio>

namespace fg {
namespace {

const char* glErrorName(GLenum error) {
    switch (error) {
        case GL_INVALID_ENUM: return "GL_INVALID_ENUM";
        case GL_INVALID_VALUE: return "GL_INVALID_VALUE";
        case GL_INVALID_OPERATION: return "GL_INVALID_OPERATION";
        case GL_INVALID_FRAMEBUFFER_OPERATION: return "GL_INVALID_FRAMEBUFFER_OPERATION";
        case GL_OUT_OF_MEMORY: return "GL_OUT_OF_MEMORY";
        default: return "GL error";
    }
}

std::string framebufferProblem(GLenum status) {
    char text[64];
    std::snprintf(text, sizeof text, "framebuffer incomplete (0x%04X)", status);
    return text;
}

}  // namespace

TargetLimits currentTargetLimits() {
    GLint texture = 0;
    GLint renderbuffer = 0;
    GLint viewport[2] = {0, 0};
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &texture);
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &renderbuffer);
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
    const int side = std::min(texture, renderbuffer);
    return {std::min(side, viewport[0]), std::min(side, viewport[1])};
}

std::string takeGlErrors() {
    std::string first;
    // Bounded: a lost context may report an error on every call.
    for (int i = 0; i < 32; ++i) {
        const GLenum error = glGetError();
        if (error == GL_NO_ERROR) break;
        if (first.empty()) {
            char text[64];
            std::snprintf(text, sizeof text, "%s (0x%04X)", glErrorName(error), error);
            first = text;
        }
    }
    return first;
}

RenderTarget::RenderTarget(int width, int height)
    : m_width(std::max(width, 1)), m_height(std::max(height, 1)),
      m_color(makeTexture()), m_depth(makeRenderbuffer()), m_framebuffer(makeFramebuffer()) {
    GLint previousTexture = 0;
    GLint previousRenderbuffer = 0;
    GLint previousFramebuffer = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &previousTexture);
    glGetIntegerv(GL_RENDERBUFFER_BINDING, &previousRenderbuffer);
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &previousFramebuffer);

    glBindTexture(GL_TEXTURE_2D, m_color.id());
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, m_width, m_height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glBindRenderbuffer(GL_RENDERBUFFER, m_depth.id());
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT32F, m_width, m_height);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, m_framebuffer.id());
    glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, m_color.id(), 0);
    glFramebufferRenderbuffer(GL_DRAW_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, m_depth.id());

    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(previousTexture));
    glBindRenderbuffer(GL_RENDERBUFFER, static_cast<GLuint>(previousRenderbuffer));
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(previousFramebuffer));
}

std::unique_ptr<RenderTarget> RenderTarget::create(int width, int height, std::string* error) {
    const TargetLimits limits = currentTargetLimits();
    if (width > limits.maxWidth || height > limits.maxHeight) {
        if (error) {
            char text[160];
            std::snprintf(text, sizeof text, "%d×%d pixels is larger than this OpenGL allows (at most %d×%d)", width,
                          height, limits.maxWidth, limits.maxHeight);
            *error = text;
        }
        return nullptr;
    }
    // Errors left by earlier work are not this target's.
    takeGlErrors();
    auto target = std::make_unique<RenderTarget>(width, height);
    std::string problem = takeGlErrors();
    if (problem.empty()) {
        GLint previous = 0;
        glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &previous);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, target->framebuffer());
        const GLenum status = glCheckFramebufferStatus(GL_DRAW_FRAMEBUFFER);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(previous));
        if (status != GL_FRAMEBUFFER_COMPLETE) problem = framebufferProblem(status);
    }
    if (problem.empty()) return target;
    if (error) *error = problem;
    return nullptr;
}

void RenderTarget::bind() const {
    glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffer.id());
    glViewport(0, 0, m_width, m_height);
}

QImage RenderTarget::readImage() const {
    QImage image(m_width, m_height, QImage::Format_RGBA8888);
    if (image.isNull()) return image;
    GLint previousFramebuffer = 0;
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &previousFramebuffer);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, m_framebuffer.id());
    // Rows of an RGBA8888 image are whole pixels of 4 bytes, so they match the
    // pack alignment and GL can write straight into the image.
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glReadPixels(0, 0, m_width, m_height, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(previousFramebuffer));
    // GL's first row is the bottom one.
    image.mirror(false, true);
    return image;
}

}  // namespace fg
