#pragma once
// The material panel's commands: the list of images and models in the
// workspace, import, delete, save and mirror, with the nodes' material
// references kept across every change of the list. A part of the Editor,
// announcing through its documentChanged signal.

#include <functional>
#include <string>
#include <vector>

#include "model/MaterialNames.h"
#include "persistence/MaterialFiles.h"

namespace fg {

class Editor;

class MaterialController {
public:
    explicit MaterialController(Editor& editor) : m_editor(editor) {}
    MaterialController(const MaterialController&) = delete;
    MaterialController& operator=(const MaterialController&) = delete;

    // The material list: images first, then models.
    std::vector<MaterialFile> list() const;
    // Today's list as names, for references kept by name.
    MaterialNameList names() const;
    // Imports the files in order with one reload; nodes keep their
    // materials. Files that cannot be read are named in one message and
    // the others still come in. Returns how many were imported.
    int importFiles(const std::vector<std::string>& paths);
    // Deletes material `index`; nodes that used it lose it.
    bool remove(int index);
    // How many nodes of the effect use material `index` (as texture or model).
    int nodesUsing(int index) const;
    // Copies material `index` to `destination`.
    bool saveCopy(int index, const std::string& destination) const;
    // Mirrors image material `index` left to right (models: a message).
    bool mirror(int index);

private:
    void changeList(const std::function<void()>& change);
    const std::string& workDir() const;

    Editor& m_editor;
};

}  // namespace fg
