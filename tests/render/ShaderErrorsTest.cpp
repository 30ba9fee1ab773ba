// A program that fails to build names the failing entry in its caption and
// carries the compiler's own explanation; the renderer's own failures are
// messages, put into words in the language shown.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "GlTestContext.h"
#include "render/ShaderBuild.h"
#include "render/Sprite.h"
#include "text/Format.h"
#include "text/Language.h"

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

TEST_F(ShaderErrors, TheRenderersOwnFailuresReadInEitherLanguage) {
    // The compiler's explanation is its own text, kept as it is.
    RenderError shader;
    EXPECT_FALSE(PolyProgram::load(std::string(), &shader));
    ASSERT_TRUE(shader.message.isVerbatim());
    const std::string compilerText = shader.message.source();
    EXPECT_FALSE(compilerText.empty());
    RenderError texture;
    Sprite sprite(*s_sprite);
    EXPECT_FALSE(sprite.load(QStringLiteral(":/fulgrane3d/pictures/none.png"), &texture));
    EXPECT_EQ(texture.message, Message("fg::render_text", render_text::kTextureFailed));

    // Japanese: the texts as they have always been shown.
    EXPECT_EQ(text::formatUtf8(shader.message), compilerText);
    EXPECT_EQ(text::formatUtf8(shader.caption), "Poly.hlsl 【VS】");
    EXPECT_EQ(text::formatUtf8(texture.message), "テクスチャー読み込み失敗");
    EXPECT_EQ(texture.caption.sourceText(), "スプライト");

    // English: the texts translated, a shader entry's name kept.
    int argc = 1;
    char name[] = "render_tests";
    char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> application;
    if (QCoreApplication::instance() == nullptr) application = std::make_unique<QCoreApplication>(argc, argv);
    {
        const std::unique_ptr<QTranslator> english = text::installLanguage(text::Language::English);
        ASSERT_NE(english, nullptr);
        EXPECT_EQ(text::formatUtf8(shader.message), compilerText);
        EXPECT_EQ(text::formatUtf8(shader.caption), "Poly.hlsl 【VS】");
        EXPECT_EQ(text::formatUtf8(texture.message), "Could not load the texture.");
        EXPECT_EQ(text::formatUtf8(texture.caption), "Sprite");
    }
}

}  // namespace
}  // namespace fg::test
