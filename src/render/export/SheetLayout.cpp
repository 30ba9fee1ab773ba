#include "render/export/SheetLayout.h"

#include <algorithm>

namespace fg {

CellRect SheetLayout::frame(int index) const {
    const int cellWidth = frameWidth + 2 * padding;
    const int cellHeight = frameHeight + 2 * padding;
    return {(index % columns) * cellWidth + padding, (index / columns) * cellHeight + padding, frameWidth,
            frameHeight};
}

std::int64_t nextPowerOfTwo(std::int64_t value) {
    std::int64_t power = 1;
    while (power < value) power *= 2;
    return power;
}

SheetLayout sheetLayout(int columns, int rows, int frameWidth, int frameHeight, const EngineExportOptions& options) {
    SheetLayout layout;
    layout.columns = std::max(columns, 1);
    layout.frameWidth = frameWidth;
    layout.frameHeight = frameHeight;
    layout.padding = std::clamp(options.padding, 0, kMaxExportPadding);
    layout.width = std::int64_t{layout.columns} * (frameWidth + 2 * layout.padding);
    layout.height = std::int64_t{std::max(rows, 1)} * (frameHeight + 2 * layout.padding);
    if (options.pow2) {
        layout.width = nextPowerOfTwo(layout.width);
        layout.height = nextPowerOfTwo(layout.height);
    }
    return layout;
}

}  // namespace fg
