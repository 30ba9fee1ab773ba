#pragma once
// An editor in a scratch FULGRANE3D_HOME, with prompts answered from a
// script and every question recorded.

#include <cstdlib>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Editor.h"
#include "persistence/TempDir.h"
#include "persistence/Workspace.h"

namespace fg::test {

class ScriptedPrompts : public EditorPrompts {
public:
    SaveAnswer saveAnswer = SaveAnswer::Cancel;
    std::optional<std::string> savePath;  // nothing: the save dialog is cancelled
    std::optional<std::string> openPath;  // nothing: the open dialog is cancelled
    bool removeMissing = false;
    bool revert = false;
    bool deleteUsedMaterial = false;
    bool reloadMaterial = false;

    std::vector<std::string> asked;  // "save?", "save dialog", "open dialog", "remove <path>?", "error <text>",
                                     // "delete <material> used by <n>?", "reload <material>?"
    std::string lastErrorCaption;

    SaveAnswer askSaveChanges() override {
        asked.push_back("save?");
        return saveAnswer;
    }
    std::optional<std::string> askSavePath() override {
        asked.push_back("save dialog");
        return savePath;
    }
    std::optional<std::string> askOpenPath() override {
        asked.push_back("open dialog");
        return openPath;
    }
    bool askRemoveMissingRecent(const std::string& path) override {
        asked.push_back("remove " + path + "?");
        return removeMissing;
    }
    bool askRevertToSaved(const std::string& path) override {
        asked.push_back("revert to " + path + "?");
        return revert;
    }
    void showError(const Message& message, const Message& caption) override {
        asked.push_back("error " + message.sourceText());
        lastErrorCaption = caption.sourceText();
    }
    bool askDeleteUsedMaterial(const std::string& name, int users) override {
        asked.push_back("delete " + name + " used by " + std::to_string(users) + "?");
        return deleteUsedMaterial;
    }
    bool askReloadMaterial(const std::string& name) override {
        asked.push_back("reload " + name + "?");
        return reloadMaterial;
    }
};

// FULGRANE3D_HOME points into a scratch folder for the life of the object.
class ScratchHome {
public:
    ScratchHome() { ::setenv("FULGRANE3D_HOME", m_dir.path().c_str(), 1); }
    ~ScratchHome() { ::unsetenv("FULGRANE3D_HOME"); }
    ScratchHome(const ScratchHome&) = delete;
    ScratchHome& operator=(const ScratchHome&) = delete;

    std::string file(const std::string& name) const { return (m_dir / name).string(); }
    const std::filesystem::path& path() const { return m_dir.path(); }

private:
    TempDir m_dir;
};

// The live preview simulation as the worker's view receives it, for a test
// that steps it in the worker's place (the worker is left idle).
inline Simulation& previewSimulation(Editor& editor) {
    Simulation* simulation = nullptr;
    editor.attachView([&simulation](Simulation& live) -> std::unique_ptr<WorkerView> {
        simulation = &live;
        return nullptr;
    });
    return *simulation;
}

inline std::unique_ptr<Editor> makeEditor(ScriptedPrompts* prompts) {
    auto editor = std::make_unique<Editor>(*ScopedWorkspace::create(defaultWorkspaceRoot()));
    editor->setPrompts(prompts);
    return editor;
}

}  // namespace fg::test
