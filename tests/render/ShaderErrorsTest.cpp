// A program that fails to build names the failing entry in its caption and
// carries the compiler's own explanation.

#include <gtest/gtest.h>

#include "GlTestContext.h"
#include "render/ShaderBuild.h"

namespace fg::test {
namespace {

class ShaderErrors : public GlTest {};

// The embedded source with `marker` replaced by a line that does not compile.
std::string brokenAt(const char* file, const std::string& marker) {
    std::string source = programSource(file);
    const auto at = source.find(marker);
    EXPECT_NE(at, std::string::npos) << marker;
    if (at != std::string::npos) source.insert(at + marker.size(), "\n    this is not glsl;\n");
    return source;
}

TEST_F(ShaderErrors, EmbeddedProgramsBuild) {
    RenderError error;
    EXPECT_TRUE(LineProgram::load(&error)) << error.message;
    EXPECT_TRUE(PolyProgram::load(&error)) << error.message;
    EXPECT_TRUE(SpriteProgram::load(&error)) << error.message;
}

TEST_F(ShaderErrors, PolyPixelEntryFailureNamesThatEntry) {
    RenderError error;
    EXPECT_FALSE(PolyProgram::load(brokenAt("Poly.glsl", "#elif defined(PS_BackAlphaAdd)"), &error));
    EXPECT_EQ(error.caption.sourceText(), "Poly.hlsl 【PS_BackAlphaAdd】");
    EXPECT_FALSE(error.message.empty());
}

TEST_F(ShaderErrors, PolyCylinderVertexFailureNamesThatEntry) {
    RenderError error;
    EXPECT_FALSE(PolyProgram::load(brokenAt("Poly.glsl", "#if defined(VS_Cylinder)"), &error));
    EXPECT_EQ(error.caption.sourceText(), "Poly.hlsl 【VS_Cylinder】");
}

TEST_F(ShaderErrors, LineAndSpriteFailuresNameTheirEntries) {
    RenderError error;
    EXPECT_FALSE(LineProgram::load(brokenAt("Line.glsl", "#if defined(VS)"), &error));
    EXPECT_EQ(error.caption.sourceText(), "Line.hlsl 【VS】");
    EXPECT_FALSE(SpriteProgram::load(brokenAt("Sprite.glsl", "#if defined(PS)"), &error));
    EXPECT_EQ(error.caption.sourceText(), "Sprite.hlsl 【PS】");
}

TEST_F(ShaderErrors, MissingSourceFailsAtTheFirstEntry) {
    RenderError error;
    EXPECT_FALSE(PolyProgram::load(std::string(), &error));
    EXPECT_EQ(error.caption.sourceText(), "Poly.hlsl 【VS】");
    EXPECT_FALSE(error.message.empty());
}

}  // namespace
}  // namespace fg::test
