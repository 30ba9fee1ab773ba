// The material panel's commands: import, delete, save and mirror, with the
// nodes' material references kept across every change of the list.

#include <QStringList>
#include <algorithm>
#include <filesystem>

#include "app/Editor.h"
#include "model/MaterialNames.h"
#include "render/MaterialImport.h"

namespace fg {

std::vector<MaterialFile> Editor::materials() const { return listMaterialFiles(m_g.workDir); }

MaterialNameList Editor::materialNames() const {
    MaterialNameList list;
    for (const MaterialFile& material : materials()) {
        list.names.push_back(material.name);
        if (!material.isModel) ++list.imageCount;
    }
    return list;
}

void Editor::changeMaterials(const std::function<void()>& change) {
    changeDocument([&] {
        // Nodes refer to materials by list position: names carry the
        // references over the change. The nodes that add and delete entries
        // hold out of the tree come back by undo or redo, so theirs too.
        const MaterialNameList before = materialNames();
        rememberTextureNames(m_g.tree.root(), before);
        rememberModelNames(m_g.tree.root(), before);
        const std::vector<Node*> saved = m_history.savedSubtrees();
        for (Node* subtree : saved) rememberSubtreeMaterials(*subtree, before);
        change();
        const MaterialNameList after = materialNames();
        relinkTextures(m_g.tree.root(), after);
        relinkModels(m_g.tree.root(), after);
        for (Node* subtree : saved) relinkSubtreeMaterials(*subtree, after);
    });
    // The materials travel with the project file.
    markModified();
    emit materialsChanged();
    emit pageReload();
}

int Editor::importMaterials(const std::vector<std::string>& paths) {
    if (paths.empty()) return 0;
    int imported = 0;
    QStringList unreadable;
    changeMaterials([&] {
        for (const std::string& path : paths) {
            switch (importMaterialFile(m_g.workDir, path)) {
            case ImportOutcome::Imported: ++imported; break;
            case ImportOutcome::Ignored: break;
            case ImportOutcome::Unreadable:
                unreadable.append(tr("「%1」は読み込めませんでした。").arg(QString::fromStdString(path)));
                break;
            }
        }
    });
    if (!unreadable.isEmpty()) showError(unreadable.join(QLatin1Char('\n')).toStdString(), "Fulgrane3D");
    return imported;
}

bool Editor::deleteMaterial(int index) {
    const std::vector<MaterialFile> list = materials();
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return false;
    bool removed = false;
    changeMaterials([&] {
        std::error_code ec;
        removed = std::filesystem::remove(std::filesystem::path(m_g.workDir) / list[static_cast<std::size_t>(index)].fileName, ec);
    });
    return removed;
}

int Editor::nodesUsingMaterial(int index) const {
    const std::vector<MaterialFile> list = materials();
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return 0;
    const auto images = std::count_if(list.begin(), list.end(), [](const MaterialFile& m) { return !m.isModel; });
    const bool model = list[static_cast<std::size_t>(index)].isModel;
    const auto shapeType = static_cast<std::int32_t>(kShapeFirstModel + index - images);
    int users = 0;
    const std::function<void(const Node&)> count = [&](const Node& node) {
        if (model ? node.m_shape.type == shapeType : node.m_texture.ID == index) ++users;
        for (const auto& child : node.m_children) count(*child);
    };
    for (const auto& child : m_g.tree.root().m_children) count(*child);
    return users;
}

bool Editor::saveMaterial(int index, const std::string& destination) {
    const std::vector<MaterialFile> list = materials();
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return false;
    std::error_code ec;
    const std::filesystem::path source = std::filesystem::path(m_g.workDir) / list[static_cast<std::size_t>(index)].fileName;
    if (std::filesystem::equivalent(source, destination, ec)) return true;
    std::filesystem::copy_file(source, destination, std::filesystem::copy_options::overwrite_existing, ec);
    return !ec;
}

bool Editor::mirrorMaterial(int index) {
    const std::vector<MaterialFile> list = materials();
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return false;
    const MaterialFile& material = list[static_cast<std::size_t>(index)];
    if (material.isModel) {
        showError(tr("この機能は３Ｄモデルに対して使うことはできません。").toStdString(), "Fulgrane3D");
        return false;
    }
    bool mirrored = false;
    // The name and the position stay: no reference needs converting.
    changeDocument([&] { mirrored = mirrorImageFile(std::filesystem::path(m_g.workDir) / material.fileName); });
    if (!mirrored) return false;
    markModified();
    emit materialsChanged();
    return true;
}

}  // namespace fg
