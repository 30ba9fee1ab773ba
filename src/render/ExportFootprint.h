#pragma once
// Where an exported particle may draw, and which parts of the target were
// drawn into since the last texture barrier. Reading the target's own
// texture is defined for a texel that no draw wrote since the last barrier
// (or that only the reading fragment writes), so particles whose footprints
// stay clear of everything drawn since then need no barrier between them.

#include <cstdint>
#include <vector>

#include "render/PolyProgram.h"
#include "render/meshes/MeshVertex.h"
#include "simulation/Math.h"

namespace fg {

// Pixels [x0, x1) × [y0, y1) in window coordinates (origin at the bottom left).
struct PixelSpan {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
};

// A rectangle holding every pixel the particle's strips can cover in a
// width × height target, with a pixel to spare against rounding; the whole
// target when a vertex lies at or behind the eye (or is not a number).
// `viewProjection` is view × projection, the instance's world matrix rows
// apply first (as the Poly program's VS entry does).
PixelSpan drawFootprint(const std::vector<SubMesh>& subMeshes, const PolyInstance& instance,
                        const Mat4& viewProjection, int width, int height);

// The target cut into square tiles, each marked once something was drawn
// into it; a conservative record of the pixels drawn since the last barrier.
class WrittenTiles {
public:
    WrittenTiles(int width, int height);

    bool overlaps(const PixelSpan& rect) const;
    void mark(const PixelSpan& rect);
    void markAll() { m_all = true; }
    void clear();
    bool any() const { return m_all || m_marked; }

private:
    struct TileSpan {
        int tx0, ty0, tx1, ty1;  // inclusive, clamped to the grid; empty when tx0 > tx1
    };
    TileSpan spanOf(const PixelSpan& rect) const;

    int m_tileSide;  // pixels
    int m_columns;
    int m_rows;
    std::vector<std::uint8_t> m_tiles;
    bool m_all = false;
    bool m_marked = false;
};

}  // namespace fg
