#include "render/meshes/Trail.h"

namespace fg {

Trail::Trail() : m_vertices(makeBuffer()), m_layout(makeVertexArray()) {}

void Trail::drawTrail(PolyProgram& program, const MeshDraw& draw, std::span<const TrailPoint> points,
                      bool changingThickness, const InstanceRun& particle) {
    const std::vector<SubMesh> subMeshes = trailGeometry(points, draw.camera->eye, changingThickness, draw.exportMode);
    if (subMeshes.empty()) return;
    std::vector<MeshVertex> all;
    for (const SubMesh& subMesh : subMeshes) all.insert(all.end(), subMesh.begin(), subMesh.end());
    glBindBuffer(GL_ARRAY_BUFFER, m_vertices.id());
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(all.size() * sizeof(MeshVertex)), all.data(),
                 GL_STREAM_DRAW);
    // World-space vertices: no world matrix, neither for the projection nor
    // for the under-cut height.
    const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    prepare(program, draw, meshConstants(draw, Mat4::identity(), Mat4::identity(), white, true));
    drawSubMeshes(subMeshes, m_vertices.id(), m_layout.id(), draw, particle);
}

}  // namespace fg
