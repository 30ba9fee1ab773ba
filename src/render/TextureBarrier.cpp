#include "render/TextureBarrier.h"

#include <epoxy/gl.h>

namespace fg {

TextureBarrier TextureBarrier::ofCurrentContext() {
    TextureBarrier barrier;
    // The core entry and the ARB extension share one function.
    if (epoxy_gl_version() >= 45 || epoxy_has_gl_extension("GL_ARB_texture_barrier")) {
        barrier.m_kind = Kind::Core;
    } else if (epoxy_has_gl_extension("GL_NV_texture_barrier")) {
        barrier.m_kind = Kind::Nv;
    }
    return barrier;
}

void TextureBarrier::operator()() const {
    switch (m_kind) {
        case Kind::Core: glTextureBarrier(); break;
        case Kind::Nv: glTextureBarrierNV(); break;
        case Kind::None: break;
    }
}

}  // namespace fg
