#pragma once
// A 2-D texture made from an image file or a QImage. Rows are uploaded top
// row first, so texture coordinate (0, 0) is the picture's top-left corner,
// as the meshes and sprites expect. Mipmaps are built for linear filtering.

#include <QImage>
#include <QString>

#include <optional>

#include "render/GlHandle.h"

namespace fg {

class Texture {
public:
    // Null for an empty image.
    static std::optional<Texture> fromImage(const QImage& image);
    // Null when the file (or resource path) cannot be read as an image.
    static std::optional<Texture> fromFile(const QString& path);
    // The plain white picture used by particles without a texture.
    static Texture white();

    GLuint id() const { return m_texture.id(); }
    int width() const { return m_width; }
    int height() const { return m_height; }

private:
    Texture() = default;
    GlTexture m_texture;
    int m_width = 0;
    int m_height = 0;
};

// Linear minification, magnification and mip filtering, clamped on all axes:
// the sampler of every mesh and sprite.
GlSampler makeLinearClampSampler();

}  // namespace fg
