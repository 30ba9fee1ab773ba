#include "persistence/NodeClipboard.h"

#include <algorithm>
#include <array>
#include <set>

#include "model/EffectTree.h"
#include "persistence/Archive.h"
#include "persistence/Ini.h"
#include "persistence/SaveIni.h"

namespace fg {
namespace {

constexpr std::array<std::string_view, 4> kImageExtensions{".png", ".bmp", ".jpg", ".jpeg"};
constexpr std::string_view kModelExtension = ".obj";

bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() > tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// Whether `name` is an image (false) or a model (true) material's file name; nullopt for neither.
std::optional<bool> materialKind(std::string_view name) {
    if (endsWith(name, kModelExtension)) return true;
    for (std::string_view extension : kImageExtensions) {
        if (endsWith(name, extension)) return false;
    }
    return std::nullopt;
}

// Within the limits a tree can take anywhere: children per node, levels.
bool withinLimits(const Node& node, int level) {
    if (level > EffectTree::kMaxDepth || node.childCount() > EffectTree::kMaxChildren) return false;
    return std::all_of(node.m_children.begin(), node.m_children.end(),
                       [level](const auto& child) { return withinLimits(*child, level + 1); });
}

}  // namespace

std::string packNodeClipboard(const Node& top, const std::vector<ClipboardMaterial>& materials) {
    IniDocument ini;
    if (writeSubtree(top, ini)) return {};
    std::vector<PackInput> inputs;
    inputs.reserve(materials.size());
    for (const ClipboardMaterial& material : materials) {
        if (!isSafeRecordName(material.fileName) || !isStorableRecordName(material.fileName)) return {};
        inputs.push_back({material.fileName, material.bytes});
    }
    return buildArchive(inputs, ini.serializeCp932());
}

std::optional<NodeClipboardContent> unpackNodeClipboard(std::string_view bytes) {
    if (bytes.size() > kMaxNodeClipboardBytes) return std::nullopt;
    const ParsedArchive archive = parseArchive(bytes);
    if (archive.error != ArchiveError::None || archive.records.empty()) return std::nullopt;
    if (archive.records.size() - 1 > kMaxNodeClipboardMaterials) return std::nullopt;
    NodeClipboardContent content;
    bool modelsBegun = false;
    for (std::size_t i = 0; i + 1 < archive.records.size(); ++i) {
        const ArchiveRecord& record = archive.records[i];
        const std::optional<bool> isModel = materialKind(record.name);
        if (!isModel || !isSafeRecordName(record.name) || !isStorableRecordName(record.name)) return std::nullopt;
        // The nodes count images first: an image after a model would shift them.
        if (modelsBegun && !*isModel) return std::nullopt;
        modelsBegun = *isModel;
        content.materials.push_back({record.name, std::string(record.content), *isModel});
    }
    const IniDocument ini = IniDocument::parseCp932(archive.records.back().content);
    content.top = readSubtree(ini, archive.version);
    if (content.top == nullptr || !withinLimits(*content.top, 1)) return std::nullopt;
    return content;
}

}  // namespace fg
