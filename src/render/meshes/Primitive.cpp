#include "render/meshes/Primitive.h"

#include "render/meshes/ShapeGeometry.h"

namespace fg {

namespace {

void copyRows(const Mat4& m, float out[16]) {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) out[r * 4 + c] = m.m[r][c];
    }
}

}  // namespace

PolyConstants meshConstants(const MeshDraw& draw, const Mat4& world, const Mat4& texMatrix, const float color[4],
                            bool worldInInstances) {
    const Mat4 viewProjection = draw.camera->view * draw.camera->projection;
    PolyConstants constants{};
    constants.g_mWVP = worldInInstances ? viewProjection : world * viewProjection;
    constants.g_mW = worldInInstances ? Mat4::identity() : world;
    constants.g_mTex = texMatrix;
    constants.g_mScreen = scaling(1.0f / static_cast<float>(draw.targetWidth > 0 ? draw.targetWidth : 1),
                                  1.0f / static_cast<float>(draw.targetHeight > 0 ? draw.targetHeight : 1), 1.0f);
    for (int i = 0; i < 4; ++i) constants.g_mColor[i] = color[i];
    constants.g_mBottomScale = Mat4::identity();
    constants.g_mTopScale = Mat4::identity();
    constants.g_underCut[0] = draw.underCut ? 1.0f : 0.0f;
    return constants;
}

PolyInstance makeInstance(const Mat4& world, const float color[4], const Mat4& texMatrix, Vec3f bottomScale,
                          Vec3f topScale) {
    PolyInstance instance{};
    copyRows(world, instance.world);
    for (int i = 0; i < 4; ++i) instance.color[i] = color[i];
    instance.texLinear[0] = texMatrix.m[0][0];
    instance.texLinear[1] = texMatrix.m[0][1];
    instance.texLinear[2] = texMatrix.m[1][0];
    instance.texLinear[3] = texMatrix.m[1][1];
    instance.texOffset[0] = texMatrix.m[3][0];
    instance.texOffset[1] = texMatrix.m[3][1];
    instance.bottomScale[0] = bottomScale.x;
    instance.bottomScale[1] = bottomScale.y;
    instance.bottomScale[2] = bottomScale.z;
    instance.topScale[0] = topScale.x;
    instance.topScale[1] = topScale.y;
    instance.topScale[2] = topScale.z;
    return instance;
}

void Primitive::upload(const VertexSets& sets) {
    for (int s = 0; s < 2; ++s) {
        GpuSet& set = m_sets[s];
        set.subMeshes = sets[static_cast<std::size_t>(s)];
        std::vector<MeshVertex> all;
        for (const SubMesh& subMesh : set.subMeshes) all.insert(all.end(), subMesh.begin(), subMesh.end());
        set.vertices = makeBuffer();
        set.layout = makeVertexArray();
        glBindVertexArray(set.layout.id());
        glBindBuffer(GL_ARRAY_BUFFER, set.vertices.id());
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(all.size() * sizeof(MeshVertex)), all.data(),
                     GL_STATIC_DRAW);
        PolyProgram::bindVertices(set.vertices.id());
        glBindVertexArray(0);
    }
}

void bindMeshDraw(PolyProgram& program, PolyVertexEntry vertex, const MeshDraw& draw,
                  const PolyConstants& constants) {
    program.use(vertex, selectPixelEntry(draw.pass, draw.exportMode, draw.isAdd), constants, draw.destination);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, draw.texture);
    glBindSampler(0, draw.sampler);
}

void Primitive::prepare(PolyProgram& program, const MeshDraw& draw, const PolyConstants& constants) const {
    bindMeshDraw(program, vertexEntry(), draw, constants);
}

void Primitive::drawSubMeshes(const std::vector<SubMesh>& subMeshes, GLuint vertexBuffer, GLuint layout,
                              const MeshDraw& draw, const InstanceRun& run) const {
    glBindVertexArray(layout);
    PolyProgram::bindVertices(vertexBuffer);
    PolyProgram::bindInstances(run.buffer, run.byteOffset);
    GLint first = 0;
    for (const SubMesh& subMesh : subMeshes) {
        if (subMesh.size() < 3) break;
        const auto count = static_cast<GLsizei>(subMesh.size());
        glDrawArraysInstanced(GL_TRIANGLE_STRIP, first, count, run.count);
        if (draw.exportMode && draw.afterSubMesh) draw.afterSubMesh();
        first += count;
    }
    glBindVertexArray(0);
}

void Primitive::drawInstances(PolyProgram& program, const MeshDraw& draw, const InstanceRun& run) {
    const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    prepare(program, draw, meshConstants(draw, Mat4::identity(), Mat4::identity(), white, true));
    const GpuSet& set = m_sets[draw.exportMode ? kExportSet : kPreviewSet];
    drawSubMeshes(set.subMeshes, set.vertices.id(), set.layout.id(), draw, run);
}

Poly::Poly() { upload(polyGeometry()); }
Cylinder::Cylinder() { upload(cylinderGeometry()); }

bool Cylinder::coversPixelsOnce(const PolyInstance& instance) const {
    const float* bottom = instance.bottomScale;
    const float* top = instance.topScale;
    // Comparisons with NaN fail, so a broken scale takes the safe way.
    const bool sameSign = (bottom[0] >= 0.0f && top[0] >= 0.0f) || (bottom[0] <= 0.0f && top[0] <= 0.0f);
    return bottom[0] == bottom[1] && top[0] == top[1] && sameSign;
}
Hemisphere::Hemisphere() { upload(hemisphereGeometry()); }

}  // namespace fg
