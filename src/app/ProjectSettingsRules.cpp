#include "app/ProjectSettingsRules.h"

#include <climits>
#include <cmath>
#include <cstdio>

namespace fg {

ProjectSettingsChoice projectSettingsChoice(const ProjectSettings& project) {
    return ProjectSettingsChoice{project.frame, project.fps,      project.width,
                                 project.height, project.sort != 0, project.reverse != 0};
}

void applyProjectSettings(EditorState& g, const ProjectSettingsChoice& choice) {
    g.project.frame = kFrameCountRange.clamp(choice.frame);
    g.project.fps = kFpsRange.clamp(choice.fps);
    g.project.width = kProjectSizeRange.clamp(choice.width);
    g.project.height = kProjectSizeRange.clamp(choice.height);
    g.project.sort = choice.sort ? 1 : 0;
    g.project.reverse = choice.reverse ? 1 : 0;
    g.write.start = 1;
    g.write.end = g.project.frame;
    g.write.width = static_cast<std::int32_t>(std::sqrt(static_cast<double>(g.project.frame)));
}

namespace {

int truncatedToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value <= INT_MIN) return INT_MIN;
    if (value >= INT_MAX) return INT_MAX;
    return static_cast<int>(std::trunc(value));
}

}  // namespace

int tenthsOf(float value) {
    // A coordinate typed as k tenths is stored as the float nearest k / 10,
    // which may lie a hair below it (0.7 → 0.69999…): that float shows as k
    // again, as the settings file stores it, instead of creeping down a step.
    const double scaled = static_cast<double>(value) * 10.0;
    const double whole = std::round(scaled);
    if (static_cast<float>(whole / 10.0) == value) return truncatedToInt(whole);
    return truncatedToInt(scaled);
}

std::string viewLabel(Vec3f position, Vec3f target) {
    char label[128];
    std::snprintf(label, sizeof label, "(%d,%d,%d)－(%d,%d,%d)", tenthsOf(position.x), tenthsOf(position.y),
                  tenthsOf(position.z), tenthsOf(target.x), tenthsOf(target.y), tenthsOf(target.z));
    return label;
}

}  // namespace fg
