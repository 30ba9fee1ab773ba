#pragma once
// Mesh vertices as the Poly program reads them: position then texture
// coordinate, 20 bytes. A sub-mesh is drawn as one triangle strip; a mesh
// has two sets of sub-meshes, set 0 for the preview and set 1 (finer) for
// the export.

#include <array>
#include <vector>

namespace fg {

struct MeshVertex {
    float x, y, z;
    float u, v;
};
static_assert(sizeof(MeshVertex) == 20);

using SubMesh = std::vector<MeshVertex>;
using VertexSets = std::array<std::vector<SubMesh>, 2>;

inline constexpr int kPreviewSet = 0;
inline constexpr int kExportSet = 1;

}  // namespace fg
