#include "history/MaterialEdit.h"

#include "model/Node.h"

namespace fg {
namespace {

template <typename NodeType, typename Visit>
void forEachNode(NodeType& node, const Visit& visit) {
    visit(node);
    for (const auto& child : node.m_children) forEachNode<NodeType>(*child, visit);
}

// The remembered names of a rename's material take its new name, so that
// relinking finds it under that name.
void renameRemembered(Node& node, const std::string& from, const std::string& to) {
    if (node.m_texture.name == from) node.m_texture.name = to;
    if (node.m_shape.objName == from) node.m_shape.objName = to;
}

}  // namespace

std::vector<MaterialUser> materialUsers(const EffectTree& tree, const MaterialNameList& materials, int index) {
    std::vector<MaterialUser> users;
    if (index < 0 || static_cast<std::size_t>(index) >= materials.names.size()) return users;
    const bool model = index >= materials.imageCount;
    const auto shapeType = static_cast<std::int32_t>(kShapeFirstModel + index - materials.imageCount);
    for (const auto& top : tree.root().m_children) {
        forEachNode(*top, [&](const Node& node) {
            const bool texture = !model && node.m_texture.ID == index;
            const bool shape = model && node.m_shape.type == shapeType;
            if (texture || shape) users.push_back({node.m_ID, texture, shape});
        });
    }
    return users;
}

void keepingMaterialReferences(EffectTree& tree, const std::vector<Node*>& saved,
                               const std::function<MaterialNameList()>& names, const std::function<void()>& change) {
    const MaterialNameList before = names();
    rememberTextureNames(tree.root(), before);
    rememberModelNames(tree.root(), before);
    for (Node* subtree : saved) rememberSubtreeMaterials(*subtree, before);
    change();
    const MaterialNameList after = names();
    relinkTextures(tree.root(), after);
    relinkModels(tree.root(), after);
    for (Node* subtree : saved) relinkSubtreeMaterials(*subtree, after);
}

void applyMaterialEdit(const MaterialEdit& edit, bool undoing, EffectTree& tree, const std::vector<Node*>& saved,
                       MaterialStore& store) {
    keepingMaterialReferences(tree, saved, [&] { return store.names(); }, [&] {
        for (const MaterialFileChange& file : edit.files) store.write(file.fileName, undoing ? file.before : file.after);

        if (!edit.renamedFrom.empty()) {
            const std::string& from = undoing ? edit.renamedTo : edit.renamedFrom;
            const std::string& to = undoing ? edit.renamedFrom : edit.renamedTo;
            forEachNode(tree.root(), [&](Node& node) { renameRemembered(node, from, to); });
            for (Node* subtree : saved) forEachNode(*subtree, [&](Node& node) { renameRemembered(node, from, to); });
        }
        // The file is back: so are the references the delete took.
        if (undoing) {
            for (const MaterialUser& user : edit.users) {
                Node* node = tree.findById(user.nodeId);
                if (node == nullptr) continue;
                if (user.texture) node->m_texture.name = edit.deleted;
                if (user.model) node->m_shape.objName = edit.deleted;
            }
        }
    });
}

}  // namespace fg
