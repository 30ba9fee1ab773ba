#include "model/ProjectSettings.h"

namespace fg {

void ProjectSettings::reset() {
    const std::int32_t keptReverse = reverse;
    *this = ProjectSettings{};
    reverse = keptReverse;
}

void WriteSettings::reset() {
    const std::int32_t keptHeight = height;
    const std::int32_t keptType = type;
    *this = WriteSettings{};
    height = keptHeight;
    type = keptType;
}

ViewEntry viewListPlaceholder() {
    return ViewEntry{{}, {}, 60.0f, kViewListPlaceholder};
}

std::vector<ViewEntry> defaultViewList() {
    return {
        ViewEntry{{0.0f, 0.0f, -10.0f}, {}, 60.0f, "正面"},
        ViewEntry{{0.0f, 3.0f, -8.0f}, {}, 60.0f, "斜め上"},
        ViewEntry{{-3.0f, 3.0f, -8.0f}, {}, 60.0f, "斜め左上"},
        viewListPlaceholder(),
    };
}

}  // namespace fg
