#pragma once
// Changes of the material files (import, delete, rename, replace, mirror)
// as edits. The files live in the workspace, outside the effect, so the
// history reaches them through a MaterialStore its caller hands in. An edit
// keeps the bytes of both sides of every file it changes, so undo and redo
// never depend on a file elsewhere still being there. Nodes refer to
// materials by list position: applying keeps every reference by name across
// the change, follows a rename, and undoing a delete points the nodes that
// used the material at it again.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/EffectTree.h"
#include "model/MaterialNames.h"

namespace fg {

struct MaterialFileChange {
    std::string fileName;               // in the workspace
    std::optional<std::string> before;  // the bytes; nothing: no such file
    std::optional<std::string> after;
};

// A node that used a deleted material, and how.
struct MaterialUser {
    std::int32_t nodeId = 0;
    bool texture = false;
    bool model = false;
};

struct MaterialEdit {
    std::vector<MaterialFileChange> files;
    // A rename: the material's name before and after (both empty otherwise).
    std::string renamedFrom;
    std::string renamedTo;
    // A delete: the material's name and the nodes that used it.
    std::string deleted;
    std::vector<MaterialUser> users;
};

// The workspace's material files, as the history's caller reaches them.
class MaterialStore {
public:
    virtual ~MaterialStore() = default;
    // The material list as it stands now.
    virtual MaterialNameList names() const = 0;
    // Writes the file, or removes it when there are no bytes. False on failure.
    virtual bool write(const std::string& fileName, const std::optional<std::string>& bytes) = 0;
};

// The nodes of `tree` that use material `index` of `materials` (a texture
// for an image, a model shape for a model).
std::vector<MaterialUser> materialUsers(const EffectTree& tree, const MaterialNameList& materials, int index);

// Runs `change`, which adds, removes or renames material files, with every
// material reference of `tree` and of the `saved` subtrees carried across it
// by name: nodes refer to materials by list position, which the change shifts.
void keepingMaterialReferences(EffectTree& tree, const std::vector<Node*>& saved,
                               const std::function<MaterialNameList()>& names, const std::function<void()>& change);

// Writes one side of `edit` (the before side when `undoing`) with every
// reference of `tree` and of the `saved` subtrees kept across it.
void applyMaterialEdit(const MaterialEdit& edit, bool undoing, EffectTree& tree, const std::vector<Node*>& saved,
                       MaterialStore& store);

}  // namespace fg
