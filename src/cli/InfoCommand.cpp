// fulgrane3d-cli info [PROJECT] [--json]: what a project holds — project and
// export settings, saved views, the node tree and the materials — as text or
// as one JSON object. Without PROJECT it describes a new, untitled effect.

#include <QCoreApplication>

#include <array>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Commands.h"
#include "cli/StandardOutput.h"
#include "cli/TextEscape.h"
#include "model/EditorState.h"
#include "model/NodeFields.h"
#include "persistence/MaterialFiles.h"
#include "persistence/OpenProject.h"
#include "persistence/SettingsFields.h"
#include "persistence/Workspace.h"
#include "text/Format.h"

namespace fg::cli {
namespace {

// Shown in the language of the run (--lang).
constexpr std::array<const char*, 5> kShapeNames{
    QT_TRANSLATE_NOOP("fg::cli", "２Ｄ"), QT_TRANSLATE_NOOP("fg::cli", "平面"), QT_TRANSLATE_NOOP("fg::cli", "半球"),
    QT_TRANSLATE_NOOP("fg::cli", "円柱"), QT_TRANSLATE_NOOP("fg::cli", "軌跡")};
constexpr std::array<const char*, 6> kEmitterNames{
    QT_TRANSLATE_NOOP("fg::cli", "円（垂直）"), QT_TRANSLATE_NOOP("fg::cli", "円（水平）"),
    QT_TRANSLATE_NOOP("fg::cli", "球"),         QT_TRANSLATE_NOOP("fg::cli", "半球"),
    QT_TRANSLATE_NOOP("fg::cli", "円柱"),       QT_TRANSLATE_NOOP("fg::cli", "直方体")};
constexpr const char* kNoTexture = QT_TRANSLATE_NOOP("fg::cli", "なし");

std::string translated(const char* text) { return QCoreApplication::translate("fg::cli", text).toStdString(); }

// The material list split as nodes index it: images by m_texture.ID, models by m_shape.type - 5.
struct Materials {
    std::vector<MaterialFile> all;
    std::vector<const MaterialFile*> images;
    std::vector<const MaterialFile*> models;

