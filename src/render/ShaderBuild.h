#pragma once
// Compiling one entry of a program file and linking a vertex/pixel pair.
// A program file holds every entry of one program; each entry is compiled on
// its own with its name defined, after the shared helpers.

#include <string>

#include "render/GlHandle.h"
#include "render/RenderError.h"

namespace fg {

enum class ShaderStage { Vertex, Pixel };

struct ShaderEntry {
    const char* name;           // entry name, defined while compiling ("PS_Alpha")
    ShaderStage stage;
    const char* caption;        // names the entry in failure messages
    const char* createFailure;  // text when the driver cannot create the shader
    const char* extension = nullptr;  // a GLSL extension the entry requires
    const char* variant = nullptr;    // a second name defined while compiling
};

// The text of a program file embedded in the library ("Poly.glsl"); empty
// when it is missing.
std::string programSource(const char* fileName);

// A compiled shader, or an empty handle with *error set.
GlShader compileEntry(const std::string& source, const ShaderEntry& entry, RenderError* error);

// A linked program with its sampler uniforms bound to units 0 (g_texDecal)
// and 1 (g_texRT) and its "global" block to binding 0, or an empty handle.
GlProgram linkProgram(GLuint vertexShader, GLuint pixelShader, const char* caption, RenderError* error);

// Compiles both entries and links them; a link failure is named by the pixel entry.
GlProgram buildProgram(const std::string& source, const ShaderEntry& vertex, const ShaderEntry& pixel,
                       RenderError* error);

}  // namespace fg
