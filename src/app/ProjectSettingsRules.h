#pragma once
// The ranges the settings dialogs allow and the rules their values follow,
// free of widgets: the dialogs' spin boxes use the ranges, the editor clamps
// to them again, so a value that would divide by zero later (0 frames,
// 0 FPS) never reaches the project.

#include <cstdint>
#include <string>

#include "model/EditorState.h"
#include "model/Tenths.h"

namespace fg {

struct SpinRange {
    int min;
    int max;
    int clamp(int value) const { return value < min ? min : (value > max ? max : value); }
};

inline constexpr SpinRange kFrameCountRange{1, 9999};
inline constexpr SpinRange kFpsRange{1, 120};
inline constexpr SpinRange kProjectSizeRange{1, 2048};
// Camera coordinates in tenths of a unit: −99.9 … 99.9.
inline constexpr SpinRange kCameraTenthsRange{-999, 999};

// What "プロジェクトの設定" edits.
struct ProjectSettingsChoice {
    std::int32_t frame = 60;
    std::int32_t fps = 60;
    std::int32_t width = 128;
    std::int32_t height = 128;
    bool sort = false;
    bool reverse = false;
};

ProjectSettingsChoice projectSettingsChoice(const ProjectSettings& project);

// Stores the choice, each number clamped to its range, and makes the export
// range the whole effect with ⌊√frames⌋ frames per row.
void applyProjectSettings(EditorState& g, const ProjectSettingsChoice& choice);

// The label of a view added from the camera: "(%d,%d,%d)－(%d,%d,%d)" with the
// position's and the target's coordinates in tenths.
std::string viewLabel(Vec3f position, Vec3f target);

}  // namespace fg
