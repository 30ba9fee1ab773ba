#pragma once
// The stream buffers particle batches upload into, kept from flush to flush:
// PolyInstances for instanced runs, and world-space vertices with their
// triangle indices for runs whose vertices the batch builds itself. Each
// flush refills whole what it uses, so a pass costs one upload per kind
// however many calls it is split into, and once the CPU-side arrays have
// grown nothing is allocated per frame.

#include <span>
#include <vector>

#include "render/GlHandle.h"
#include "render/PolyProgram.h"
#include "render/meshes/Primitive.h"

namespace fg {

class InstanceBuffer {
public:
    InstanceBuffer() : m_instances(makeBuffer()), m_vertices(makeBuffer()), m_indices(makeBuffer()),
                       m_worldLayout(makeVertexArray()) {
        glBindVertexArray(m_worldLayout.id());
        PolyProgram::bindWorldVertices(m_vertices.id());
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, m_indices.id());
        glBindVertexArray(0);
    }

    void upload(std::span<const PolyInstance> instances) { stream(GL_ARRAY_BUFFER, m_instances, instances); }
    // Instances [first, first + count) of the last upload.
    InstanceRun run(std::size_t first, int count) const {
        return {m_instances.id(), first * sizeof(PolyInstance), count};
    }

    // Filled by the batch, then sent with uploadWorld(). Clearing keeps the capacity.
    std::vector<PolyWorldVertex>& worldVertices() { return m_worldVertices; }
    std::vector<GLuint>& worldIndices() { return m_worldIndices; }
    void uploadWorld() {
        // The element buffer belongs to the layout, so bind that first.
        glBindVertexArray(m_worldLayout.id());
        stream(GL_ARRAY_BUFFER, m_vertices, std::span<const PolyWorldVertex>(m_worldVertices));
        stream(GL_ELEMENT_ARRAY_BUFFER, m_indices, std::span<const GLuint>(m_worldIndices));
        glBindVertexArray(0);
    }
    // The vertex array reading the world vertices and indices.
    GLuint worldLayout() const { return m_worldLayout.id(); }

private:
    template <class T>
    static void stream(GLenum target, const GlBuffer& buffer, std::span<const T> data) {
        glBindBuffer(target, buffer.id());
        glBufferData(target, static_cast<GLsizeiptr>(data.size_bytes()), data.data(), GL_STREAM_DRAW);
    }

    GlBuffer m_instances;
    GlBuffer m_vertices;
    GlBuffer m_indices;
    GlVertexArray m_worldLayout;
    std::vector<PolyWorldVertex> m_worldVertices;
    std::vector<GLuint> m_worldIndices;
};

}  // namespace fg
