#include "render/PolyProgram.h"

#include <cstddef>
#include <cstdint>

#include "render/ShaderBuild.h"

namespace fg {

namespace {

constexpr const char* kVertexFailure = render_text::kVertexShaderFailed;
constexpr const char* kPixelFailure = render_text::kPixelShaderFailed;

// In the order of PolyVertexEntry.
constexpr std::array<ShaderEntry, 3> kVertexEntries{{
    {"VS", ShaderStage::Vertex, "Poly.hlsl 【VS】", kVertexFailure},
    {"VS_Cylinder", ShaderStage::Vertex, "Poly.hlsl 【VS_Cylinder】", kVertexFailure},
    {"VS_World", ShaderStage::Vertex, "Poly.hlsl 【VS_World】", kVertexFailure},
}};

// In the order of PolyPixelEntry.
constexpr std::array<ShaderEntry, 6> kPixelEntries{{
    {"PS_Alpha", ShaderStage::Pixel, "Poly.hlsl 【PS_Alpha】", kPixelFailure},
    {"PS_NonAlpha", ShaderStage::Pixel, "Poly.hlsl 【PS_NonAlpha】", kPixelFailure},
    {"PS_BackAlpha", ShaderStage::Pixel, "Poly.hlsl 【PS_BackAlpha】", kPixelFailure},
    {"PS_BackNonAlpha", ShaderStage::Pixel, "Poly.hlsl 【PS_BackNonAlpha】", kPixelFailure},
    {"PS_BackAlphaAdd", ShaderStage::Pixel, "Poly.hlsl 【PS_BackAlphaAdd】", kPixelFailure},
    {"PS_BackNonAlphaAdd", ShaderStage::Pixel, "Poly.hlsl 【PS_BackNonAlphaAdd】", kPixelFailure},
}};

// The export entries once more, reading what is drawn from the target itself
// instead of from the copy: by framebuffer fetch, or from the target's own
// texture. In the order of the export entries of PolyPixelEntry, from
// PS_BackAlpha on.
constexpr const char* kFetchExtension = "GL_EXT_shader_framebuffer_fetch";
constexpr std::size_t kFirstExportEntry = static_cast<std::size_t>(PolyPixelEntry::PS_BackAlpha);
constexpr std::size_t kExportEntryCount = 4;

ShaderEntry readingEntry(std::size_t exportEntry, DestinationRead read) {
    ShaderEntry entry = kPixelEntries[kFirstExportEntry + exportEntry];
    if (read == DestinationRead::Fetch) {
        entry.extension = kFetchExtension;
        entry.variant = "FETCH_DESTINATION";
    } else {
        entry.variant = "READ_TARGET_TEXEL";
    }
    return entry;
}

void rowsOf(const Mat4& m, float out[16]) {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) out[r * 4 + c] = m.m[r][c];
    }
}

}  // namespace

PolyInstance identityInstance() {
    PolyInstance instance{};
    rowsOf(Mat4::identity(), instance.world);
    for (float& c : instance.color) c = 1.0f;
    instance.texLinear[0] = 1.0f;
    instance.texLinear[3] = 1.0f;
    for (int i = 0; i < 3; ++i) {
        instance.bottomScale[i] = 1.0f;
        instance.topScale[i] = 1.0f;
    }
    return instance;
}

PolyPixelEntry selectPixelEntry(int pass, bool exportMode, bool isAdd) {
    if (!exportMode) return pass == 0 ? PolyPixelEntry::PS_NonAlpha : PolyPixelEntry::PS_Alpha;
    if (pass == 0) return isAdd ? PolyPixelEntry::PS_BackNonAlphaAdd : PolyPixelEntry::PS_BackNonAlpha;
    return isAdd ? PolyPixelEntry::PS_BackAlphaAdd : PolyPixelEntry::PS_BackAlpha;
}

std::unique_ptr<PolyProgram> PolyProgram::load(RenderError* error) {
    return load(programSource("Poly.glsl"), error);
}

