#pragma once
// The node clipboard: a node with its subtree and the material files it
// uses, as bytes another editor can paste. The bytes are a packed project
// (see Archive.h): the materials' records, then "save.ini" holding the
// nodes in the settings file's own node sections, the top node as section
// "1". The nodes refer to the materials by their position among the
// carried ones (images first, then models), as a project's nodes do.
//
// The bytes come from another program through the system clipboard, so the
// reader trusts nothing: sizes are limited and anything that is not such a
// payload is refused whole.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Node.h"

namespace fg {

inline constexpr const char* kNodeClipboardMimeType = "application/x-fulgrane3d-nodes";
// Larger payloads are refused unread.
inline constexpr std::size_t kMaxNodeClipboardBytes = std::size_t{256} << 20;
inline constexpr std::size_t kMaxNodeClipboardMaterials = 1000;

struct ClipboardMaterial {
    std::string fileName;  // the file name in a workspace ("fire.png.png", "ship.obj")
    std::string bytes;
    bool isModel = false;
};

struct NodeClipboardContent {
    std::unique_ptr<Node> top;                  // parentless, IDs as the source had them
    std::vector<ClipboardMaterial> materials;   // images first, then models
};

// The payload for `top` with `materials` (images first, then models; the
// nodes refer to them by that order). Empty when the subtree cannot be
// stored (deeper than the numbering holds) or a material name cannot.
std::string packNodeClipboard(const Node& top, const std::vector<ClipboardMaterial>& materials);

// The content of a payload; nullopt for anything that is not a sound one:
// too large, not a packed project, a newer version, a material name a
// workspace cannot take or of no material kind, no node, or a subtree
// beyond the tree's limits (children per node, depth).
std::optional<NodeClipboardContent> unpackNodeClipboard(std::string_view bytes);

}  // namespace fg
