#pragma once
// A project's own settings, export settings, camera placement and saved
// views: the records the settings file's section "0" and "ViewList%d"
// sections carry.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/TextTemplate.h"
#include "model/Vec3.h"

namespace fg {

// g.project
struct ProjectSettings {
    std::int32_t frame = 60;   // effect length in frames
    std::int32_t fps = 60;     // playback rate
    std::int32_t width = 128;  // export frame size in pixels
    std::int32_t height = 128;
    Vec3f backColor;           // background red, green, blue, 0..255
    std::int32_t randomSeed = 0;
    std::int32_t reverse = 0;  // draw order of particle lists; survives a reset
    std::int32_t sort = 0;     // sort particles by distance before drawing

    // The values New and Open start from (reverse keeps its value).
    void reset();
};

// g.write
struct WriteSettings {
    std::int32_t start = 1;
    std::int32_t end = 60;
    std::int32_t step = 1;
    std::int32_t width = 7;    // frames across the sheet
    std::int32_t height = 0;   // rows of the sheet; survives a reset
    std::int32_t type = 0;     // 0 one sheet, 1 one file per frame; survives a reset
    std::int32_t isAlpha = 1;  // transparent background
    std::int32_t smooth = 2;   // supersampling factor

    // The values New and Open start from (height and type keep their values).
    void reset();
};

// The 3D view's eye and target, stored with the project.
struct CameraPlacement {
    Vec3f eye{0.0f, 5.0f, -10.0f};
    Vec3f target{0.0f, 0.0f, 0.0f};
};

// g.viewList entry. The angle is kept and saved but choosing a view copies
// only position and target.
struct ViewEntry {
    ViewEntry() = default;
    ViewEntry(Vec3f eye, Vec3f at, float fieldAngle, std::string label)
        : pos(eye), target(at), angle(fieldAngle), title(std::move(label)) {}

    Vec3f pos;
    Vec3f target;
    float angle = 60.0f;
    std::string title;
    // The title's bytes as the settings file stored them, kept (like a node's
    // name) when they are not the codes the encoder writes for its characters.
    std::string storedTitle;
};

// Stored as it is; the view list window shows it translated.
inline constexpr const char* kViewListPlaceholder = FG_TRANSLATE_NOOP("fg::ViewListRows", "＜追加＞");

// The view list after a reset: three presets and the "＜追加＞" row.
std::vector<ViewEntry> defaultViewList();
// The placeholder row that ends every view list.
ViewEntry viewListPlaceholder();

}  // namespace fg
