#pragma once
// An offscreen colour + depth target (RGBA8 and 32-bit float depth) for
// headless rendering. Read back, its picture has the usual top-left origin,
// although GL stores the bottom row first.

#include <QImage>

#include "render/GlHandle.h"

namespace fg {

class RenderTarget {
public:
    // Requires a current context; width and height are clamped to at least 1.
    RenderTarget(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    GLuint framebuffer() const { return m_framebuffer.id(); }
    GLuint colorTexture() const { return m_color.id(); }

    // Binds the target for drawing and sets the viewport to cover it.
    void bind() const;
    // The colour contents, top row first, as straight (non-premultiplied) RGBA.
    QImage readImage() const;

private:
    int m_width;
    int m_height;
    GlTexture m_color;
    GlRenderbuffer m_depth;
    GlFramebuffer m_framebuffer;
};

}  // namespace fg
