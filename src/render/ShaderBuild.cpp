#include "render/ShaderBuild.h"

#include <QFile>

#include <vector>

namespace fg {

namespace {

std::string resourceText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

std::string infoLog(GLuint object, bool isProgram) {
    GLint length = 0;
    if (isProgram) glGetProgramiv(object, GL_INFO_LOG_LENGTH, &length);
    else glGetShaderiv(object, GL_INFO_LOG_LENGTH, &length);
    if (length <= 1) return {};
    std::vector<char> text(static_cast<std::size_t>(length));
    if (isProgram) glGetProgramInfoLog(object, length, nullptr, text.data());
    else glGetShaderInfoLog(object, length, nullptr, text.data());
    return std::string(text.data());
}

std::string entryPreamble(const ShaderEntry& entry) {
    std::string text = "#version 330 core\n";
    if (entry.extension != nullptr) text += "#extension " + std::string(entry.extension) + " : require\n";
    text += entry.stage == ShaderStage::Vertex ? "#define VERTEX_STAGE 1\n" : "#define PIXEL_STAGE 1\n";
    text += "#define " + std::string(entry.name) + " 1\n";
    if (entry.variant != nullptr) text += "#define " + std::string(entry.variant) + " 1\n";
    text += "#line 1 1\n";
    return text;
}

}  // namespace

std::string programSource(const char* fileName) {
    const std::string common = resourceText(QStringLiteral(":/fulgrane3d/shaders/Common.glsl"));
    const std::string body = resourceText(QStringLiteral(":/fulgrane3d/shaders/") + QString::fromUtf8(fileName));
    if (common.empty() || body.empty()) return {};
    return common + "#line 1 2\n" + body;
}

GlShader compileEntry(const std::string& source, const ShaderEntry& entry, RenderError* error) {
    GlShader shader(glCreateShader(entry.stage == ShaderStage::Vertex ? GL_VERTEX_SHADER : GL_FRAGMENT_SHADER));
    if (!shader) {
        *error = {Message(render_text::kContext, entry.createFailure), Message::verbatim(entry.caption)};
        return {};
    }
    const std::string preamble = entryPreamble(entry);
    const char* parts[] = {preamble.c_str(), source.c_str()};
    glShaderSource(shader.id(), 2, parts, nullptr);
    glCompileShader(shader.id());
    GLint ok = GL_FALSE;
    glGetShaderiv(shader.id(), GL_COMPILE_STATUS, &ok);
    if (ok != GL_TRUE || source.empty()) {
        std::string log = infoLog(shader.id(), false);
        *error = {log.empty() ? Message(render_text::kContext, entry.createFailure) : Message::verbatim(log),
                  Message::verbatim(entry.caption)};
        return {};
    }
    return shader;
}

GlProgram linkProgram(GLuint vertexShader, GLuint pixelShader, const char* caption, RenderError* error) {
    GlProgram program(glCreateProgram());
    glAttachShader(program.id(), vertexShader);
    glAttachShader(program.id(), pixelShader);
    glLinkProgram(program.id());
    GLint ok = GL_FALSE;
    glGetProgramiv(program.id(), GL_LINK_STATUS, &ok);
    if (ok != GL_TRUE) {
        std::string log = infoLog(program.id(), true);
        const Message what =
            log.empty() ? Message(render_text::kContext, render_text::kPixelShaderFailed) : Message::verbatim(log);
        *error = {what, Message::verbatim(caption)};
        return {};
    }
    glDetachShader(program.id(), vertexShader);
    glDetachShader(program.id(), pixelShader);

    GLint previous = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &previous);
    glUseProgram(program.id());
    const GLint decal = glGetUniformLocation(program.id(), "g_texDecal");
    if (decal >= 0) glUniform1i(decal, 0);
    const GLint copy = glGetUniformLocation(program.id(), "g_texRT");
    if (copy >= 0) glUniform1i(copy, 1);
    glUseProgram(static_cast<GLuint>(previous));
    const GLuint block = glGetUniformBlockIndex(program.id(), "global");
    if (block != GL_INVALID_INDEX) glUniformBlockBinding(program.id(), block, 0);
    return program;
}

GlProgram buildProgram(const std::string& source, const ShaderEntry& vertex, const ShaderEntry& pixel,
                       RenderError* error) {
    GlShader vs = compileEntry(source, vertex, error);
    if (!vs) return {};
    GlShader ps = compileEntry(source, pixel, error);
    if (!ps) return {};
    return linkProgram(vs.id(), ps.id(), pixel.caption, error);
}

}  // namespace fg
