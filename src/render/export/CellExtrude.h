#pragma once
// Fills the padding around a cell with the cell's edge pixels repeated, so
// that filtering at the cell's border samples the cell, not its neighbour.

#include <QImage>

#include "render/export/SheetLayout.h"

namespace fg {

// `frame` holds the drawn frame; the `padding` pixels around it are
// overwritten (corners with the corner pixels).
void extrudeCell(QImage& sheet, const CellRect& frame, int padding);

}  // namespace fg
