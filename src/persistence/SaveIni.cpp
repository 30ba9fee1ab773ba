#include "persistence/SaveIni.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "model/Cp932.h"
#include "model/NodeFields.h"
#include "model/NodeIds.h"
#include "model/Tenths.h"
#include "persistence/Messages.h"
#include "persistence/SettingsFields.h"
#include "persistence/TextNumbers.h"

namespace fg {
namespace {

constexpr const char* kSettingsSection = "0";
constexpr const char* kNameKey = "m_name";

std::string viewSection(std::size_t index) { return "ViewList" + std::to_string(index); }
std::string pointCountKey(int curve) { return "graphPointNum" + std::to_string(curve); }
std::string pointKey(int curve, int point, char axis) {
    return "graphPoint" + std::to_string(curve) + "-" + std::to_string(point) + "_" + axis;
}

// (int)(value) in C, kept inside the 32-bit range (NaN becomes 0).
std::int64_t truncated(double value) {
    if (std::isnan(value)) return 0;
    constexpr double kMin = std::numeric_limits<std::int32_t>::min();
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int64_t>(std::trunc(std::clamp(value, kMin, kMax)));
}

// A missing key reads as 0, as the file format has always read it, and not
// as the row's initial value: a file that lacks a key opens as it always did.
std::int32_t readInt(const IniDocument& ini, std::string_view section, std::string_view key) {
    const auto value = ini.find(section, key);
    return value ? parseIntLeading(*value) : 0;
}

float readFloat(const IniDocument& ini, std::string_view section, std::string_view key) {
    const auto value = ini.find(section, key);
    return value ? parseFloatLeading(*value) : 0.0f;
}

// --- writing ---------------------------------------------------------------

void writeSettings(EditorState& g, IniDocument& ini) {
    for (const SettingsField& field : settingsFields()) {
        if (field.type == FieldType::Float) ini.setFloat(kSettingsSection, field.key, floatSetting(g, field));
        else ini.setInt(kSettingsSection, field.key, intSetting(g, field));
    }
    for (std::size_t i = 0; i < g.viewList.size(); ++i) {
        const ViewEntry& view = g.viewList[i];
        const std::string section = viewSection(i);
        // An unchanged title goes back with the codes it was read with.
        if (view.storedTitle.empty()) ini.setString(section, "Title", view.title);
        else ini.setStoredString(section, "Title", view.title, view.storedTitle);
        ini.setInt(section, "PosX", tenthsOf(view.pos.x));
        ini.setInt(section, "PosY", tenthsOf(view.pos.y));
        ini.setInt(section, "PosZ", tenthsOf(view.pos.z));
        ini.setInt(section, "TargetX", tenthsOf(view.target.x));
        ini.setInt(section, "TargetY", tenthsOf(view.target.y));
        ini.setInt(section, "TargetZ", tenthsOf(view.target.z));
        ini.setInt(section, "Angle", truncated(view.angle));
    }
}

std::optional<IoResult> writeChildren(Node& parent, std::int64_t parentSection, IniDocument& ini);

std::optional<IoResult> writeNode(Node& node, std::int64_t number, IniDocument& ini) {
    const std::string section = formatInt(number);
    for (const NodeField& field : nodeFields()) {
        switch (field.type) {
        case FieldType::Text: ini.setString(section, field.key, textField(node, field)); break;
        case FieldType::Int: ini.setInt(section, field.key, intField(node, field)); break;
        case FieldType::Float: ini.setFloat(section, field.key, floatField(node, field)); break;
        }
    }
    // An unedited name goes back with the codes it was read with.
    if (const std::string_view stored = node.storedNameBytes(); !stored.empty()) {
        ini.setStoredString(section, kNameKey, node.m_name, stored);
    }
    for (int c = 0; c < kCurveCount; ++c) {
        const GraphPoints& points = node.curve(c).points();
        ini.setInt(section, pointCountKey(c), static_cast<std::int64_t>(points.size()));
        for (std::size_t j = 0; j < points.size(); ++j) {
            ini.setFloat(section, pointKey(c, static_cast<int>(j), 'X'), points[j].x);
            ini.setFloat(section, pointKey(c, static_cast<int>(j), 'Y'), points[j].y);
        }
    }
    return writeChildren(node, number, ini);
}

std::optional<IoResult> writeChildren(Node& parent, std::int64_t parentSection, IniDocument& ini) {
    const auto notStorable = IoResult::failure(persistence_text::message(persistence_text::kTreeNotStorable),
                                               persistence_text::programName());
    if (parent.childCount() > kMaxSectionChildren) return notStorable;
    for (int i = 0; i < parent.childCount(); ++i) {
        const auto number = childSection(parentSection, i);
        if (!number) return notStorable;
        if (auto failed = writeNode(*parent.childAt(i), *number, ini)) return failed;
    }
    return std::nullopt;
}

// --- reading ---------------------------------------------------------------

void readCurve(Node& node, int c, const IniDocument& ini, const std::string& section, std::int32_t version) {
    Graph& curve = node.curve(c);
    curve.clearPoints();
    if (version <= 1 && c == kCurveSize) {
        // Files before version 2 had no overall-size curve.
        curve.addPoint(0.0f, 1.0f);
        curve.addPoint(100.0f, 1.0f);
        curve.rebuild();
        return;
    }
    const std::int32_t count = readInt(ini, section, pointCountKey(c));
    if (count >= 2 && count <= kMaxCurvePoints) {
        for (int j = 0; j < count; ++j) {
            curve.addPoint(readFloat(ini, section, pointKey(c, j, 'X')), readFloat(ini, section, pointKey(c, j, 'Y')));
        }
    }
    // Too few or too many points, or points nothing can be made of: the
    // curve starts over from its initial points instead of keeping whatever
    // samples it had.
    GraphPoints points = curve.points();
    if (!curve::isWellFormed(points) && !curve::repair(points)) points = makeInitialCurve(c)->points();
    curve.setPoints(std::move(points));
    curve.rebuild();
}

bool readNode(Node& node, std::int64_t number, const IniDocument& ini, std::int32_t version);

void readChildren(Node& parent, std::int64_t parentSection, const IniDocument& ini, std::int32_t version) {
    for (int i = 0; i < kMaxSectionChildren; ++i) {
        const auto number = childSection(parentSection, i);
        if (!number) return;
        // The stored m_ID replaces the constructor's; no ID search needed here.
        Node& child = parent.insertChild(parent.childCount(), std::make_unique<Node>(&parent, 0));
        if (!readNode(child, *number, ini, version)) {
            parent.removeChild(parent.childCount() - 1);
            return;
        }
    }
}

bool readNode(Node& node, std::int64_t number, const IniDocument& ini, std::int32_t version) {
    const std::string section = formatInt(number);
    // The section exists when its name key does, whatever the name says: a
    // node may well be named "__NO_DATA_".
    if (!ini.find(section, kNameKey)) return false;
    for (const NodeField& field : nodeFields()) {
        switch (field.type) {
        case FieldType::Text: setTextField(node, field, ini.getString(section, field.key, "")); break;
        case FieldType::Int: intField(node, field) = readInt(ini, section, field.key); break;
        case FieldType::Float: floatField(node, field) = readFloat(ini, section, field.key); break;
        }
    }
    if (const auto stored = ini.storedBytes(section, kNameKey)) node.m_storedName = std::string(*stored);
    if (version <= 1 && node.m_emitter.type == kEmitterHemisphere) node.m_emitter.type = kEmitterBox;
    for (int c = 0; c < kCurveCount; ++c) readCurve(node, c, ini, section, version);
    if (version <= 2 && node.m_shape.type == kShapeTrail) std::swap(node.m_graph[kCurveWidth], node.m_graph[kCurveSize]);
    readChildren(node, number, ini, version);
    return true;
}

// The edit history finds nodes by ID, the root being 0. A damaged file can
// leave an ID missing (read as 0) or repeated; such nodes get fresh IDs, so
// an undo can never land on the root or on another node. Files whose IDs are
// unique and positive, as every saved file's are, keep them, even the
// highest 32-bit ID: fresh IDs then come from below.
void repairNodeIds(Node& root) {
    std::set<std::int32_t> seen{root.m_ID};
    std::vector<Node*> needFresh;
    const auto visit = [&](auto& self, Node& node) -> void {
        for (const auto& child : node.m_children) {
            if (child->m_ID <= 0 || !seen.insert(child->m_ID).second) needFresh.push_back(child.get());
            self(self, *child);
        }
    };
    visit(visit, root);
    NodeIdAllocator ids(root);
    for (Node* node : needFresh) node->m_ID = ids.take();
}

}  // namespace

std::optional<std::int64_t> childSection(std::int64_t parent, int position) {
    if (parent < 0 || position < 0 || position >= kMaxSectionChildren) return std::nullopt;
    if (parent > (std::numeric_limits<std::int64_t>::max() - kMaxSectionChildren) / 10) return std::nullopt;
    return parent * 10 + position + 1;
}

std::optional<IoResult> buildSaveIni(const EditorState& state, IniDocument& out) {
    // The field tables hand out mutable references; nothing here writes through them.
    EditorState& g = const_cast<EditorState&>(state);
    out = IniDocument{};
    writeSettings(g, out);
    return writeChildren(g.tree.root(), 0, out);
}

std::optional<IoResult> writeSubtree(const Node& top, IniDocument& out) {
    // The field tables hand out mutable references; nothing here writes through them.
    return writeNode(const_cast<Node&>(top), 1, out);
}

std::unique_ptr<Node> readSubtree(const IniDocument& ini, std::int32_t version) {
    auto top = std::make_unique<Node>(nullptr, 0);
    if (!readNode(*top, 1, ini, version)) return nullptr;
    top->setParents(nullptr);
    top->renumber();
    return top;
}

void readSettings(EditorState& g, const IniDocument& ini) {
    for (const SettingsField& field : settingsFields()) {
        if (field.type == FieldType::Float) floatSetting(g, field) = readFloat(ini, kSettingsSection, field.key);
        else intSetting(g, field) = readInt(ini, kSettingsSection, field.key);
    }
    g.viewList.clear();
    for (std::size_t i = 0;; ++i) {
        const std::string section = viewSection(i);
        ViewEntry view;
        view.title = ini.getString(section, "Title", "");
        if (view.title.empty()) break;
        if (const auto stored = ini.storedBytes(section, "Title")) view.storedTitle = std::string(*stored);
        const auto scaled = [&](const char* key) {
            return static_cast<float>(readFloat(ini, section, key) / 10.0);
        };
        view.pos = {scaled("PosX"), scaled("PosY"), scaled("PosZ")};
        view.target = {scaled("TargetX"), scaled("TargetY"), scaled("TargetZ")};
        view.angle = readFloat(ini, section, "Angle");
        g.viewList.push_back(std::move(view));
    }
    if (g.viewList.empty()) g.viewList.push_back(viewListPlaceholder());
}

void readNodeTree(EditorState& g, const IniDocument& ini) {
    g.tree.clear();
    Node& root = g.tree.root();
    readChildren(root, 0, ini, g.fileVersion);
    repairNodeIds(root);
    g.tree.finish();
    g.tree.select(root.childAt(0));
}

IoResult writeSaveIniFile(const EditorState& g) {
    const std::filesystem::path path = std::filesystem::path(g.workDir) / kSaveIniName;
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    IniDocument ini;
    if (auto failed = buildSaveIni(g, ini)) return *failed;
    if (const FileWriteResult written = writeIniFile(ini, path, IniEncoding::Cp932); !written) {
        return IoResult::failure(persistence_text::cannotWrite(path.string(), written.error),
                                 persistence_text::message(persistence_text::kWriteErrorCaption));
    }
    return IoResult::success();
}

bool readSaveIniFile(EditorState& g, const std::filesystem::path& path) {
    const auto ini = readIniFile(path, IniEncoding::Cp932);
    if (!ini) return false;
    readSettings(g, *ini);
    readNodeTree(g, *ini);
    return true;
}

}  // namespace fg
