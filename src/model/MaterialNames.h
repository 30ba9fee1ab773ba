#pragma once
// Nodes refer to materials by list position (m_texture.ID, model shapes in
// m_shape.type). Before the material list changes, the names behind those
// positions are remembered; afterwards the positions are found again by name.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace fg {

struct Node;

// The material list as the bookkeeping sees it: names in list order, images first.
struct MaterialNameList {
    std::vector<std::string> names;
    int imageCount = 0;
};

// The name of the material a texture ID selects; empty for -1 or a position outside the list.
std::string textureNameOf(const MaterialNameList& materials, std::int32_t textureId);
// The texture ID of the first material named `name`, or -1 (none).
std::int32_t textureIdOf(const MaterialNameList& materials, const std::string& name);
// The name of the model a shape type selects; empty for a built-in shape or
// a position outside the list.
std::string modelNameOf(const MaterialNameList& materials, std::int32_t shapeType);
// The shape type selecting the model named `name`, or nothing when no model has that name.
std::optional<std::int32_t> modelShapeOf(const MaterialNameList& materials, const std::string& name);

// Every node except the root: m_texture.name = name of material m_texture.ID.
void rememberTextureNames(Node& root, const MaterialNameList& materials);
// Every node: m_shape.objName = name of model material m_shape.type - 5.
void rememberModelNames(Node& root, const MaterialNameList& materials);
// Every node except the root: m_texture.ID = first material with that name, or -1.
void relinkTextures(Node& root, const MaterialNameList& materials);
// Every node: m_shape.type = 5 + model position of the first material with
// that name; unchanged when none is found.
void relinkModels(Node& root, const MaterialNameList& materials);

// The same for a subtree held outside the tree (by the edit history),
// its top node included: both names, then both references.
void rememberSubtreeMaterials(Node& top, const MaterialNameList& materials);
void relinkSubtreeMaterials(Node& top, const MaterialNameList& materials);

}  // namespace fg
