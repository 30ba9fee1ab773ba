#pragma once
// Opening a project for a headless tool (the CLI, the simulation and render
// tests): the editor's load without its windows.

#include <optional>
#include <string>

#include "model/EditorState.h"
#include "model/Message.h"

namespace fg {

struct OpenProjectResult {
    bool ok = false;
    Message message;  // the editor's message on failure
};

// Opens PROJECT — a .nbx file, a folder holding save.ini, or a save.ini path —
// into g as the editor's load does: project/export settings, camera, view
// list, the node tree (root with defaults), first top-level node selected,
// g.fileVersion. A .nbx is unpacked into g.workDir, which the caller has set
// to an existing workspace folder (for a folder or save.ini, g.workDir may be
// empty). fileVersionOverride, when given, replaces the version used for the
// settings upgrades (a save.ini/folder otherwise counts as version 3).
OpenProjectResult openProjectForTool(EditorState& g, const std::string& path,
                                     std::optional<int> fileVersionOverride = std::nullopt);

// A fresh instance workspace for a command-line tool (under FULGRANE3D_HOME
// or the per-user cache folder), removed by the returned guard's destructor:
// see ScopedWorkspace in persistence/Workspace.h.

}  // namespace fg
