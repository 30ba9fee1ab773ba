#include "render/meshes/ObjMesh.h"

#include "render/RenderStates.h"

namespace fg {

std::unique_ptr<ObjMesh> ObjMesh::load(const std::string& path, std::string* error) {
    ObjReadResult result = readObj(path);
    if (!result.ok) {
        if (error) *error = result.error;
        return nullptr;
    }
    return fromModel(result.model);
}

std::unique_ptr<ObjMesh> ObjMesh::fromModel(const ObjModel& model) {
    std::unique_ptr<ObjMesh> mesh(new ObjMesh());
    mesh->m_faceCount = static_cast<int>(model.vertices.size() / 3);
    mesh->m_vertices = makeBuffer();
    mesh->m_indices = makeBuffer();
    mesh->m_layout = makeVertexArray();
    glBindVertexArray(mesh->m_layout.id());
    glBindBuffer(GL_ARRAY_BUFFER, mesh->m_vertices.id());
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(model.vertices.size() * sizeof(MeshVertex)),
                 model.vertices.data(), GL_STATIC_DRAW);
    PolyProgram::bindVertices(mesh->m_vertices.id());
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, mesh->m_indices.id());
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(model.indices.size() * sizeof(unsigned)),
                 model.indices.data(), GL_STATIC_DRAW);
    glBindVertexArray(0);
    return mesh;
}

void ObjMesh::drawInstances(PolyProgram& program, const MeshDraw& draw, const InstanceRun& run) {
    const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    prepare(program, draw, meshConstants(draw, Mat4::identity(), Mat4::identity(), white, true));
    glBindVertexArray(m_layout.id());
    PolyProgram::bindInstances(run.buffer, run.byteOffset);
    applyDepth(DepthUse::PreviewOpaque);
    glDrawElementsInstanced(GL_TRIANGLES, m_faceCount * 3, GL_UNSIGNED_INT, nullptr, run.count);
    applyDepth(DepthUse::PreviewTranslucent);
    glBindVertexArray(0);
}

}  // namespace fg
