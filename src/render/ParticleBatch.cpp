#include "render/ParticleBatch.h"

namespace fg {

namespace {

// The triangles of every strip of `subMeshes` that a strip draw would
// draw (up to the first strip of fewer than 3 vertices).
struct MeshShape {
    std::size_t vertices = 0;
    std::size_t indices = 0;
};

MeshShape shapeOf(const std::vector<SubMesh>& subMeshes) {
    MeshShape shape;
    for (const SubMesh& strip : subMeshes) {
        if (strip.size() < 3) break;
        shape.vertices += strip.size();
        shape.indices += 3 * (strip.size() - 2);
    }
    return shape;
}

// Writes one particle's vertices in world space and its strips as a
// triangle list, with the arithmetic and order of the instanced vertex
// program: ring scale, then p × world (rows; particle world matrices are
// affine), then the texture transform. Odd strip triangles swap their first
// two vertices as GL does, so windings and vertex order are unchanged.
void writeParticle(const PolyInstance& in, const std::vector<SubMesh>& subMeshes, bool cylinder,
                   PolyWorldVertex* vertex, GLuint* index, GLuint firstVertex) {
    const float* w = in.world;
    for (const SubMesh& strip : subMeshes) {
        if (strip.size() < 3) break;
        for (const MeshVertex& m : strip) {
            float x = m.x;
            float y = m.y;
            float z = m.z;
            if (cylinder) {
                // The ring at z = 0 is the bottom, the other one the top.
                const float* s = m.z == 0.0f ? in.bottomScale : in.topScale;
                x *= s[0];
                y *= s[1];
                z *= s[2];
            }
            vertex->x = x * w[0] + y * w[4] + z * w[8] + w[12];
            vertex->y = x * w[1] + y * w[5] + z * w[9] + w[13];
            vertex->z = x * w[2] + y * w[6] + z * w[10] + w[14];
            vertex->u = m.u * in.texLinear[0] + m.v * in.texLinear[2] + in.texOffset[0];
            vertex->v = m.u * in.texLinear[1] + m.v * in.texLinear[3] + in.texOffset[1];
            for (int c = 0; c < 4; ++c) vertex->color[c] = in.color[c];
            ++vertex;
        }
        const auto count = static_cast<GLuint>(strip.size());
        for (GLuint i = 0; i + 2 < count; ++i) {
            const GLuint odd = i & 1u;
            *index++ = firstVertex + i + odd;
            *index++ = firstVertex + i + 1 - odd;
            *index++ = firstVertex + i + 2;
        }
        firstVertex += count;
    }
}

}  // namespace

ParticleBatch::ParticleBatch(PolyProgram& program, InstanceBuffer& instances, const MeshDraw& shared,
                             Batching batching)
    : m_program(program), m_instances(instances), m_shared(shared), m_batching(batching) {}

bool ParticleBatch::sameCall(const ParticleDraw& a, const ParticleDraw& b) const {
    if (m_batching == Batching::PerParticle) return false;
    const bool sameState = a.mesh == b.mesh && a.mesh->instanceable() && a.texture == b.texture &&
                           a.isAdd == b.isAdd && a.underCut == b.underCut;
    if (m_batching == Batching::WorldVertices) return sameState;
    // An instanced call draws sub-mesh by sub-mesh across the particles.
    return sameState && a.mesh->drawsOneStrip(m_shared.exportMode);
}

bool ParticleBatch::buildsVertices(const Primitive& mesh) const {
    return m_batching == Batching::WorldVertices && mesh.instanceable() && !mesh.previewSubMeshes().empty();
}

void ParticleBatch::flush() {
    if (m_draws.empty()) return;
    // Plan every call and fill both streams first, so each is uploaded once.
    m_plan.clear();
    m_upload.clear();
    m_instances.worldVertices().clear();
    m_instances.worldIndices().clear();
    std::size_t first = 0;
    while (first < m_draws.size()) {
        Call call;
        call.first = first;
        call.count = 1;
        while (first + call.count < m_draws.size() && sameCall(m_draws[first], m_draws[first + call.count])) {
            ++call.count;
        }
        if (buildsVertices(*m_draws[first].mesh)) {
            planWorld(call);
        } else {
            planInstances(call);
        }
        m_plan.push_back(call);
        first += call.count;
    }
    if (!m_upload.empty()) m_instances.upload(m_upload);
    if (!m_instances.worldIndices().empty()) m_instances.uploadWorld();

    for (const Call& call : m_plan) issue(call);
    m_draws.clear();
}

void ParticleBatch::planWorld(Call& call) {
    const Primitive& mesh = *m_draws[call.first].mesh;
    const std::vector<SubMesh>& subMeshes = mesh.previewSubMeshes();
    const MeshShape shape = shapeOf(subMeshes);
    const bool cylinder = mesh.vertexEntry() == PolyVertexEntry::VS_Cylinder;
    std::vector<PolyWorldVertex>& vertices = m_instances.worldVertices();
    std::vector<GLuint>& indices = m_instances.worldIndices();
    std::size_t vertex = vertices.size();
    std::size_t index = indices.size();
    vertices.resize(vertex + shape.vertices * call.count);
    indices.resize(index + shape.indices * call.count);
    call.world = true;
    call.firstIndex = index;
    call.indexCount = shape.indices * call.count;
    for (std::size_t i = 0; i < call.count; ++i) {
        writeParticle(m_draws[call.first + i].instance, subMeshes, cylinder, vertices.data() + vertex,
                      indices.data() + index, static_cast<GLuint>(vertex));
        vertex += shape.vertices;
        index += shape.indices;
    }
}

void ParticleBatch::planInstances(Call& call) {
    call.firstInstance = m_upload.size();
    for (std::size_t i = 0; i < call.count; ++i) m_upload.push_back(m_draws[call.first + i].instance);
}

void ParticleBatch::issue(const Call& call) {
    const ParticleDraw& lead = m_draws[call.first];
    MeshDraw draw = m_shared;
    draw.texture = lead.texture;
    draw.isAdd = lead.isAdd;
    draw.underCut = lead.underCut;
    // The export programs blend in the shader against the copy; the pipeline
    // then replaces, as the export set it up.
    if (!m_shared.exportMode) applyBlend(lead.isAdd ? BlendMode::Additive : BlendMode::Alpha);
    ++m_calls;
    if (call.world) {
        if (call.indexCount == 0) return;
        const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
        bindMeshDraw(m_program, PolyVertexEntry::VS_World, draw,
                     meshConstants(draw, Mat4::identity(), Mat4::identity(), white, true));
        glBindVertexArray(m_instances.worldLayout());
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(call.indexCount), GL_UNSIGNED_INT,
                       reinterpret_cast<const void*>(call.firstIndex * sizeof(GLuint)));
        glBindVertexArray(0);
        return;
    }
    const InstanceRun run = m_instances.run(call.firstInstance, static_cast<int>(call.count));
    if (auto* trail = dynamic_cast<Trail*>(lead.mesh)) {
        trail->drawTrail(m_program, draw, lead.trail, lead.changingThickness, run);
        return;
    }
    lead.mesh->drawInstances(m_program, draw, run);
}

}  // namespace fg
