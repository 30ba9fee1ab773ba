#include "app/MaterialController.h"

#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>

#include "app/Editor.h"
#include "model/MaterialNames.h"
#include "persistence/Archive.h"
#include "persistence/FileBytes.h"
#include "persistence/Messages.h"
#include "render/MaterialImport.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

Message editorText(const char* text) { return Message("fg::Editor", text); }

Message materialLabel(const char* text, const std::string& name) {
    return Message("fg::history_text", text).arg(Message::verbatim(name));
}

// The material name of a workspace file: its name without the last extension.
std::string materialNameOf(const std::string& fileName) { return fileName.substr(0, fileName.rfind('.')); }

bool isModelFile(const std::string& fileName) { return fileName.ends_with(".obj"); }

fs::path stagingPath(const QTemporaryDir& staging) { return fs::path(staging.path().toStdString()); }

}  // namespace

const std::string& MaterialController::workDir() const {
    return m_editor.state().workDir;
}

std::vector<MaterialFile> MaterialController::list() const {
    return listMaterialFiles(workDir());
}

std::optional<MaterialFile> MaterialController::at(int index) const {
    std::vector<MaterialFile> files = list();
    if (index < 0 || static_cast<std::size_t>(index) >= files.size()) return std::nullopt;
    return std::move(files[static_cast<std::size_t>(index)]);
}

MaterialNameList MaterialController::names() const {
    MaterialNameList result;
    for (const MaterialFile& material : list()) {
        result.names.push_back(material.name);
        if (!material.isModel) ++result.imageCount;
    }
    return result;
}

bool MaterialController::write(const std::string& fileName, const std::optional<std::string>& bytes) {
    const fs::path path = fs::path(workDir()) / fileName;
    if (!bytes) {
        std::error_code ec;
        fs::remove(path, ec);
        return !ec;
    }
    // The workspace is our own folder: a link there is replaced, never followed.
    return writeFileBytes(path, *bytes, LinkRule::ReplaceLink).ok();
}

bool MaterialController::pushEdit(Edit edit) {
    EditorState& g = m_editor.m_g;
    if (!edit.changes(g.tree)) return false;
    bool pushed = false;
    // The history writes the files and carries the nodes' references over.
    m_editor.changeDocument([&] { pushed = m_editor.m_history.push(g.tree, std::move(edit), *this); });
    if (!pushed) return false;
    m_editor.notify(DocumentPart::Materials | DocumentPart::Page | DocumentPart::History | m_editor.syncModified());
    return true;
}

void MaterialController::rememberSource(const std::string& fileName, const fs::path& path) {
    std::error_code ec;
    Source source{path, fs::last_write_time(path, ec), 0};
    source.size = fs::file_size(path, ec);
    if (ec) return;
    m_sources[fileName] = std::move(source);
}

int MaterialController::importFiles(const std::vector<std::string>& paths) {
    const Editor::ChangeBatch batch(m_editor);
    if (paths.empty()) return 0;
    // The files are made in a folder of their own first, so that the edit
    // holds their bytes and the workspace changes only through the history.
    const QTemporaryDir staging;
    if (!staging.isValid()) return 0;
    const fs::path stage = stagingPath(staging);
    int imported = 0;
    QStringList unreadable;
    std::vector<std::pair<std::string, fs::path>> made;  // workspace file name, source
    for (const std::string& path : paths) {
        switch (importMaterialFile(stage, path)) {
        case ImportOutcome::Imported: {
            ++imported;
            const std::string fileName = *importedFileName(path);
            // The same name twice: the later file wins, as it would in place.
            std::erase_if(made, [&](const auto& entry) { return entry.first == fileName; });
            made.emplace_back(fileName, path);
            break;
        }
        case ImportOutcome::Ignored: break;
        case ImportOutcome::Unreadable:
            unreadable.append(Editor::tr("「%1」は読み込めませんでした。").arg(QString::fromStdString(path)));
            break;
        }
    }
    MaterialEdit change;
    std::string label;
    for (const auto& [fileName, source] : made) {
        std::optional<std::string> after = readFileBytes(stage / fileName);
        if (!after) continue;
        rememberSource(fileName, source);
        std::optional<std::string> before = readFileBytes(fs::path(workDir()) / fileName);
        if (before == after) continue;
        if (!label.empty()) label += "、";
        label += materialNameOf(fileName);
        change.files.push_back({fileName, std::move(before), std::move(after)});
    }
    if (!change.files.empty()) pushEdit(Edit::material(materialLabel(history_text::kImportMaterial, label), std::move(change)));
    // The lines are already in the interface language.
    if (!unreadable.isEmpty()) {
        m_editor.showError(Message::verbatim(unreadable.join(QLatin1Char('\n')).toStdString()),
                           persistence_text::programName());
    }
    return imported;
}

