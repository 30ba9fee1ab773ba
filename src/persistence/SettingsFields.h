#pragma once
// The keys of the settings file's section "0" in the order they are written:
// project settings, export settings and the camera. The writer, the reader
// and `fulgrane3d-cli info` walk this one table.

#include <cstdint>
#include <span>

#include "model/EditorState.h"
#include "model/NodeFields.h"

namespace fg {

struct SettingsField {
    const char* key;  // "g.project.frame"
    FieldType type;   // Int or Float
    void* (*ref)(EditorState&);
};

std::span<const SettingsField> settingsFields();

std::int32_t& intSetting(EditorState& g, const SettingsField& field);
float& floatSetting(EditorState& g, const SettingsField& field);

}  // namespace fg
