#pragma once
// Saves the GL state the renderer touches and restores it when it dies, so a
// host that shares the context (the editor's GL widget) finds its own state
// unchanged after a frame.

#include <epoxy/gl.h>

namespace fg {

class GlStateSaver {
public:
    GlStateSaver();
    ~GlStateSaver();
    GlStateSaver(const GlStateSaver&) = delete;
    GlStateSaver& operator=(const GlStateSaver&) = delete;

private:
    GLint m_program = 0;
    GLint m_vertexArray = 0;
    GLint m_arrayBuffer = 0;
    GLint m_uniformBuffer = 0;
    GLint m_uniformBinding0 = 0;  // the indexed binding the programs' blocks use
    GLint64 m_uniformBinding0Start = 0;
    GLint64 m_uniformBinding0Size = 0;
    GLint m_polygonMode[2] = {GL_FILL, GL_FILL};
    GLboolean m_polygonOffsetFill = GL_FALSE;
    GLfloat m_polygonOffsetFactor = 0.0f;
    GLfloat m_polygonOffsetUnits = 0.0f;
    GLboolean m_alphaToCoverage = GL_FALSE;
    GLint m_drawFramebuffer = 0;
    GLint m_readFramebuffer = 0;
    GLint m_activeTexture = 0;
    GLint m_texture[2] = {};
    GLint m_sampler[2] = {};
    GLint m_viewport[4] = {};
    GLboolean m_blend = GL_FALSE;
    GLint m_blendSrcRgb = 0, m_blendDstRgb = 0, m_blendSrcAlpha = 0, m_blendDstAlpha = 0;
    GLint m_blendEquationRgb = 0, m_blendEquationAlpha = 0;
    GLboolean m_colorMask[4] = {};
    GLboolean m_depthTest = GL_FALSE;
    GLboolean m_depthMask = GL_TRUE;
    GLint m_depthFunc = 0;
    GLboolean m_depthClamp = GL_FALSE;
    GLboolean m_cullFace = GL_FALSE;
    GLint m_cullFaceMode = 0;
    GLint m_frontFace = 0;
    GLboolean m_scissor = GL_FALSE;
    GLboolean m_stencil = GL_FALSE;
    GLfloat m_clearColor[4] = {};
    GLfloat m_clearDepth = 1.0f;
};

}  // namespace fg
