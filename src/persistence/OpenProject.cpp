#include "persistence/OpenProject.h"

#include <filesystem>

#include "persistence/Archive.h"
#include "persistence/MaterialFiles.h"
#include "persistence/Messages.h"
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

OpenProjectResult failed(std::string message) { return {false, std::move(message)}; }

}  // namespace

OpenProjectResult openProjectForTool(EditorState& g, const std::string& path,
                                     std::optional<int> fileVersionOverride) {
    // What the editor's reset and load do before reading.
    g.viewList = defaultViewList();
    g.project.reset();
    g.write.reset();
    g.tree.clear();

    const fs::path project(path);
    std::error_code ec;
    fs::path settingsFile;
    std::int32_t version = kLooseSettingsVersion;
    if (fs::is_directory(project, ec) || isSettingsFileName(project)) {
        settingsFile = fs::is_directory(project, ec) ? project / kSaveIniName : project;
        if (!fs::is_regular_file(settingsFile, ec)) return failed(persistence_text::cannotRead(path));
        const fs::path folder = settingsFile.parent_path().empty() ? fs::path(".") : settingsFile.parent_path();
        if (g.workDir.empty()) g.workDir = folder.string();
        else if (!copyMaterials(folder, g.workDir)) return failed(persistence_text::kWorkspaceError);
    } else {
        if (g.workDir.empty() || !fs::is_directory(g.workDir, ec)) return failed(persistence_text::kWorkspaceError);
        const UnpackResult unpacked = unpackProject(project, g.workDir, path);
        if (!unpacked.result.ok) return failed(unpacked.result.message);
        version = unpacked.version;
        settingsFile = fs::path(g.workDir) / kSaveIniName;
    }

    g.fileVersion = fileVersionOverride.value_or(version);
    if (!readSaveIniFile(g, settingsFile)) return failed(persistence_text::cannotRead(path));
    g.fileName = path;
    g.hasFileName = true;
    g.isModified = false;
    return {true, {}};
}

}  // namespace fg