bool MaterialController::remove(int index) {
    const Editor::ChangeBatch batch(m_editor);
    const std::optional<MaterialFile> material = at(index);
    if (!material) return false;
    std::optional<std::string> bytes = readFileBytes(fs::path(workDir()) / material->fileName);
    if (!bytes) return false;
    MaterialEdit change;
    change.files.push_back({material->fileName, std::move(bytes), std::nullopt});
    // Undo gives the nodes that used it their material back.
    change.deleted = material->name;
    change.users = materialUsers(m_editor.state().tree, names(), index);
    return pushEdit(Edit::material(materialLabel(history_text::kDelete, material->name), std::move(change)));
}

bool MaterialController::removeAsking(int index) {
    const std::optional<MaterialFile> material = at(index);
    if (!material) return false;
    const int users = nodesUsing(index);
    if (users > 0) {
        EditorPrompts* prompts = m_editor.prompts();
        if (prompts == nullptr || !prompts->askDeleteUsedMaterial(material->name, users)) return false;
    }
    return remove(index);
}

int MaterialController::nodesUsing(int index) const {
    return static_cast<int>(materialUsers(m_editor.state().tree, names(), index).size());
}

bool MaterialController::saveCopy(int index, const std::string& destination) const {
    const std::optional<MaterialFile> material = at(index);
    if (!material) return false;
    std::error_code ec;
    const fs::path source = fs::path(workDir()) / material->fileName;
    if (fs::equivalent(source, destination, ec)) return true;
    fs::copy_file(source, destination, fs::copy_options::overwrite_existing, ec);
    return !ec;
}

bool MaterialController::mirror(int index) {
    const Editor::ChangeBatch batch(m_editor);
    const std::optional<MaterialFile> material = at(index);
    if (!material) return false;
    if (material->isModel) {
        m_editor.showError(editorText(FG_TRANSLATE_NOOP("fg::Editor", "この機能は３Ｄモデルに対して使うことはできません。")),
                           persistence_text::programName());
        return false;
    }
    std::optional<std::string> before = readFileBytes(fs::path(workDir()) / material->fileName);
    const QTemporaryDir staging;
    if (!before || !staging.isValid()) return false;
    const fs::path copy = stagingPath(staging) / material->fileName;
    if (!writeFileBytes(copy, *before) || !mirrorImageFile(copy)) return false;
    std::optional<std::string> after = readFileBytes(copy);
    if (!after) return false;
    // The name and the position stay: no reference needs converting.
    MaterialEdit change;
    change.files.push_back({material->fileName, std::move(before), std::move(after)});
    return pushEdit(Edit::material(materialLabel(history_text::kMirrorMaterial, material->name), std::move(change)));
}

