#pragma once
// Move-only owners of OpenGL object names. Each deletes its object when it
// dies; a name of 0 owns nothing. They must die while their context is current.

#include <epoxy/gl.h>

#include <utility>

namespace fg {

template <class Deleter>
class GlHandle {
public:
    GlHandle() = default;
    explicit GlHandle(GLuint id) : m_id(id) {}
    ~GlHandle() { reset(); }
    GlHandle(GlHandle&& other) noexcept : m_id(std::exchange(other.m_id, 0)) {}
    GlHandle& operator=(GlHandle&& other) noexcept {
        if (this != &other) {
            reset();
            m_id = std::exchange(other.m_id, 0);
        }
        return *this;
    }
    GlHandle(const GlHandle&) = delete;
    GlHandle& operator=(const GlHandle&) = delete;

    GLuint id() const { return m_id; }
    explicit operator bool() const { return m_id != 0; }
    void reset() {
        if (m_id != 0) Deleter{}(m_id);
        m_id = 0;
    }

private:
    GLuint m_id = 0;
};

struct GlBufferDeleter { void operator()(GLuint id) const { glDeleteBuffers(1, &id); } };
struct GlVertexArrayDeleter { void operator()(GLuint id) const { glDeleteVertexArrays(1, &id); } };
struct GlTextureDeleter { void operator()(GLuint id) const { glDeleteTextures(1, &id); } };
struct GlSamplerDeleter { void operator()(GLuint id) const { glDeleteSamplers(1, &id); } };
struct GlFramebufferDeleter { void operator()(GLuint id) const { glDeleteFramebuffers(1, &id); } };
struct GlRenderbufferDeleter { void operator()(GLuint id) const { glDeleteRenderbuffers(1, &id); } };
struct GlShaderDeleter { void operator()(GLuint id) const { glDeleteShader(id); } };
struct GlProgramDeleter { void operator()(GLuint id) const { glDeleteProgram(id); } };

using GlBuffer = GlHandle<GlBufferDeleter>;
using GlVertexArray = GlHandle<GlVertexArrayDeleter>;
using GlTexture = GlHandle<GlTextureDeleter>;
using GlSampler = GlHandle<GlSamplerDeleter>;
using GlFramebuffer = GlHandle<GlFramebufferDeleter>;
using GlRenderbuffer = GlHandle<GlRenderbufferDeleter>;
using GlShader = GlHandle<GlShaderDeleter>;
using GlProgram = GlHandle<GlProgramDeleter>;

inline GlBuffer makeBuffer() { GLuint id = 0; glGenBuffers(1, &id); return GlBuffer(id); }
inline GlVertexArray makeVertexArray() { GLuint id = 0; glGenVertexArrays(1, &id); return GlVertexArray(id); }
inline GlTexture makeTexture() { GLuint id = 0; glGenTextures(1, &id); return GlTexture(id); }
inline GlSampler makeSampler() { GLuint id = 0; glGenSamplers(1, &id); return GlSampler(id); }
inline GlFramebuffer makeFramebuffer() { GLuint id = 0; glGenFramebuffers(1, &id); return GlFramebuffer(id); }
inline GlRenderbuffer makeRenderbuffer() { GLuint id = 0; glGenRenderbuffers(1, &id); return GlRenderbuffer(id); }

}  // namespace fg
