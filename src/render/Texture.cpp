#include "render/Texture.h"

namespace fg {

std::optional<Texture> Texture::fromImage(const QImage& image) {
    if (image.isNull()) return std::nullopt;
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    Texture texture;
    texture.m_texture = makeTexture();
    texture.m_width = rgba.width();
    texture.m_height = rgba.height();

    GLint previous = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &previous);
    glBindTexture(GL_TEXTURE_2D, texture.id());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, static_cast<GLint>(rgba.bytesPerLine() / 4));
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, rgba.width(), rgba.height(), 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 rgba.constBits());
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glGenerateMipmap(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(previous));
    return texture;
}

std::optional<Texture> Texture::fromFile(const QString& path) {
    return fromImage(QImage(path));
}

Texture Texture::white() {
    QImage image(8, 8, QImage::Format_RGBA8888);
    image.fill(Qt::white);
    return *fromImage(image);
}

GlSampler makeLinearClampSampler() {
    GlSampler sampler = makeSampler();
    glSamplerParameteri(sampler.id(), GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glSamplerParameteri(sampler.id(), GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glSamplerParameteri(sampler.id(), GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glSamplerParameteri(sampler.id(), GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glSamplerParameteri(sampler.id(), GL_TEXTURE_WRAP_R, GL_CLAMP_TO_EDGE);
    return sampler;
}

}  // namespace fg
