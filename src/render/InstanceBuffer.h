#pragma once
// A stream buffer of PolyInstances, refilled whole once per pass so that a
// pass costs one upload however many calls it is split into.

#include <span>

#include "render/GlHandle.h"
#include "render/PolyProgram.h"
#include "render/meshes/Primitive.h"

namespace fg {

class InstanceBuffer {
public:
    InstanceBuffer() : m_buffer(makeBuffer()) {}

    void upload(std::span<const PolyInstance> instances) {
        glBindBuffer(GL_ARRAY_BUFFER, m_buffer.id());
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(instances.size_bytes()), instances.data(),
                     GL_STREAM_DRAW);
    }
    // Instances [first, first + count) of the last upload.
    InstanceRun run(std::size_t first, int count) const {
        return {m_buffer.id(), first * sizeof(PolyInstance), count};
    }

private:
    GlBuffer m_buffer;
};

}  // namespace fg
