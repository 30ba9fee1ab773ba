#pragma once
// The Sprite program: screen-space textured quads.

#include <memory>
#include <string>

#include "render/GlHandle.h"
#include "render/RenderError.h"
#include "render/UniformBlock.h"
#include "simulation/Math.h"

namespace fg {

struct SpriteConstants {
    Mat4 g_mWorld;
    Mat4 g_mTexel;
    float g_blendColor[4];
};
static_assert(sizeof(SpriteConstants) == 144);

class SpriteProgram {
public:
    static std::unique_ptr<SpriteProgram> load(RenderError* error);
    static std::unique_ptr<SpriteProgram> load(const std::string& source, RenderError* error);

    void use(const SpriteConstants& constants);

private:
    SpriteProgram() = default;
    GlProgram m_program;
    UniformBlock<SpriteConstants> m_constants;
};

}  // namespace fg
