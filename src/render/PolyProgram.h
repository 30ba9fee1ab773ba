#pragma once
// The Poly program family that draws every particle mesh: three vertex
// entries, six pixel entries and the table choosing a pixel entry per pass.

#include <array>
#include <memory>
#include <string>

#include "render/GlHandle.h"
#include "render/RenderError.h"
#include "render/UniformBlock.h"
#include "simulation/Math.h"

namespace fg {

struct PolyConstants {
    Mat4 g_mWVP;
    Mat4 g_mW;
    Mat4 g_mTex;
    Mat4 g_mScreen;
    float g_mColor[4];
    Mat4 g_mBottomScale;
    Mat4 g_mTopScale;
    float g_underCut[4];
};
static_assert(sizeof(PolyConstants) == 416);

// Per-instance inputs of one particle. A lone draw uses identityInstance();
// a batch carries one of these per particle.
struct PolyInstance {
    float world[16];        // rows of the world matrix
    float color[4];
    float texLinear[4];     // texture transform m00, m01, m10, m11
    float texOffset[4];     // texture transform m30, m31, 0, 0
    float bottomScale[4];   // cylinder bottom ring x, y, z scale, 0
    float topScale[4];      // cylinder top ring and length x, y, z scale, 0
};
static_assert(sizeof(PolyInstance) == 144);

PolyInstance identityInstance();

// A vertex of a batched particle already in world space, with the particle's
// texture transform and colour applied: what VS_World reads.
struct PolyWorldVertex {
    float x, y, z;
    float u, v;
    float color[4];
};
static_assert(sizeof(PolyWorldVertex) == 36);

enum class PolyVertexEntry { VS, VS_Cylinder, VS_World };
enum class PolyPixelEntry { PS_Alpha, PS_NonAlpha, PS_BackAlpha, PS_BackNonAlpha, PS_BackAlphaAdd, PS_BackNonAlphaAdd };

// Where an export program reads what is already drawn under its pixel.
enum class DestinationRead {
    Copy,         // the copy texture (g_texRT), brought up to date by copies of the target
    Fetch,        // the target's own pixel in primitive order (framebuffer fetch)
    // The target's own colour texture bound as g_texRT, read at the fragment's
    // texel: defined when each texel is read only by the one fragment of a
    // draw that writes it, with a texture barrier after earlier writes.
    TargetTexel,
};

// Pass 0 is the opaque pass, pass 1 the translucent one. The preview lets
// the blend state do the blending; the export blends in the program.
PolyPixelEntry selectPixelEntry(int pass, bool exportMode, bool isAdd);

class PolyProgram {
public:
    static std::unique_ptr<PolyProgram> load(RenderError* error);
    static std::unique_ptr<PolyProgram> load(const std::string& source, RenderError* error);

    // `read` picks, for an export entry, the variant that reads what is
    // drawn from there (when the context can: see canRead()); the copy otherwise.
    void use(PolyVertexEntry vertex, PolyPixelEntry pixel, const PolyConstants& constants,
             DestinationRead read = DestinationRead::Copy);
    // Whether the programs for `read` are there: Fetch needs
    // GL_EXT_shader_framebuffer_fetch; TargetTexel compiles everywhere (the
    // caller needs texture barriers to use it soundly).
    bool canRead(DestinationRead read) const;

    // Points the instance inputs of the bound vertex array at `buffer`,
    // starting `byteOffset` bytes in, one PolyInstance per instance.
    static void bindInstances(GLuint buffer, std::size_t byteOffset);
    // Mesh vertex inputs: position and texture coordinate, 20 bytes a vertex.
    static void bindVertices(GLuint buffer);
    // VS_World inputs: one PolyWorldVertex a vertex.
    static void bindWorldVertices(GLuint buffer);

private:
    PolyProgram() = default;
    using ExportPrograms = std::array<std::array<GlProgram, 4>, 3>;  // [vertex entry][export entry]
    // The export entries with `read`'s variant; false when one fails.
    bool loadReadingPrograms(const std::string& source, const std::array<GlShader, 3>& vertex, DestinationRead read,
                             ExportPrograms& programs);

    std::array<std::array<GlProgram, 6>, 3> m_programs;
    ExportPrograms m_fetchPrograms;
    ExportPrograms m_texelPrograms;
    bool m_canFetch = false;
    bool m_canReadTexel = false;
    UniformBlock<PolyConstants> m_constants;
};

}  // namespace fg
