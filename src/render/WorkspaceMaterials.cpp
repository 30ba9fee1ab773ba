#include "render/WorkspaceMaterials.h"

#include "persistence/MaterialFiles.h"

namespace fg {

std::vector<std::string> loadWorkspaceMaterials(DrawAssets& assets, const std::string& workDir) {
    const MaterialPaths paths = materialPaths(workDir);
    std::vector<std::string> problems;
    assets.setMaterials(paths.images, paths.models, &problems);
    return problems;
}

}  // namespace fg