bool MaterialController::rename(int index, const std::string& name) {
    const Editor::ChangeBatch batch(m_editor);
    const std::optional<MaterialFile> material = at(index);
    if (!material || name.empty() || name == material->name) return false;
    // The file keeps its extension: an image stays a PNG, a model an OBJ.
    const std::string fileName = name + material->fileName.substr(material->name.size());
    if (!isStorableRecordName(fileName)) {
        m_editor.showError(editorText(FG_TRANSLATE_NOOP("fg::Editor", "「%1」という名前は使えません。")).arg(name),
                           persistence_text::programName());
        return false;
    }
    const std::vector<MaterialFile> files = list();
    std::error_code ec;
    const bool taken = fs::exists(fs::path(workDir()) / fileName, ec) ||
                       std::any_of(files.begin(), files.end(), [&](const MaterialFile& m) { return m.name == name; });
    if (taken) {
        m_editor.showError(
            editorText(FG_TRANSLATE_NOOP("fg::Editor", "「%1」という名前の素材はすでにあります。")).arg(name),
            persistence_text::programName());
        return false;
    }
    std::optional<std::string> bytes = readFileBytes(fs::path(workDir()) / material->fileName);
    if (!bytes) return false;
    MaterialEdit change;
    change.files.push_back({material->fileName, bytes, std::nullopt});
    change.files.push_back({fileName, std::nullopt, std::move(bytes)});
    change.renamedFrom = material->name;
    change.renamedTo = name;
    Message label = Message("fg::history_text", history_text::kRenameMaterial)
                        .arg(Message::verbatim(material->name))
                        .arg(Message::verbatim(name));
    if (!pushEdit(Edit::material(std::move(label), std::move(change)))) return false;
    if (auto source = m_sources.extract(material->fileName)) {
        source.key() = fileName;
        m_sources.insert(std::move(source));
    }
    return true;
}

bool MaterialController::replace(int index, const std::string& path) {
    const Editor::ChangeBatch batch(m_editor);
    return replaceWith(index, path, history_text::kReplaceMaterial);
}

bool MaterialController::replaceWith(int index, const fs::path& source, const char* label) {
    const std::optional<MaterialFile> material = at(index);
    if (!material) return false;
    const std::optional<std::string> made = importedFileName(source);
    if (!made || isModelFile(*made) != material->isModel) {
        const char* text = material->isModel
                               ? FG_TRANSLATE_NOOP("fg::Editor", "「%1」は３Ｄモデルです。３Ｄモデルのファイルで置き換えてください。")
                               : FG_TRANSLATE_NOOP("fg::Editor", "「%1」は画像です。画像ファイルで置き換えてください。");
        m_editor.showError(editorText(text).arg(material->name), persistence_text::programName());
        return false;
    }
    const QTemporaryDir staging;
    if (!staging.isValid()) return false;
    const fs::path stage = stagingPath(staging);
    std::optional<std::string> after;
    if (importMaterialFile(stage, source) == ImportOutcome::Imported) after = readFileBytes(stage / *made);
    if (!after) {
        m_editor.showError(editorText(FG_TRANSLATE_NOOP("fg::Editor", "「%1」は読み込めませんでした。")).arg(source.string()),
                           persistence_text::programName());
        return false;
    }
    rememberSource(material->fileName, source);
    std::optional<std::string> before = readFileBytes(fs::path(workDir()) / material->fileName);
    if (before == after) return false;
    MaterialEdit change;
    change.files.push_back({material->fileName, std::move(before), std::move(after)});
    return pushEdit(Edit::material(materialLabel(label, material->name), std::move(change)));
}

bool MaterialController::canReload(int index) const {
    const std::optional<MaterialFile> material = at(index);
    if (!material) return false;
    const auto source = m_sources.find(material->fileName);
    if (source == m_sources.end()) return false;
    std::error_code ec;
    const auto modified = fs::last_write_time(source->second.path, ec);
    if (ec) return false;
    const auto size = fs::file_size(source->second.path, ec);
    return !ec && (modified != source->second.modified || size != source->second.size);
}

bool MaterialController::reload(int index) {
    const Editor::ChangeBatch batch(m_editor);
    if (!canReload(index)) return false;
    const MaterialFile material = *at(index);
    EditorPrompts* prompts = m_editor.prompts();
    if (prompts == nullptr || !prompts->askReloadMaterial(material.name)) return false;
    const fs::path source = m_sources.at(material.fileName).path;
    return replaceWith(index, source, history_text::kReloadMaterial);
}

}  // namespace fg