    explicit Materials(const std::string& workDir) {
        if (!workDir.empty()) all = listMaterialFiles(workDir);
        for (const MaterialFile& material : all) (material.isModel ? models : images).push_back(&material);
    }
};

std::string shapeName(const Node& node, const Materials& materials) {
    const std::int32_t type = node.m_shape.type;
    if (type >= 0 && type < kShapeFirstModel) return translated(kShapeNames[static_cast<std::size_t>(type)]);
    const std::int64_t model = std::int64_t{type} - kShapeFirstModel;
    if (model >= 0 && model < static_cast<std::int64_t>(materials.models.size())) {
        return "model " + materials.models[static_cast<std::size_t>(model)]->name;
    }
    return "model #" + std::to_string(model) + " (missing)";
}

std::string textureName(const Node& node, const Materials& materials) {
    const std::int32_t id = node.m_texture.ID;
    if (id == -1) return translated(kNoTexture);
    if (id >= 0 && id < static_cast<std::int32_t>(materials.images.size())) {
        return materials.images[static_cast<std::size_t>(id)]->name;
    }
    return "#" + std::to_string(id) + " (missing)";
}

std::string emitterName(const Node& node) {
    const std::int32_t type = node.m_emitter.type;
    if (type >= 0 && type < static_cast<std::int32_t>(kEmitterNames.size())) {
        return translated(kEmitterNames[static_cast<std::size_t>(type)]);
    }
    return "#" + std::to_string(type);
}

std::string number(double value) {
    if (!std::isfinite(value)) return "null";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.9g", value);
    return buffer;
}

std::string vec(const Vec3f& v, bool json) {
    if (json) return "[" + number(v.x) + "," + number(v.y) + "," + number(v.z) + "]";
    return "(" + number(v.x) + ", " + number(v.y) + ", " + number(v.z) + ")";
}

// --- text -------------------------------------------------------------------

// printf into a string; every name in it has been through printableText.
void appendf(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));
void appendf(std::string& out, const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (length > 0) {
        const std::size_t start = out.size();
        out.resize(start + static_cast<std::size_t>(length) + 1);
        std::vsnprintf(out.data() + start, static_cast<std::size_t>(length) + 1, format, again);
        out.resize(start + static_cast<std::size_t>(length));
    }
    va_end(again);
}

void appendNodeText(std::string& out, Node& node, const Materials& materials, int depth) {
    appendf(out, "%*s- [%d] %s  shape %s, texture %s, emitter %s%s\n", depth * 2, "", node.m_ID,
            printableText(node.m_name).c_str(), printableText(shapeName(node, materials)).c_str(),
            printableText(textureName(node, materials)).c_str(), emitterName(node).c_str(),
            node.m_isDraw ? "" : ", hidden");
    for (const auto& child : node.m_children) appendNodeText(out, *child, materials, depth + 1);
}

std::string infoText(EditorState& g, const Materials& materials) {
    std::string out;
    appendf(out, "project: %s\nfile version: %d\n\nsettings:\n", printableText(g.fileName).c_str(), g.fileVersion);
    for (const SettingsField& field : settingsFields()) {
        const std::string value = field.type == FieldType::Float ? number(floatSetting(g, field))
                                                                 : std::to_string(intSetting(g, field));
        appendf(out, "  %-22s %s\n", field.key, value.c_str());
    }
    out += "\nviews:\n";
    for (std::size_t i = 0; i < g.viewList.size(); ++i) {
        const ViewEntry& view = g.viewList[i];
        appendf(out, "  %zu  %s  position %s  target %s  angle %s\n", i, printableText(view.title).c_str(),
                vec(view.pos, false).c_str(), vec(view.target, false).c_str(), number(view.angle).c_str());
    }
    out += "\nnodes:\n";
    for (const auto& child : g.tree.root().m_children) appendNodeText(out, *child, materials, 1);
    out += "\nmaterials:\n";
    if (materials.all.empty()) out += "  (none)\n";
    for (std::size_t i = 0; i < materials.all.size(); ++i) {
        const MaterialFile& material = materials.all[i];
        appendf(out, "  %zu  %s  %s  %s\n", i, printableText(material.name).c_str(),
                material.isModel ? "model" : "image", printableText(material.fileName).c_str());
    }
    return out;
}

// --- JSON -------------------------------------------------------------------

std::string nodeJson(Node& node, const Materials& materials) {
    std::string out = "{\"id\":" + std::to_string(node.m_ID) + ",\"name\":" + jsonString(node.m_name) +
                      ",\"shape\":" + std::to_string(node.m_shape.type) + ",\"shapeName\":" +
                      jsonString(shapeName(node, materials)) + ",\"texture\":" + std::to_string(node.m_texture.ID) +
                      ",\"textureName\":" + jsonString(textureName(node, materials)) +
                      ",\"emitterType\":" + std::to_string(node.m_emitter.type) +
                      ",\"emitterName\":" + jsonString(emitterName(node)) + ",\"fields\":{";
    bool first = true;
    for (const NodeField& field : nodeFields()) {
        if (field.type == FieldType::Text) continue;
        out += (first ? "" : ",") + jsonString(field.key) + ":" +
               (field.type == FieldType::Float ? number(floatField(node, field))
                                               : std::to_string(intField(node, field)));
        first = false;
    }
    out += "},\"children\":[";
    for (std::size_t i = 0; i < node.m_children.size(); ++i) {
        out += (i ? "," : "") + nodeJson(*node.m_children[i], materials);
    }
    return out + "]}";
}

std::string infoJson(EditorState& g, const Materials& materials) {
    std::string out = "{\"project\":" + jsonString(g.fileName) + ",\"fileVersion\":" + std::to_string(g.fileVersion) +
                      ",\"settings\":{";
    bool first = true;
    for (const SettingsField& field : settingsFields()) {
        out += (first ? "" : ",") + jsonString(field.key) + ":" +
               (field.type == FieldType::Float ? number(floatSetting(g, field))
                                               : std::to_string(intSetting(g, field)));
        first = false;
    }
    out += "},\"views\":[";
    for (std::size_t i = 0; i < g.viewList.size(); ++i) {
        const ViewEntry& view = g.viewList[i];
        out += std::string(i ? "," : "") + "{\"title\":" + jsonString(view.title) + ",\"pos\":" + vec(view.pos, true) +
               ",\"target\":" + vec(view.target, true) + ",\"angle\":" + number(view.angle) + "}";
    }
    out += "],\"nodes\":[";
    const Node& root = g.tree.root();
    for (std::size_t i = 0; i < root.m_children.size(); ++i) {
        out += (i ? "," : "") + nodeJson(*root.m_children[i], materials);
    }
    out += "],\"materials\":[";
    for (std::size_t i = 0; i < materials.all.size(); ++i) {
        const MaterialFile& material = materials.all[i];
        out += std::string(i ? "," : "") + "{\"index\":" + std::to_string(i) + ",\"name\":" + jsonString(material.name) +
               ",\"file\":" + jsonString(material.fileName) + ",\"kind\":\"" + (material.isModel ? "model" : "image") +
               "\"}";
    }
    return out + "]}\n";
}

}  // namespace

int runInfo(const Args& args) {
    std::optional<std::string> project;
    bool json = false;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            std::fprintf(stderr, "fulgrane3d-cli info: unknown option \"%s\"\n", arg.c_str());
            return 2;
        } else if (project) {
            std::fprintf(stderr, "fulgrane3d-cli info: only one PROJECT may be given\n");
            return 2;
        } else {
            project = arg;
        }
    }

    EditorState g;
    std::optional<ScopedWorkspace> workspace;
    if (project) {
        std::string error;
        workspace = ScopedWorkspace::createForTool(&error);
        if (!workspace) {
            std::fprintf(stderr, "fulgrane3d-cli info: no workspace: %s\n", error.c_str());
            return 1;
        }
        g.workDir = workspace->path().string();
        const OpenProjectResult opened = openProjectForTool(g, *project);
        if (!opened.ok) {
            std::fprintf(stderr, "%s\n", text::formatUtf8(opened.message).c_str());
            return 1;
        }
    }
    const Materials materials(g.workDir);
    StandardOutput out("info");
    out.write(json ? infoJson(g, materials) : infoText(g, materials));
    return out.finish() ? 0 : 1;
}

}  // namespace fg::cli
