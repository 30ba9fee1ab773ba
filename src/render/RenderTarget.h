#pragma once
// An offscreen colour + depth target (RGBA8 and 32-bit float depth) for
// headless rendering. Read back, its picture has the usual top-left origin,
// although GL stores the bottom row first.

#include <QImage>
#include <memory>
#include <string>

#include "render/GlHandle.h"

namespace fg {

// The largest target the current context can draw into: the smallest of its
// texture, renderbuffer and viewport limits.
struct TargetLimits {
    int maxWidth = 0;
    int maxHeight = 0;
};
TargetLimits currentTargetLimits();

// "GL_OUT_OF_MEMORY (0x0505)" for the oldest pending GL error, "" when there
// is none. Clears every pending error.
std::string takeGlErrors();

class RenderTarget {
public:
    // Requires a current context; width and height are clamped to at least 1.
    // Does not check that the GL could make the target: use create() where
    // the size comes from the user.
    RenderTarget(int width, int height);

    // A target the GL has really made, or null with *error saying why: the
    // size is above the context's limits (nothing is allocated then), the
    // memory ran out or the framebuffer is incomplete.
    static std::unique_ptr<RenderTarget> create(int width, int height, std::string* error);

    int width() const { return m_width; }
    int height() const { return m_height; }
    GLuint framebuffer() const { return m_framebuffer.id(); }
    GLuint colorTexture() const { return m_color.id(); }

    // Binds the target for drawing and sets the viewport to cover it.
    void bind() const;
    // The colour contents, top row first, as straight (non-premultiplied)
    // RGBA; a null image when there is no memory for it.
    QImage readImage() const;

private:
    int m_width;
    int m_height;
    GlTexture m_color;
    GlRenderbuffer m_depth;
    GlFramebuffer m_framebuffer;
};

}  // namespace fg
