#include "persistence/SettingsFields.h"

#include <array>

namespace fg {
namespace {

#define FG_SETTING(key, member, kind) \
    SettingsField { key, FieldType::kind, [](EditorState& g) -> void* { return &g.member; } }

constexpr std::array kSettingsFields{
    FG_SETTING("g.project.frame", project.frame, Int),
    FG_SETTING("g.project.fps", project.fps, Int),
    FG_SETTING("g.project.backColor.x", project.backColor.x, Float),
    FG_SETTING("g.project.backColor.y", project.backColor.y, Float),
    FG_SETTING("g.project.backColor.z", project.backColor.z, Float),
    FG_SETTING("g.project.width", project.width, Int),
    FG_SETTING("g.project.height", project.height, Int),
    FG_SETTING("g.project.reverse", project.reverse, Int),
    FG_SETTING("g.project.randomSeed", project.randomSeed, Int),
    FG_SETTING("g.project.sort", project.sort, Int),
    FG_SETTING("g.write.start", write.start, Int),
    FG_SETTING("g.write.end", write.end, Int),
    FG_SETTING("g.write.step", write.step, Int),
    FG_SETTING("g.write.width", write.width, Int),
    FG_SETTING("g.write.height", write.height, Int),
    FG_SETTING("g.write.type", write.type, Int),
    FG_SETTING("g.write.isAlpha", write.isAlpha, Int),
    FG_SETTING("g.write.smooth", write.smooth, Int),
    FG_SETTING("camPos.x", camera.eye.x, Float),
    FG_SETTING("camPos.y", camera.eye.y, Float),
    FG_SETTING("camPos.z", camera.eye.z, Float),
    FG_SETTING("camTarget.x", camera.target.x, Float),
    FG_SETTING("camTarget.y", camera.target.y, Float),
    FG_SETTING("camTarget.z", camera.target.z, Float),
};

#undef FG_SETTING

}  // namespace

std::span<const SettingsField> settingsFields() { return kSettingsFields; }

std::int32_t& intSetting(EditorState& g, const SettingsField& field) {
    return *static_cast<std::int32_t*>(field.ref(g));
}

float& floatSetting(EditorState& g, const SettingsField& field) { return *static_cast<float*>(field.ref(g)); }

}  // namespace fg
