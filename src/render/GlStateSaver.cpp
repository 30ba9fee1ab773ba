#include "render/GlStateSaver.h"

namespace fg {

namespace {

void setFlag(GLenum flag, GLboolean on) {
    if (on) glEnable(flag);
    else glDisable(flag);
}

}  // namespace

GlStateSaver::GlStateSaver() {
    glGetIntegerv(GL_CURRENT_PROGRAM, &m_program);
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &m_vertexArray);
    glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &m_arrayBuffer);
    glGetIntegerv(GL_UNIFORM_BUFFER_BINDING, &m_uniformBuffer);
    glGetIntegeri_v(GL_UNIFORM_BUFFER_BINDING, 0, &m_uniformBinding0);
    glGetInteger64i_v(GL_UNIFORM_BUFFER_START, 0, &m_uniformBinding0Start);
    glGetInteger64i_v(GL_UNIFORM_BUFFER_SIZE, 0, &m_uniformBinding0Size);
    glGetIntegerv(GL_POLYGON_MODE, m_polygonMode);
    m_polygonOffsetFill = glIsEnabled(GL_POLYGON_OFFSET_FILL);
    glGetFloatv(GL_POLYGON_OFFSET_FACTOR, &m_polygonOffsetFactor);
    glGetFloatv(GL_POLYGON_OFFSET_UNITS, &m_polygonOffsetUnits);
    m_alphaToCoverage = glIsEnabled(GL_SAMPLE_ALPHA_TO_COVERAGE);
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &m_drawFramebuffer);
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &m_readFramebuffer);
    glGetIntegerv(GL_ACTIVE_TEXTURE, &m_activeTexture);
    for (GLuint unit = 0; unit < 2; ++unit) {
        glActiveTexture(GL_TEXTURE0 + unit);
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &m_texture[unit]);
        glGetIntegerv(GL_SAMPLER_BINDING, &m_sampler[unit]);
    }
    glActiveTexture(static_cast<GLenum>(m_activeTexture));
    glGetIntegerv(GL_VIEWPORT, m_viewport);
    m_blend = glIsEnabled(GL_BLEND);
    glGetIntegerv(GL_BLEND_SRC_RGB, &m_blendSrcRgb);
    glGetIntegerv(GL_BLEND_DST_RGB, &m_blendDstRgb);
    glGetIntegerv(GL_BLEND_SRC_ALPHA, &m_blendSrcAlpha);
    glGetIntegerv(GL_BLEND_DST_ALPHA, &m_blendDstAlpha);
    glGetIntegerv(GL_BLEND_EQUATION_RGB, &m_blendEquationRgb);
    glGetIntegerv(GL_BLEND_EQUATION_ALPHA, &m_blendEquationAlpha);
    glGetBooleanv(GL_COLOR_WRITEMASK, m_colorMask);
    m_depthTest = glIsEnabled(GL_DEPTH_TEST);
    glGetBooleanv(GL_DEPTH_WRITEMASK, &m_depthMask);
    glGetIntegerv(GL_DEPTH_FUNC, &m_depthFunc);
    m_depthClamp = glIsEnabled(GL_DEPTH_CLAMP);
    m_cullFace = glIsEnabled(GL_CULL_FACE);
    glGetIntegerv(GL_CULL_FACE_MODE, &m_cullFaceMode);
    glGetIntegerv(GL_FRONT_FACE, &m_frontFace);
    m_scissor = glIsEnabled(GL_SCISSOR_TEST);
    m_stencil = glIsEnabled(GL_STENCIL_TEST);
    glGetFloatv(GL_COLOR_CLEAR_VALUE, m_clearColor);
    glGetFloatv(GL_DEPTH_CLEAR_VALUE, &m_clearDepth);
}

GlStateSaver::~GlStateSaver() {
    glUseProgram(static_cast<GLuint>(m_program));
    glBindVertexArray(static_cast<GLuint>(m_vertexArray));
    glBindBuffer(GL_ARRAY_BUFFER, static_cast<GLuint>(m_arrayBuffer));
    // A zero size means the whole buffer was bound.
    if (m_uniformBinding0 == 0 || m_uniformBinding0Size == 0) {
        glBindBufferBase(GL_UNIFORM_BUFFER, 0, static_cast<GLuint>(m_uniformBinding0));
    } else {
        glBindBufferRange(GL_UNIFORM_BUFFER, 0, static_cast<GLuint>(m_uniformBinding0),
                          static_cast<GLintptr>(m_uniformBinding0Start), static_cast<GLsizeiptr>(m_uniformBinding0Size));
    }
    glBindBuffer(GL_UNIFORM_BUFFER, static_cast<GLuint>(m_uniformBuffer));
    glPolygonMode(GL_FRONT_AND_BACK, static_cast<GLenum>(m_polygonMode[0]));
    setFlag(GL_POLYGON_OFFSET_FILL, m_polygonOffsetFill);
    glPolygonOffset(m_polygonOffsetFactor, m_polygonOffsetUnits);
    setFlag(GL_SAMPLE_ALPHA_TO_COVERAGE, m_alphaToCoverage);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(m_drawFramebuffer));
    glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(m_readFramebuffer));
    for (GLuint unit = 0; unit < 2; ++unit) {
        glActiveTexture(GL_TEXTURE0 + unit);
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(m_texture[unit]));
        glBindSampler(unit, static_cast<GLuint>(m_sampler[unit]));
    }
    glActiveTexture(static_cast<GLenum>(m_activeTexture));
    glViewport(m_viewport[0], m_viewport[1], m_viewport[2], m_viewport[3]);
    setFlag(GL_BLEND, m_blend);
    glBlendFuncSeparate(static_cast<GLenum>(m_blendSrcRgb), static_cast<GLenum>(m_blendDstRgb),
                        static_cast<GLenum>(m_blendSrcAlpha), static_cast<GLenum>(m_blendDstAlpha));
    glBlendEquationSeparate(static_cast<GLenum>(m_blendEquationRgb), static_cast<GLenum>(m_blendEquationAlpha));
    glColorMask(m_colorMask[0], m_colorMask[1], m_colorMask[2], m_colorMask[3]);
    setFlag(GL_DEPTH_TEST, m_depthTest);
    glDepthMask(m_depthMask);
    glDepthFunc(static_cast<GLenum>(m_depthFunc));
    setFlag(GL_DEPTH_CLAMP, m_depthClamp);
    setFlag(GL_CULL_FACE, m_cullFace);
    glCullFace(static_cast<GLenum>(m_cullFaceMode));
    glFrontFace(static_cast<GLenum>(m_frontFace));
    setFlag(GL_SCISSOR_TEST, m_scissor);
    setFlag(GL_STENCIL_TEST, m_stencil);
    glClearColor(m_clearColor[0], m_clearColor[1], m_clearColor[2], m_clearColor[3]);
    glClearDepth(m_clearDepth);
}

}  // namespace fg
