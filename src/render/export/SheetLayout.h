#pragma once
// Where each frame goes in a sheet (or in a file of its own) and how large
// the picture is, with padding around the cells and power-of-two sides.

#include <cstdint>

#include "render/export/EngineExportOptions.h"

namespace fg {

struct CellRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct SheetLayout {
    int columns = 1;
    int frameWidth = 1;
    int frameHeight = 1;
    int padding = 0;
    std::int64_t width = 0;   // the whole picture
    std::int64_t height = 0;

    // The frame's own pixels of cell `index`, padding excluded.
    CellRect frame(int index) const;
};

// Cells of frameWidth + 2·padding by frameHeight + 2·padding, `columns` across
// and `rows` down; with pow2 each side rounded up to a power of two, the
// cells staying where they are.
SheetLayout sheetLayout(int columns, int rows, int frameWidth, int frameHeight, const EngineExportOptions& options);

// The smallest power of two ≥ value (1 for values below 1).
std::int64_t nextPowerOfTwo(std::int64_t value);

}  // namespace fg
