#pragma once
// The Line program: grid, axes and gizmo lines in one colour.

#include <memory>
#include <string>

#include "render/GlHandle.h"
#include "render/RenderError.h"
#include "render/UniformBlock.h"
#include "simulation/Math.h"

namespace fg {

struct LineConstants {
    Mat4 g_mWVP;
    float g_mColor[4];
};
static_assert(sizeof(LineConstants) == 80);

class LineProgram {
public:
    // Compiles VS and PS of the embedded Line.glsl (or of `source`).
    static std::unique_ptr<LineProgram> load(RenderError* error);
    static std::unique_ptr<LineProgram> load(const std::string& source, RenderError* error);

    // Makes the program current with these constants.
    void use(const LineConstants& constants);

private:
    LineProgram() = default;
    GlProgram m_program;
    UniformBlock<LineConstants> m_constants;
};

}  // namespace fg
