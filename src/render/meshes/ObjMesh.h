#pragma once
// A triangle model read from an OBJ file of the material list.

#include <string>

#include "render/meshes/ObjReader.h"
#include "render/meshes/Primitive.h"

namespace fg {

class ObjMesh : public Primitive {
public:
    // Reads the file; on failure returns null with *error saying why.
    static std::unique_ptr<ObjMesh> load(const std::string& path, std::string* error);
    static std::unique_ptr<ObjMesh> fromModel(const ObjModel& model);

    // Triangles built from the file's face lines.
    int faceCount() const { return m_faceCount; }

    // Always the plain vertex entry and the same triangles in both sets.
    // Draws with depth writes on, then leaves depth testing on with writes off.
    void drawInstances(PolyProgram& program, const MeshDraw& draw, const InstanceRun& run) override;

private:
    ObjMesh() = default;
    int m_faceCount = 0;
    GlBuffer m_vertices;
    GlBuffer m_indices;
    GlVertexArray m_layout;
};

}  // namespace fg
