#include "render/RenderStates.h"

#include <epoxy/gl.h>

namespace fg {

void applyCull(CullMode mode) {
    glFrontFace(GL_CCW);
    glEnable(GL_DEPTH_CLAMP);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_POLYGON_OFFSET_FILL);
    switch (mode) {
    case CullMode::None:
        glDisable(GL_CULL_FACE);
        return;
    case CullMode::Front:
        glEnable(GL_CULL_FACE);
        glCullFace(GL_FRONT);
        return;
    case CullMode::Back:
        glEnable(GL_CULL_FACE);
        glCullFace(GL_BACK);
        return;
    }
}

void applyBlend(BlendMode mode) {
    glEnable(GL_BLEND);
    glDisable(GL_SAMPLE_ALPHA_TO_COVERAGE);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glBlendEquationSeparate(GL_FUNC_ADD, GL_FUNC_ADD);
    switch (mode) {
    case BlendMode::Alpha:
        glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        return;
    case BlendMode::Additive:
        glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        return;
    case BlendMode::Replace:
        glBlendFuncSeparate(GL_ONE, GL_ZERO, GL_ONE, GL_ZERO);
        return;
    }
}

void applyDepth(DepthUse use) {
    glDisable(GL_STENCIL_TEST);
    glDepthFunc(GL_LESS);
    if (use == DepthUse::Export) {
        glDisable(GL_DEPTH_TEST);
        glDepthMask(GL_FALSE);
        return;
    }
    glEnable(GL_DEPTH_TEST);
    glDepthMask(use == DepthUse::PreviewOpaque ? GL_TRUE : GL_FALSE);
}

}  // namespace fg
