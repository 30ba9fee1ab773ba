// The node clipboard: the selected subtree with the materials it uses out
// as bytes, and such bytes pasted in as one add entry.

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "app/Editor.h"
#include "history/MaterialEdit.h"
#include "model/MaterialNames.h"
#include "persistence/FileBytes.h"
#include "persistence/Messages.h"
#include "persistence/NodeClipboard.h"
#include "persistence/PastedMaterials.h"

namespace fg {
namespace {

constexpr const char* kBrokenPayload =
    FG_TRANSLATE_NOOP("fg::Editor", "クリップボードのノードを読み込めませんでした。");

void forEachNode(Node& top, const std::function<void(Node&)>& visit) {
    visit(top);
    for (auto& child : top.m_children) forEachNode(*child, visit);
}

MaterialNameList namesOf(const std::vector<ClipboardMaterial>& materials) {
    MaterialNameList list;
    for (const ClipboardMaterial& material : materials) {
        list.names.push_back(materialNameOf(material.fileName));
        if (!material.isModel) ++list.imageCount;
    }
    return list;
}

}  // namespace

std::string Editor::copyNodeBytes() const {
    const Node* selected = m_g.tree.selected();
    if (selected == nullptr || selected->m_pParent == nullptr) return {};
    std::unique_ptr<Node> top = cloneSubtree(*selected);
    const std::vector<MaterialFile> files = materials().list();
    const MaterialNameList project = materials().names();
    // The nodes carry the materials they use, renumbered among those alone.
    std::set<std::size_t> used;
    forEachNode(*top, [&](Node& node) {
        const std::int32_t texture = node.m_texture.ID;
        if (texture >= 0 && texture < project.imageCount) used.insert(static_cast<std::size_t>(texture));
        const std::int32_t model = node.m_shape.type - kShapeFirstModel;
        if (model >= 0 && project.imageCount + model < static_cast<std::int32_t>(files.size())) {
            used.insert(static_cast<std::size_t>(project.imageCount + model));
        }
    });
    std::vector<ClipboardMaterial> carried;
    for (std::size_t index : used) {
        const MaterialFile& file = files[index];
        std::optional<std::string> bytes = readFileBytes(std::filesystem::path(m_g.workDir) / file.fileName);
        if (!bytes) continue;  // gone from the workspace: the nodes lose it as they would on reopening
        carried.push_back({file.fileName, std::move(*bytes), file.isModel});
    }
    rememberSubtreeMaterials(*top, project);
    relinkSubtreeMaterials(*top, namesOf(carried));
    return packNodeClipboard(*top, carried);
}

TreeEditResult Editor::pasteNodeBytes(std::string_view bytes) {
    const ChangeBatch batch(*this);
    std::optional<NodeClipboardContent> content = unpackNodeClipboard(bytes);
    if (!content) {
        const TreeEditResult refused = TreeEditResult::refused(Message("fg::Editor", kBrokenPayload),
                                                               persistence_text::programName());
        showError(refused.message, refused.caption);
        return refused;
    }
    // Pasted as the next sibling of the selected node.
    const Node* selected = m_g.tree.selected();
    const bool besideSelected = selected != nullptr && selected->m_pParent != nullptr;
    const std::int32_t parentId = besideSelected ? selected->m_pParent->m_ID : 0;
    const int position = besideSelected ? selected->m_index + 1 : m_g.tree.root().childCount();
    // The limits first, so that a refused paste leaves the materials alone.
    if (TreeCommandPlan trial = planInsert(m_g.tree, parentId, position, *content->top); !trial.edit) {
        return runTreePlan(std::move(trial));
    }
    Node& top = *content->top;
    rememberSubtreeMaterials(top, namesOf(content->materials));
    if (!content->materials.empty()) {
        std::optional<Message> failed;
        EditorState& g = m_g;
        changeDocument([&] {
            std::vector<std::string> renamed(content->materials.size());
            keepingMaterialReferences(g.tree, m_history.savedSubtrees(), [&] { return materials().names(); }, [&] {
                const std::filesystem::path workDir(g.workDir);
                std::vector<std::string> present;
                for (const MaterialFile& file : materials().list()) present.push_back(file.fileName);
                for (std::size_t i = 0; i < content->materials.size() && !failed; ++i) {
                    const ClipboardMaterial& material = content->materials[i];
                    const PlacedMaterial placed = placeMaterial(workDir, present, material.fileName, material.bytes);
                    renamed[i] = placed.fileName;
                    if (!placed.written) continue;
                    if (const FileWriteResult written = writeFileBytes(workDir / placed.fileName, material.bytes);
                        !written) {
                        failed = persistence_text::cannotWrite((workDir / placed.fileName).string(), written.error);
                        continue;
                    }
                    present.push_back(placed.fileName);
                }
            });
            // The pasted nodes name their materials as they came in.
            std::map<std::string, std::string> imageNames;
            std::map<std::string, std::string> modelNames;
            for (std::size_t i = 0; i < renamed.size(); ++i) {
                const ClipboardMaterial& material = content->materials[i];
                (material.isModel ? modelNames : imageNames)[materialNameOf(material.fileName)] = materialNameOf(renamed[i]);
            }
            forEachNode(top, [&](Node& node) {
                if (const auto image = imageNames.find(node.m_texture.name); image != imageNames.end()) {
                    node.m_texture.name = image->second;
                }
                if (const auto model = modelNames.find(node.m_shape.objName); model != modelNames.end()) {
                    node.m_shape.objName = model->second;
                }
            });
            relinkSubtreeMaterials(top, materials().names());
        });
        markModified();
        notify(DocumentPart::Materials | DocumentPart::Page);
        if (failed) {
            showError(*failed, persistence_text::message(persistence_text::kWriteErrorCaption));
            return TreeEditResult::refused(*failed, persistence_text::message(persistence_text::kWriteErrorCaption));
        }
    } else {
        relinkSubtreeMaterials(top, materials().names());
    }
    return runTreePlan(planInsert(m_g.tree, parentId, position, top));
}

}  // namespace fg
