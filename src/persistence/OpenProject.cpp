#include "persistence/OpenProject.h"

#include <filesystem>

#include "persistence/MaterialFiles.h"
#include "persistence/Messages.h"
#include "persistence/ProjectDocument.h"
#include "persistence/SaveIni.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

constexpr std::int32_t kLooseSettingsVersion = 3;

bool isSettingsFileName(const fs::path& path) {
    std::string extension = path.extension().string();
    for (char& c : extension) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return extension == ".ini";
}

// Materials of a loose project folder, copied into the tool's workspace so
// that everything after the open reads one folder, as in the editor.
bool copyMaterials(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    if (fs::equivalent(from, to, ec)) return true;
    for (const MaterialFile& material : listMaterialFiles(from)) {
        fs::copy_file(from / material.fileName, to / material.fileName, fs::copy_options::overwrite_existing, ec);
        if (ec) return false;
    }
    return true;
}

OpenProjectResult failed(Message message) { return {false, std::move(message)}; }

OpenProjectResult workspaceFailed() { return failed(persistence_text::message(persistence_text::kWorkspaceError)); }

}  // namespace

OpenProjectResult openProjectForTool(EditorState& g, const std::string& path,
                                     std::optional<int> fileVersionOverride) {
    // What the editor's reset does before its load.
    g.viewList = defaultViewList();
    g.project.reset();
    g.write.reset();
    g.tree.clear();

    const fs::path project(path);
    std::error_code ec;
    const bool looseFolder = fs::is_directory(project, ec) || isSettingsFileName(project);
    if (!looseFolder) {
        if (g.workDir.empty() || !fs::is_directory(g.workDir, ec)) return workspaceFailed();
        const IoResult read = readProjectArchive(g, path, fileVersionOverride);
        return {read.ok, read.message};
    }

    // A project folder as the editor's workspace holds it, for scripts that
    // generate one without packing it.
    const fs::path settingsFile = fs::is_directory(project, ec) ? project / kSaveIniName : project;
    if (!fs::is_regular_file(settingsFile, ec)) return failed(persistence_text::cannotRead(path));
    const fs::path folder = settingsFile.parent_path().empty() ? fs::path(".") : settingsFile.parent_path();
    if (g.workDir.empty()) g.workDir = folder.string();
    else if (!copyMaterials(folder, g.workDir)) return workspaceFailed();

    g.fileVersion = fileVersionOverride.value_or(kLooseSettingsVersion);
    if (!readSaveIniFile(g, settingsFile)) return failed(persistence_text::cannotRead(path));
    g.fileName = path;
    g.hasFileName = true;
    g.isModified = false;
    return {true, {}};
}

}  // namespace fg
