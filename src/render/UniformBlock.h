#pragma once
// One constant block ("global") of a program: a uniform buffer holding a T
// that mirrors the block's std140 layout. Every write replaces the whole
// buffer, so a draw in flight keeps the contents it was issued with.

#include "render/GlHandle.h"

namespace fg {

template <class T>
class UniformBlock {
public:
    UniformBlock() : m_buffer(makeBuffer()) {}

    // Uploads the values and binds the buffer to binding 0, where every
    // program expects its "global" block.
    void write(const T& values) {
        glBindBuffer(GL_UNIFORM_BUFFER, m_buffer.id());
        glBufferData(GL_UNIFORM_BUFFER, sizeof(T), &values, GL_STREAM_DRAW);
        glBindBufferBase(GL_UNIFORM_BUFFER, 0, m_buffer.id());
    }

private:
    GlBuffer m_buffer;
};

}  // namespace fg
