#include "app/MaterialController.h"

#include <QStringList>
#include <algorithm>
#include <filesystem>

#include "app/Editor.h"
#include "model/MaterialNames.h"
#include "persistence/Messages.h"
#include "render/MaterialImport.h"

namespace fg {

const std::string& MaterialController::workDir() const {
    return m_editor.state().workDir;
}

std::vector<MaterialFile> MaterialController::list() const {
    return listMaterialFiles(workDir());
}

MaterialNameList MaterialController::names() const {
    MaterialNameList result;
    for (const MaterialFile& material : list()) {
        result.names.push_back(material.name);
        if (!material.isModel) ++result.imageCount;
    }
    return result;
}

void MaterialController::changeList(const std::function<void()>& change) {
    EditorState& g = m_editor.m_g;
    m_editor.changeDocument([&] {
        // Nodes refer to materials by list position: names carry the
        // references over the change. The nodes that add and delete entries
        // hold out of the tree come back by undo or redo, so theirs too.
        const MaterialNameList before = names();
        rememberTextureNames(g.tree.root(), before);
        rememberModelNames(g.tree.root(), before);
        const std::vector<Node*> saved = m_editor.m_history.savedSubtrees();
        for (Node* subtree : saved) rememberSubtreeMaterials(*subtree, before);
        change();
        const MaterialNameList after = names();
        relinkTextures(g.tree.root(), after);
        relinkModels(g.tree.root(), after);
        for (Node* subtree : saved) relinkSubtreeMaterials(*subtree, after);
    });
    // The materials travel with the project file.
    m_editor.markModified();
    m_editor.notify(DocumentPart::Materials | DocumentPart::Page);
}

int MaterialController::importFiles(const std::vector<std::string>& paths) {
    const Editor::ChangeBatch batch(m_editor);
    if (paths.empty()) return 0;
    int imported = 0;
    QStringList unreadable;
    changeList([&] {
        for (const std::string& path : paths) {
            switch (importMaterialFile(workDir(), path)) {
            case ImportOutcome::Imported: ++imported; break;
            case ImportOutcome::Ignored: break;
            case ImportOutcome::Unreadable:
                unreadable.append(Editor::tr("「%1」は読み込めませんでした。").arg(QString::fromStdString(path)));
                break;
            }
        }
    });
    // The lines are already in the interface language.
    if (!unreadable.isEmpty()) {
        m_editor.showError(Message::verbatim(unreadable.join(QLatin1Char('\n')).toStdString()),
                           persistence_text::programName());
    }
    return imported;
}

bool MaterialController::remove(int index) {
    const Editor::ChangeBatch batch(m_editor);
    const std::vector<MaterialFile> files = list();
    if (index < 0 || static_cast<std::size_t>(index) >= files.size()) return false;
    bool removed = false;
    changeList([&] {
        std::error_code ec;
        removed = std::filesystem::remove(
            std::filesystem::path(workDir()) / files[static_cast<std::size_t>(index)].fileName, ec);
    });
    return removed;
}

int MaterialController::nodesUsing(int index) const {
    const std::vector<MaterialFile> files = list();
    if (index < 0 || static_cast<std::size_t>(index) >= files.size()) return 0;
    const auto images = std::count_if(files.begin(), files.end(), [](const MaterialFile& m) { return !m.isModel; });
    const bool model = files[static_cast<std::size_t>(index)].isModel;
    const auto shapeType = static_cast<std::int32_t>(kShapeFirstModel + index - images);
    int users = 0;
    const std::function<void(const Node&)> count = [&](const Node& node) {
        if (model ? node.m_shape.type == shapeType : node.m_texture.ID == index) ++users;
        for (const auto& child : node.m_children) count(*child);
    };
    for (const auto& child : m_editor.state().tree.root().m_children) count(*child);
    return users;
}

bool MaterialController::saveCopy(int index, const std::string& destination) const {
    const std::vector<MaterialFile> files = list();
    if (index < 0 || static_cast<std::size_t>(index) >= files.size()) return false;
    std::error_code ec;
    const std::filesystem::path source =
        std::filesystem::path(workDir()) / files[static_cast<std::size_t>(index)].fileName;
    if (std::filesystem::equivalent(source, destination, ec)) return true;
    std::filesystem::copy_file(source, destination, std::filesystem::copy_options::overwrite_existing, ec);
    return !ec;
}

bool MaterialController::mirror(int index) {
    const Editor::ChangeBatch batch(m_editor);
    const std::vector<MaterialFile> files = list();
    if (index < 0 || static_cast<std::size_t>(index) >= files.size()) return false;
    const MaterialFile& material = files[static_cast<std::size_t>(index)];
    if (material.isModel) {
        m_editor.showError(Message("fg::Editor", FG_TRANSLATE_NOOP("fg::Editor", "この機能は３Ｄモデルに対して使うことはできません。")),
                           persistence_text::programName());
        return false;
    }
    bool mirrored = false;
    // The name and the position stay: no reference needs converting.
    m_editor.changeDocument([&] { mirrored = mirrorImageFile(std::filesystem::path(workDir()) / material.fileName); });
    if (!mirrored) return false;
    m_editor.markModified();
    m_editor.notify(DocumentPart::Materials);
    return true;
}

}  // namespace fg
