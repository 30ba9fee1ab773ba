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

void rememberTextureNames(Node& root, const MaterialNameList& materials) {
    forEachNodeBelow(root, [&](Node& node) { node.m_texture.name = nameAt(materials, node.m_texture.ID); });
}

void rememberModelNames(Node& root, const MaterialNameList& materials) {
    forEachNode(root, [&](Node& node) {
        const long long model = static_cast<long long>(node.m_shape.type) - kShapeFirstModel;
        node.m_shape.objName = model < 0 ? std::string() : nameAt(materials, materials.imageCount + model);
    });
}

void relinkTextures(Node& root, const MaterialNameList& materials) {
    forEachNodeBelow(root, [&](Node& node) { node.m_texture.ID = firstPositionOf(materials, node.m_texture.name); });
}

void relinkModels(Node& root, const MaterialNameList& materials) {
    forEachNode(root, [&](Node& node) {
        const int position = firstPositionOf(materials, node.m_shape.objName);
        if (position < 0) return;
        const int type = kShapeFirstModel + (position - materials.imageCount);
        if (type >= kShapeFirstModel) node.m_shape.type = type;
    });
}

}  // namespace fg
