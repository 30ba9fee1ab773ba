#pragma once
// The material panel's commands: the list of images and models in the
// workspace, import, delete, rename, replace, reload, save and mirror, with
// the nodes' material references kept across every change of the list.
// Each change of the files is an edit-history entry. A part of the Editor,
// announcing through its documentChanged signal; it is also the history's
// way to the workspace's material files.

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "history/Edit.h"
#include "history/MaterialEdit.h"
#include "model/MaterialNames.h"
#include "persistence/MaterialFiles.h"

namespace fg {

class Editor;

class MaterialController : public MaterialStore {
public:
    explicit MaterialController(Editor& editor) : m_editor(editor) {}
    MaterialController(const MaterialController&) = delete;
    MaterialController& operator=(const MaterialController&) = delete;

    // The material list: images first, then models.
    std::vector<MaterialFile> list() const;
    // Today's list as names, for references kept by name.
    MaterialNameList names() const override;
    // Imports the files in order with one reload and one history entry;
    // nodes keep their materials. Files that cannot be read are named in
    // one message and the others still come in. Returns how many were
    // imported.
    int importFiles(const std::vector<std::string>& paths);
    // Deletes material `index`; nodes that used it lose it (undo gives it back).
    bool remove(int index);
    // The same, asking first when nodes use it; false when the answer is no.
    bool removeAsking(int index);
    // How many nodes of the effect use material `index` (as texture or model).
    int nodesUsing(int index) const;
    // Copies material `index` to `destination`.
    bool saveCopy(int index, const std::string& destination) const;
    // Mirrors image material `index` left to right (models: a message).
    bool mirror(int index);
    // Renames material `index` to `name`; its file keeps its extension and
    // the nodes that use it follow. A name the project file cannot hold or
    // that another material has gives a message.
    bool rename(int index, const std::string& name);
    // Material `index` takes the content of the file at `path` (an image
    // for an image, a model for a model), keeping its name and its users.
    bool replace(int index, const std::string& path);
    // Whether material `index` came from a file in this session and that
    // file has changed on disk since.
    bool canReload(int index) const;
    // Reads that file again after asking; false when nothing changed.
    bool reload(int index);

    // MaterialStore: the history writes material files through here.
    bool write(const std::string& fileName, const std::optional<std::string>& bytes) override;

private:
    // A file a material was made from, as it was when it was read.
    struct Source {
        std::filesystem::path path;
        std::filesystem::file_time_type modified;
        std::uintmax_t size = 0;
    };

    // Applies and records `edit`; the panels, the pages and the preview follow.
    bool pushEdit(Edit edit);
    // Replace and reload: `source` imported under material `index`'s file.
    bool replaceWith(int index, const std::filesystem::path& source, const char* label);
    void rememberSource(const std::string& fileName, const std::filesystem::path& path);
    const std::string& workDir() const;
    std::optional<MaterialFile> at(int index) const;

    Editor& m_editor;
    std::map<std::string, Source> m_sources;  // by workspace file name
};

}  // namespace fg
