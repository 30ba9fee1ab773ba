#pragma once
// The document operations on the editor state without their windows:
// resetting the workspace, saving to a path, loading a project file, and the
// window title. Where the editor stops its preview or releases its
// materials, the caller passes those steps in as hooks.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>
#include <filesystem>

#include "model/EditorState.h"
#include "persistence/Archive.h"
#include "persistence/IoResult.h"
#include "persistence/Workspace.h"

namespace fg {

struct DocumentHooks {
    std::function<void()> stopSimulation;    // stop the worker and clear the running simulation
    std::function<void()> releaseMaterials;  // let go of every workspace file before it is deleted
};

// "無題.nbx* - Fulgrane3D": the file name of g.fileName, "*" when modified.
std::string titleText(const EditorState& g);

// A fresh, empty workspace (g.workDir follows it), the default view list and
// the project and export settings reset. When no fresh folder can be made
// the old one stays (g.workDir still names it) and nothing is reset.
IoResult resetWorkspace(EditorState& g, ScopedWorkspace& workspace, const DocumentHooks& hooks);

// Writes save.ini, packs it with the materials into `path` (the old file
// stays intact if anything fails; the message names the reason), deletes
// save.ini again and marks the document saved under `path`. Temporary files
// that earlier saves of `path` left when they were killed go first. Refused, with nothing written, while the
// workspace folder is missing. The caller updates the title and adds the
// path to the recent files.
IoResult saveProjectTo(EditorState& g, const std::string& path);

// What a save would pack, taken on the editing thread without writing
// anything: the settings text and the material files of the workspace.
// packSnapshot then makes the bytes a save would write, reading only files,
// so it may run on another thread (a material deleted meanwhile makes it
// fail, and a later snapshot succeeds). Nothing when the tree cannot be stored.
struct ProjectSnapshot {
    std::filesystem::path workDir;
    std::vector<std::string> materialFiles;
    std::string saveIni;  // the settings file's bytes
};
std::optional<ProjectSnapshot> snapshotProject(const EditorState& g);
PackedProject packSnapshot(const ProjectSnapshot& snapshot);

// Unpacks the .nbx at `path` into g.workDir (an existing, fresh folder) and
// reads its settings and nodes, selecting the first node; marks the
// document as opened from `path`. The editor's open and the command-line
// tools both come through here, so they can never read a project
// differently. Temporaries that killed saves of `path` left beside it are
// removed. fileVersionOverride replaces the archive's version for the
// settings upgrades. On failure the tree is empty.
IoResult readProjectArchive(EditorState& g, const std::string& path,
                            std::optional<std::int32_t> fileVersionOverride = std::nullopt);

// Stops the simulation, resets the workspace, clears the tree, unpacks
// `path` and reads its settings and nodes, selecting the first node; marks
// the document as opened from `path`. On failure the workspace is fresh, the
// tree empty and nothing is selected. The caller then refreshes its panels,
// the material list, the preview, the title and the recent files.
IoResult loadProject(EditorState& g, ScopedWorkspace& workspace, const std::string& path,
                     const DocumentHooks& hooks);

}  // namespace fg
