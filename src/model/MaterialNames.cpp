#include "model/MaterialNames.h"

#include "model/Node.h"

namespace fg {
namespace {

template <typename Visit>
void forEachNode(Node& node, Visit&& visit) {
    visit(node);
    for (auto& child : node.m_children) forEachNode(*child, visit);
}

template <typename Visit>
void forEachNodeBelow(Node& root, Visit&& visit) {
    for (auto& child : root.m_children) forEachNode(*child, visit);
}

// Name at a list position, or empty when the position is outside the list.
std::string nameAt(const MaterialNameList& materials, long long position) {
    if (position < 0 || position >= static_cast<long long>(materials.names.size())) return {};
    return materials.names[static_cast<std::size_t>(position)];
}

int firstPositionOf(const MaterialNameList& materials, const std::string& name) {
    if (name.empty()) return -1;
    for (std::size_t i = 0; i < materials.names.size(); ++i) {
        if (materials.names[i] == name) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

std::string textureNameOf(const MaterialNameList& materials, std::int32_t textureId) {
    return nameAt(materials, textureId);
}

std::int32_t textureIdOf(const MaterialNameList& materials, const std::string& name) {
    return firstPositionOf(materials, name);
}

std::string modelNameOf(const MaterialNameList& materials, std::int32_t shapeType) {
    const long long model = static_cast<long long>(shapeType) - kShapeFirstModel;
    return model < 0 ? std::string() : nameAt(materials, materials.imageCount + model);
}

std::optional<std::int32_t> modelShapeOf(const MaterialNameList& materials, const std::string& name) {
    const int position = firstPositionOf(materials, name);
    if (position < 0) return std::nullopt;
    const int type = kShapeFirstModel + (position - materials.imageCount);
    if (type < kShapeFirstModel) return std::nullopt;  // the first of that name is an image
    return type;
}

namespace {

void rememberTexture(Node& node, const MaterialNameList& materials) {
    node.m_texture.name = textureNameOf(materials, node.m_texture.ID);
}

void rememberModel(Node& node, const MaterialNameList& materials) {
    node.m_shape.objName = modelNameOf(materials, node.m_shape.type);
}

void relinkTexture(Node& node, const MaterialNameList& materials) {
    node.m_texture.ID = textureIdOf(materials, node.m_texture.name);
}

void relinkModel(Node& node, const MaterialNameList& materials) {
    if (const std::optional<std::int32_t> type = modelShapeOf(materials, node.m_shape.objName)) {
        node.m_shape.type = *type;
    }
}

}  // namespace

void rememberTextureNames(Node& root, const MaterialNameList& materials) {
    forEachNodeBelow(root, [&](Node& node) { rememberTexture(node, materials); });
}

void rememberModelNames(Node& root, const MaterialNameList& materials) {
    forEachNode(root, [&](Node& node) { rememberModel(node, materials); });
}

void relinkTextures(Node& root, const MaterialNameList& materials) {
    forEachNodeBelow(root, [&](Node& node) { relinkTexture(node, materials); });
}

void relinkModels(Node& root, const MaterialNameList& materials) {
    forEachNode(root, [&](Node& node) { relinkModel(node, materials); });
}

void rememberSubtreeMaterials(Node& top, const MaterialNameList& materials) {
    forEachNode(top, [&](Node& node) {
        rememberTexture(node, materials);
        rememberModel(node, materials);
    });
}

void relinkSubtreeMaterials(Node& top, const MaterialNameList& materials) {
    forEachNode(top, [&](Node& node) {
        relinkTexture(node, materials);
        relinkModel(node, materials);
    });
}

}  // namespace fg
