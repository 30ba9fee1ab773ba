#pragma once
// What particles are drawn with: the five built-in shape meshes, one mesh
// per model material and one texture per image material, indexed as nodes
// index them (m_shape.type, m_texture.ID).

#include <memory>
#include <string>
#include <vector>

#include "model/NodeParams.h"
#include "render/Texture.h"
#include "render/meshes/ObjMesh.h"
#include "render/meshes/Primitive.h"
#include "render/meshes/Trail.h"

namespace fg {

class DrawAssets {
public:
    // Builds the built-in shapes; needs a current context.
    DrawAssets();

    // Replaces the material meshes and textures. A file that cannot be read
    // is reported in *problems and leaves its place empty: a model that
    // failed draws nothing, an image that failed draws as plain white.
    void setMaterials(const std::vector<std::string>& imagePaths, const std::vector<std::string>& modelPaths,
                      std::vector<std::string>* problems);

    // The mesh of a shape type, or null when there is none (a model index
    // past the material list, or a model that failed to load).
    Primitive* shape(int type) const;
    // One past the largest shape type that can have a mesh.
    int shapeTypeCount() const { return kShapeFirstModel + static_cast<int>(m_models.size()); }
    // The texture of an image material; the white texture for -1 and for
    // any index without a loaded image.
    GLuint texture(int id) const;
    GLuint sampler() const { return m_sampler.id(); }

private:
    std::vector<std::unique_ptr<Primitive>> m_builtIn;  // 2D, plane, hemisphere, cylinder, trail
    std::vector<std::unique_ptr<ObjMesh>> m_models;
    std::vector<std::optional<Texture>> m_images;
    Texture m_white;
    GlSampler m_sampler;
};

}  // namespace fg
