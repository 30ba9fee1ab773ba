#include "render/RenderTarget.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace fg {

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

void RenderTarget::bind() const {
    glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffer.id());
    glViewport(0, 0, m_width, m_height);
}

QImage RenderTarget::readImage() const {
    QImage image(m_width, m_height, QImage::Format_RGBA8888);
    GLint previousFramebuffer = 0;
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &previousFramebuffer);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, m_framebuffer.id());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    std::vector<unsigned char> rows(static_cast<std::size_t>(m_width) * m_height * 4);
    glReadPixels(0, 0, m_width, m_height, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
    glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(previousFramebuffer));
    // GL's first row is the bottom one.
    const std::size_t stride = static_cast<std::size_t>(m_width) * 4;
    for (int y = 0; y < m_height; ++y) {
        std::memcpy(image.scanLine(y), rows.data() + stride * static_cast<std::size_t>(m_height - 1 - y), stride);
    }
    return image;
}

}  // namespace fg
