#pragma once
// The sheet's description in the JSON-hash layout that sprite-sheet loaders
// (Phaser, PixiJS and others) read: every frame by name with its rectangle,
// and the picture it lies in.

#include <string>
#include <vector>

#include "render/export/SheetLayout.h"

namespace fg {

struct MetadataFrame {
    std::string name;   // the key loaders look frames up by
    CellRect rect;      // inside its picture
    int durationMs = 0;
};

struct SheetMetadata {
    std::vector<MetadataFrame> frames;
    // The one animation of all frames in order, named after the chosen file
    // ("fire" for fire.png), so loaders such as PixiJS list it ready to play.
    std::string animation;
    std::string image;        // the sheet's file name; empty for separate files
    std::int64_t width = 0;   // the sheet's size
    std::int64_t height = 0;
};

// Milliseconds one exported image stands for: step frames at fps, rounded;
// at least 1.
int frameDurationMs(int step, int fps);

// "<dir>/<base>.json" beside the chosen path.
std::string metadataPath(const std::string& destination);

// The frames of a sheet, named "<base>00000", "<base>00001", … after the chosen path.
SheetMetadata sheetMetadata(const std::string& destination, const SheetLayout& layout, int imageCount, int durationMs);

// One entry per written file, keyed by its file name, each covering its whole
// picture; the animation is named after the chosen path.
SheetMetadata separateFilesMetadata(const std::string& destination, const std::vector<std::string>& files,
                                    const SheetLayout& layout, int durationMs);

// The JSON text (UTF-8, indented).
std::string metadataJson(const SheetMetadata& metadata);

}  // namespace fg
