#include "render/DrawAssets.h"

#include "model/NodeParams.h"

namespace fg {

DrawAssets::DrawAssets() : m_white(Texture::white()), m_sampler(makeLinearClampSampler()) {
    m_builtIn.push_back(std::make_unique<Poly>());        // "２Ｄ", drawn as a billboard
    m_builtIn.push_back(std::make_unique<Poly>());        // "平面"
    m_builtIn.push_back(std::make_unique<Hemisphere>());
    m_builtIn.push_back(std::make_unique<Cylinder>());
    m_builtIn.push_back(std::make_unique<Trail>());
}

void DrawAssets::setMaterials(const std::vector<std::string>& imagePaths, const std::vector<std::string>& modelPaths,
                              std::vector<std::string>* problems) {
    m_images.clear();
    for (const std::string& path : imagePaths) {
        m_images.push_back(Texture::fromFile(QString::fromStdString(path)));
        if (!m_images.back() && problems) problems->push_back(path + ": not a readable image");
    }
    m_models.clear();
    for (const std::string& path : modelPaths) {
        std::string error;
        m_models.push_back(ObjMesh::load(path, &error));
        if (!m_models.back() && problems) problems->push_back(path + ": " + error);
    }
}

Primitive* DrawAssets::shape(int type) const {
    if (type < 0) return nullptr;
    if (type < kShapeFirstModel) return m_builtIn[static_cast<std::size_t>(type)].get();
    const auto model = static_cast<std::size_t>(type - kShapeFirstModel);
    return model < m_models.size() ? m_models[model].get() : nullptr;
}

GLuint DrawAssets::texture(int id) const {
    if (id < 0 || static_cast<std::size_t>(id) >= m_images.size() || !m_images[static_cast<std::size_t>(id)]) {
        return m_white.id();
    }
    return m_images[static_cast<std::size_t>(id)]->id();
}

}  // namespace fg