std::unique_ptr<PolyProgram> PolyProgram::load(const std::string& source, RenderError* error) {
    // Compile in the order VS, VS_Cylinder, VS_World, then the pixel
    // entries, so the first failing entry is the one reported.
    std::array<GlShader, 3> vertex;
    for (std::size_t v = 0; v < vertex.size(); ++v) {
        vertex[v] = compileEntry(source, kVertexEntries[v], error);
        if (!vertex[v]) return nullptr;
    }
    std::array<GlShader, 6> pixel;
    for (std::size_t p = 0; p < pixel.size(); ++p) {
        pixel[p] = compileEntry(source, kPixelEntries[p], error);
        if (!pixel[p]) return nullptr;
    }
    std::unique_ptr<PolyProgram> result(new PolyProgram());
    for (std::size_t v = 0; v < vertex.size(); ++v) {
        for (std::size_t p = 0; p < pixel.size(); ++p) {
            result->m_programs[v][p] = linkProgram(vertex[v].id(), pixel[p].id(), kPixelEntries[p].caption, error);
            if (!result->m_programs[v][p]) return nullptr;
        }
    }
    // Optional: without them the export reads the copy throughout.
    if (epoxy_has_gl_extension(kFetchExtension)) {
        result->m_canFetch = result->loadReadingPrograms(source, vertex, DestinationRead::Fetch, result->m_fetchPrograms);
    }
    result->m_canReadTexel =
        result->loadReadingPrograms(source, vertex, DestinationRead::TargetTexel, result->m_texelPrograms);
    return result;
}

bool PolyProgram::loadReadingPrograms(const std::string& source, const std::array<GlShader, 3>& vertex,
                                      DestinationRead read, ExportPrograms& programs) {
    RenderError ignored;
    for (std::size_t p = 0; p < kExportEntryCount; ++p) {
        const ShaderEntry entry = readingEntry(p, read);
        const GlShader pixel = compileEntry(source, entry, &ignored);
        if (!pixel) return false;
        for (std::size_t v = 0; v < vertex.size(); ++v) {
            programs[v][p] = linkProgram(vertex[v].id(), pixel.id(), entry.caption, &ignored);
            if (!programs[v][p]) return false;
        }
    }
    return true;
}

bool PolyProgram::canRead(DestinationRead read) const {
    switch (read) {
        case DestinationRead::Fetch: return m_canFetch;
        case DestinationRead::TargetTexel: return m_canReadTexel;
        case DestinationRead::Copy: break;
    }
    return true;
}

void PolyProgram::use(PolyVertexEntry vertex, PolyPixelEntry pixel, const PolyConstants& constants,
                      DestinationRead read) {
    const auto v = static_cast<std::size_t>(vertex);
    const auto p = static_cast<std::size_t>(pixel);
    GLuint program = m_programs[v][p].id();
    if (p >= kFirstExportEntry && read != DestinationRead::Copy && canRead(read)) {
        const ExportPrograms& variants = read == DestinationRead::Fetch ? m_fetchPrograms : m_texelPrograms;
        program = variants[v][p - kFirstExportEntry].id();
    }
    glUseProgram(program);
    m_constants.write(constants);
}

void PolyProgram::bindInstances(GLuint buffer, std::size_t byteOffset) {
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    const auto attribute = [&](GLuint location, std::size_t fieldOffset) {
        glEnableVertexAttribArray(location);
        glVertexAttribPointer(location, 4, GL_FLOAT, GL_FALSE, sizeof(PolyInstance),
                              reinterpret_cast<const void*>(static_cast<std::uintptr_t>(byteOffset + fieldOffset)));
        glVertexAttribDivisor(location, 1);
    };
    for (GLuint row = 0; row < 4; ++row) attribute(2 + row, offsetof(PolyInstance, world) + row * 16);
    attribute(6, offsetof(PolyInstance, color));
    attribute(7, offsetof(PolyInstance, texLinear));
    attribute(8, offsetof(PolyInstance, texOffset));
    attribute(9, offsetof(PolyInstance, bottomScale));
    attribute(10, offsetof(PolyInstance, topScale));
}

void PolyProgram::bindVertices(GLuint buffer) {
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 20, nullptr);
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, 20, reinterpret_cast<const void*>(std::uintptr_t{12}));
}

void PolyProgram::bindWorldVertices(GLuint buffer) {
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    const auto attribute = [](GLuint location, GLint size, std::size_t offset) {
        glEnableVertexAttribArray(location);
        glVertexAttribPointer(location, size, GL_FLOAT, GL_FALSE, sizeof(PolyWorldVertex),
                              reinterpret_cast<const void*>(static_cast<std::uintptr_t>(offset)));
    };
    attribute(0, 3, offsetof(PolyWorldVertex, x));
    attribute(1, 2, offsetof(PolyWorldVertex, u));
    attribute(2, 4, offsetof(PolyWorldVertex, color));
}

}  // namespace fg
