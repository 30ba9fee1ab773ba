#pragma once
// The editor's document state `g`: one object the application owns and
// passes to whatever needs it. Core code never reaches for a global.

#include <cstdint>
#include <string>
#include <vector>

#include "model/EffectTree.h"
#include "model/Graph.h"
#include "model/ProjectSettings.h"

namespace fg {

inline constexpr const char* kUntitledFileName = "無題.nbx";

struct EditorState {
    EffectTree tree = EffectTree::startup();  // g.pRoot and g.pSelNode
    ProjectSettings project;
    WriteSettings write;
    CameraPlacement camera;
    std::vector<ViewEntry> viewList = defaultViewList();
    std::string fileName = kUntitledFileName;  // UTF-8 path or bare name
    bool hasFileName = false;
    bool isModified = false;
    std::int32_t fileVersion = 3;  // version of the project file last opened
    std::string appDir;   // program folder (shipped resources)
    std::string workDir;  // this instance's workspace
    PointClipboard pointClipboard;

    Node* pRoot() { return &tree.root(); }
    Node* pSelNode() { return tree.selected(); }
    const Node* pRoot() const { return &tree.root(); }
    const Node* pSelNode() const { return tree.selected(); }
};

// A deep copy of the document, for work that runs beside the editor (an
// export) and must not see later edits.
inline EditorState copyOf(const EditorState& g) {
    return EditorState{g.tree.copy(), g.project,   g.write,      g.camera,  g.viewList,      g.fileName,
                       g.hasFileName, g.isModified, g.fileVersion, g.appDir, g.workDir, g.pointClipboard};
}

}  // namespace fg
