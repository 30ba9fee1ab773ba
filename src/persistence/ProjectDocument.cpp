#include "persistence/ProjectDocument.h"

#include <filesystem>

#include "persistence/Archive.h"
#include "persistence/FileBytes.h"
#include "persistence/Ini.h"
#include "persistence/MaterialFiles.h"
#include "persistence/Messages.h"
#include "persistence/SaveIni.h"

namespace fg {
namespace {

void call(const std::function<void()>& hook) {
    if (hook) hook();
}

void markSavedAs(EditorState& g, const std::string& path) {
    g.hasFileName = true;
    g.fileName = path;
    g.isModified = false;
}

}  // namespace

std::string titleText(const EditorState& g) {
    std::string title = std::filesystem::path(g.fileName).filename().string();
    if (g.isModified) title += "*";
    return title + " - " + persistence_text::kProgramName;
}

IoResult resetWorkspace(EditorState& g, ScopedWorkspace& workspace, const DocumentHooks& hooks) {
    if (workspace.active()) call(hooks.releaseMaterials);
    IoResult renewed = workspace.renew();
    g.workDir = workspace.path().string();
    if (!renewed.ok) {
        return IoResult::failure(persistence_text::message(persistence_text::kWorkspaceError),
                                 persistence_text::programName());
    }
    g.viewList = defaultViewList();
    g.project.reset();
    g.write.reset();
    return IoResult::success();
}

IoResult saveProjectTo(EditorState& g, const std::string& path) {
    // Without its folder the settings file would land wherever the process
    // happens to be, and be deleted from there again.
    std::error_code ec;
    if (g.workDir.empty() || !std::filesystem::is_directory(g.workDir, ec)) {
        return IoResult::failure(persistence_text::message(persistence_text::kWorkspaceError),
                                 persistence_text::programName());
    }
    // Saves killed between writing and renaming left their temporaries here.
    removeStaleTemporaries({path});
    const IoResult written = writeSaveIniFile(g);
    IoResult packed = written;
    if (written.ok) {
        packed = packProject(g.workDir, materialFileNames(listMaterialFiles(g.workDir)), path);
    }
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::path(g.workDir) / kSaveIniName, ignored);
    if (!packed.ok) return packed;
    markSavedAs(g, path);
    return IoResult::success();
}

std::optional<ProjectSnapshot> snapshotProject(const EditorState& g) {
    IniDocument ini;
    if (buildSaveIni(g, ini)) return std::nullopt;
    return ProjectSnapshot{g.workDir, materialFileNames(listMaterialFiles(g.workDir)), ini.serializeCp932()};
}

PackedProject packSnapshot(const ProjectSnapshot& snapshot) {
    return packProjectBytes(snapshot.workDir, snapshot.materialFiles, snapshot.saveIni);
}

IoResult readProjectArchive(EditorState& g, const std::string& path, std::optional<std::int32_t> fileVersionOverride) {
    g.tree.clear();
    removeStaleTemporaries({path});
    const UnpackResult unpacked = unpackProject(path, g.workDir, path);
    if (!unpacked.result.ok) return unpacked.result;
    g.fileVersion = fileVersionOverride.value_or(unpacked.version);
    const auto saveIni = std::filesystem::path(g.workDir) / kSaveIniName;
    if (!readSaveIniFile(g, saveIni)) {
        g.tree.clear();
        return IoResult::failure(persistence_text::message(persistence_text::kBrokenFile),
                                 persistence_text::programName());
    }
    markSavedAs(g, path);
    return IoResult::success();
}

IoResult loadProject(EditorState& g, ScopedWorkspace& workspace, const std::string& path,
                     const DocumentHooks& hooks) {
    call(hooks.stopSimulation);
    if (IoResult reset = resetWorkspace(g, workspace, hooks); !reset.ok) {
        g.tree.clear();
        return reset;
    }
    const IoResult read = readProjectArchive(g, path);
    if (!read.ok) {
        // Whatever the archive got as far as writing goes with the old folder.
        // A failure here leaves g.workDir on the old folder, which the
        // caller's next reset tries again; the open has failed either way.
        (void)resetWorkspace(g, workspace, hooks);
        g.tree.clear();
    }
    return read;
}

}  // namespace fg
