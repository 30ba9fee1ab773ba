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

std::string viewLabel(Vec3f position, Vec3f target) {
    char label[128];
    std::snprintf(label, sizeof label, "(%d,%d,%d)－(%d,%d,%d)", tenthsOf(position.x), tenthsOf(position.y),
                  tenthsOf(position.z), tenthsOf(target.x), tenthsOf(target.y), tenthsOf(target.z));
    return label;
}

}  // namespace fg
