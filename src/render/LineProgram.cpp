#include "render/LineProgram.h"

#include "render/ShaderBuild.h"

namespace fg {

namespace {

constexpr ShaderEntry kVS{"VS", ShaderStage::Vertex, "Line.hlsl 【VS】", render_text::kVertexShaderFailed};
constexpr ShaderEntry kPS{"PS", ShaderStage::Pixel, "Line.hlsl 【PS】", render_text::kPixelShaderFailed};

}  // namespace

std::unique_ptr<LineProgram> LineProgram::load(RenderError* error) {
    return load(programSource("Line.glsl"), error);
}

std::unique_ptr<LineProgram> LineProgram::load(const std::string& source, RenderError* error) {
    std::unique_ptr<LineProgram> result(new LineProgram());
    result->m_program = buildProgram(source, kVS, kPS, error);
    if (!result->m_program) return nullptr;
    return result;
}

void LineProgram::use(const LineConstants& constants) {
    glUseProgram(m_program.id());
    m_constants.write(constants);
}

}  // namespace fg
