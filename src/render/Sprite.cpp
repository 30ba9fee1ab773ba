#include "render/Sprite.h"

#include <cstdint>

namespace fg {

namespace {

// A strip covering clip space; texture (0, 0) at the top-left.
constexpr float kQuad[4][5] = {
    {-1.0f, 1.0f, 0.0f, 0.0f, 0.0f},
    {1.0f, 1.0f, 0.0f, 1.0f, 0.0f},
    {-1.0f, -1.0f, 0.0f, 0.0f, 1.0f},
    {1.0f, -1.0f, 0.0f, 1.0f, 1.0f},
};

}  // namespace

Sprite::Sprite(SpriteProgram& program)
    : m_program(program), m_vertices(makeBuffer()), m_layout(makeVertexArray()), m_sampler(makeLinearClampSampler()) {
    glBindVertexArray(m_layout.id());
    glBindBuffer(GL_ARRAY_BUFFER, m_vertices.id());
    glBufferData(GL_ARRAY_BUFFER, sizeof kQuad, kQuad, GL_STATIC_DRAW);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 20, nullptr);
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, 20, reinterpret_cast<const void*>(std::uintptr_t{12}));
    glBindVertexArray(0);
}

bool Sprite::load(const QString& path, RenderError* error) {
    m_texture = Texture::fromFile(path);
    if (!m_texture) {
        if (error) {
            *error = {Message(render_text::kContext, render_text::kTextureFailed),
                      Message(render_text::kContext, render_text::kSpriteCaption)};
        }
        return false;
    }
    return true;
}

void Sprite::draw(int viewWidth, int viewHeight, const PixelRect& destination, const PixelRect& source,
                  const SpriteTint& tint) {
    drawWith(m_texture ? m_texture->id() : 0, textureWidth(), textureHeight(), m_sampler.id(), viewWidth, viewHeight,
             destination, source, tint);
}

void Sprite::drawTexture(GLuint texture, int textureWidth, int textureHeight, GLuint sampler, int viewWidth,
                         int viewHeight, const PixelRect& destination, const PixelRect& source) {
    drawWith(texture, textureWidth, textureHeight, sampler, viewWidth, viewHeight, destination, source, {});
}

void Sprite::drawWith(GLuint texture, int textureWidth, int textureHeight, GLuint sampler, int viewWidth,
                      int viewHeight, const PixelRect& destination, const PixelRect& source, const SpriteTint& tint) {
    const float W = static_cast<float>(viewWidth);
    const float H = static_cast<float>(viewHeight);
    const float TW = static_cast<float>(textureWidth > 0 ? textureWidth : 1);
    const float TH = static_cast<float>(textureHeight > 0 ? textureHeight : 1);
    const PixelRect& d = destination;
    const PixelRect& s = source;

    SpriteConstants constants{};
    constants.g_mWorld = scaling(d.w / W, d.h / H, 1.0f) *
                         translation(d.x / (W / 2.0f) - 1.0f + d.w / W, 1.0f - d.y / (H / 2.0f) - d.h / H, m_depth);
    constants.g_mTexel = scaling(s.w / TW, s.h / TH, 1.0f) * translation(s.x / TW, s.y / TH, 0.0f);
    constants.g_blendColor[0] = tint.r;
    constants.g_blendColor[1] = tint.g;
    constants.g_blendColor[2] = tint.b;
    constants.g_blendColor[3] = tint.a;
    m_program.use(constants);

    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBindSampler(0, sampler);
    glBindVertexArray(m_layout.id());
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    glBindVertexArray(0);
}

}  // namespace fg
