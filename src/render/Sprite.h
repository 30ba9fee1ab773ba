#pragma once
// A screen-space textured quad for the overlay: draws a source rectangle of
// its picture into a destination rectangle of the view, both in pixels with
// the origin at the top-left. Leaves blend, cull and depth state as they are.

#include <QString>

#include <optional>

#include "render/GlHandle.h"
#include "render/RenderError.h"
#include "render/SpriteProgram.h"
#include "render/Texture.h"

namespace fg {

struct SpriteTint {
    float r = 1.0f;
    float g = 1.0f;
    float b = 1.0f;
    float a = 1.0f;
};

struct PixelRect {
    float x = 0.0f;
    float y = 0.0f;
    float w = 0.0f;
    float h = 0.0f;
};

class Sprite {
public:
    explicit Sprite(SpriteProgram& program);

    // Loads the picture (a file or ":/fulgrane3d/pictures/…" resource). On
    // failure the sprite keeps drawing with no texture and *error is set.
    bool load(const QString& path, RenderError* error);

    int textureWidth() const { return m_texture ? m_texture->width() : 0; }
    int textureHeight() const { return m_texture ? m_texture->height() : 0; }
    void setDepth(float depth) { m_depth = depth; }

    // viewWidth × viewHeight is the size of the target being drawn into.
    // `tint` multiplies the picture's colour and opacity.
    void draw(int viewWidth, int viewHeight, const PixelRect& destination, const PixelRect& source,
              const SpriteTint& tint = {});
    // The same with a picture the sprite does not own (a texture of
    // textureWidth × textureHeight read through `sampler`).
    void drawTexture(GLuint texture, int textureWidth, int textureHeight, GLuint sampler, int viewWidth,
                     int viewHeight, const PixelRect& destination, const PixelRect& source);

private:
    void drawWith(GLuint texture, int textureWidth, int textureHeight, GLuint sampler, int viewWidth, int viewHeight,
                  const PixelRect& destination, const PixelRect& source, const SpriteTint& tint);

    SpriteProgram& m_program;
    GlBuffer m_vertices;
    GlVertexArray m_layout;
    GlSampler m_sampler;
    std::optional<Texture> m_texture;
    float m_depth = 0.0f;
};

}  // namespace fg
