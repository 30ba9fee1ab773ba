#include "render/SpriteProgram.h"

#include "render/ShaderBuild.h"

namespace fg {

namespace {

constexpr ShaderEntry kVS{"VS", ShaderStage::Vertex, "Sprite.hlsl 【VS】", render_text::kSpriteVertexShaderFailed};
constexpr ShaderEntry kPS{"PS", ShaderStage::Pixel, "Sprite.hlsl 【PS】", render_text::kPixelShaderFailed};

}  // namespace

std::unique_ptr<SpriteProgram> SpriteProgram::load(RenderError* error) {
    return load(programSource("Sprite.glsl"), error);
}

std::unique_ptr<SpriteProgram> SpriteProgram::load(const std::string& source, RenderError* error) {
    std::unique_ptr<SpriteProgram> result(new SpriteProgram());
    result->m_program = buildProgram(source, kVS, kPS, error);
    if (!result->m_program) return nullptr;
    return result;
}

void SpriteProgram::use(const SpriteConstants& constants) {
    glUseProgram(m_program.id());
    m_constants.write(constants);
}

}  // namespace fg
