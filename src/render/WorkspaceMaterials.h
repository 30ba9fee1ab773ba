#pragma once
// Loads a workspace's material files into the renderer's draw assets: the
// one way both the editor and the command-line tool read materials, so the
// two never show a project differently.

#include <string>
#include <vector>

#include "render/DrawAssets.h"

namespace fg {

// Returns one line per file that could not be read (its place stays empty).
std::vector<std::string> loadWorkspaceMaterials(DrawAssets& assets, const std::string& workDir);

}  // namespace fg
