#pragma once
// The settings file "save.ini": section "0" with the project, export and
// camera settings, one "ViewList%d" section per saved view, and one numbered
// section per node. The top-level nodes are sections 1, 2, 3 …; the child at
// position i of the node in section N is section N × 10 + i + 1.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "model/EditorState.h"
#include "persistence/Ini.h"
#include "persistence/IoResult.h"

namespace fg {

inline constexpr const char* kSaveIniName = "save.ini";

// A node's children in the numbering: positions 0 … 8 end in the digits
// 1 … 9 and position 9 ends in 0 (N × 10 + 10), which no other node's
// number can be. An eleventh child would take the number of another node.
inline constexpr int kMaxSectionChildren = 10;
// A stored point count above this is a damaged file, not a curve.
inline constexpr int kMaxCurvePoints = 10000;

// Section of the child at `position` of the node in section `parent` (the
// root counts as section 0); nullopt when it would not fit in 64 bits.
std::optional<std::int64_t> childSection(std::int64_t parent, int position);

// The whole settings file for the state. Fails, with the text to show, only
// for a tree the numbering cannot hold.
std::optional<IoResult> buildSaveIni(const EditorState& g, IniDocument& out);

// Section "0" and the view list. Missing keys read as 0; a list without
// views gets the "＜追加＞" row.
void readSettings(EditorState& g, const IniDocument& ini);
// Replaces the tree with the stored nodes, read with the upgrades for
// g.fileVersion, and selects the first top-level node (nothing if none).
void readNodeTree(EditorState& g, const IniDocument& ini);

// One node with its subtree in the same sections, the node itself as
// section "1" (its children 11, 12 …), as the node clipboard carries it.
// Fails as buildSaveIni does for a subtree the numbering cannot hold.
std::optional<IoResult> writeSubtree(const Node& top, IniDocument& out);
// The node of section "1" with its subtree, read as readNodeTree reads
// nodes for `version` (IDs as stored); null when there is no such section.
std::unique_ptr<Node> readSubtree(const IniDocument& ini, std::int32_t version);

// g.workDir/save.ini, written from scratch.
IoResult writeSaveIniFile(const EditorState& g);
// Settings and tree from a save.ini file; false when it cannot be read.
bool readSaveIniFile(EditorState& g, const std::filesystem::path& path);

}  // namespace fg
