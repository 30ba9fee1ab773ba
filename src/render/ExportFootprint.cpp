#include "render/ExportFootprint.h"

#include <algorithm>
#include <cmath>

namespace fg {

namespace {

// Tiles of at least 4 pixels, at most 64 across the longer side: fine
// enough to tell small particles apart, few enough to clear at every barrier.
int tileSideFor(int width, int height) {
    const int longer = std::max(width, height);
    return std::max(4, (longer + 63) / 64);
}

// The smallest clip-space w a bounded vertex may have.
constexpr float kNearW = 1e-4f;

}  // namespace

PixelSpan drawFootprint(const std::vector<SubMesh>& subMeshes, const PolyInstance& instance,
                        const Mat4& viewProjection, int width, int height) {
    const PixelSpan whole{0, 0, width, height};
    const float* w = instance.world;
    const auto& vp = viewProjection.m;
    float minX = INFINITY;
    float minY = INFINITY;
    float maxX = -INFINITY;
    float maxY = -INFINITY;
    for (const SubMesh& strip : subMeshes) {
        for (const MeshVertex& v : strip) {
            const float world[4] = {v.x * w[0] + v.y * w[4] + v.z * w[8] + w[12],
                                    v.x * w[1] + v.y * w[5] + v.z * w[9] + w[13],
                                    v.x * w[2] + v.y * w[6] + v.z * w[10] + w[14],
                                    v.x * w[3] + v.y * w[7] + v.z * w[11] + w[15]};
            float clip[4];
            for (int c = 0; c < 4; ++c) {
                clip[c] = world[0] * vp[0][c] + world[1] * vp[1][c] + world[2] * vp[2][c] + world[3] * vp[3][c];
            }
            // Near-plane clipping makes new vertices a bound from these cannot hold.
            if (!(clip[3] > kNearW)) return whole;
            const float x = (clip[0] / clip[3] * 0.5f + 0.5f) * static_cast<float>(width);
            const float y = (clip[1] / clip[3] * 0.5f + 0.5f) * static_cast<float>(height);
            if (!std::isfinite(x) || !std::isfinite(y)) return whole;
            minX = std::min(minX, x);
            minY = std::min(minY, y);
            maxX = std::max(maxX, x);
            maxY = std::max(maxY, y);
        }
    }
    if (!(minX <= maxX && minY <= maxY)) return {};  // nothing to draw
    // Far outside the target: clamp before converting.
    const auto pixel = [](float value, int limit) {
        return static_cast<int>(std::clamp(value, -1.0f, static_cast<float>(limit) + 1.0f));
    };
    PixelSpan rect;
    rect.x0 = std::max(pixel(std::floor(minX), width) - 1, 0);
    rect.y0 = std::max(pixel(std::floor(minY), height) - 1, 0);
    rect.x1 = std::min(pixel(std::ceil(maxX), width) + 2, width);
    rect.y1 = std::min(pixel(std::ceil(maxY), height) + 2, height);
    return rect;
}

WrittenTiles::WrittenTiles(int width, int height)
    : m_tileSide(tileSideFor(width, height)),
      m_columns(std::max((width + m_tileSide - 1) / m_tileSide, 1)),
      m_rows(std::max((height + m_tileSide - 1) / m_tileSide, 1)),
      m_tiles(static_cast<std::size_t>(m_columns) * static_cast<std::size_t>(m_rows), 0) {}

WrittenTiles::TileSpan WrittenTiles::spanOf(const PixelSpan& rect) const {
    TileSpan span{std::max(rect.x0, 0) / m_tileSide, std::max(rect.y0, 0) / m_tileSide,
                  std::min((rect.x1 - 1) / m_tileSide, m_columns - 1), std::min((rect.y1 - 1) / m_tileSide, m_rows - 1)};
    if (rect.x1 <= rect.x0 || rect.y1 <= rect.y0) span.tx1 = span.tx0 - 1;
    return span;
}

bool WrittenTiles::overlaps(const PixelSpan& rect) const {
    const TileSpan span = spanOf(rect);
    if (span.tx0 > span.tx1 || span.ty0 > span.ty1) return false;
    if (m_all) return true;
    if (!m_marked) return false;
    for (int ty = span.ty0; ty <= span.ty1; ++ty) {
        const std::uint8_t* row = m_tiles.data() + static_cast<std::size_t>(ty) * static_cast<std::size_t>(m_columns);
        for (int tx = span.tx0; tx <= span.tx1; ++tx) {
            if (row[tx] != 0) return true;
        }
    }
    return false;
}

void WrittenTiles::mark(const PixelSpan& rect) {
    const TileSpan span = spanOf(rect);
    if (m_all || span.tx0 > span.tx1 || span.ty0 > span.ty1) return;
    for (int ty = span.ty0; ty <= span.ty1; ++ty) {
        std::uint8_t* row = m_tiles.data() + static_cast<std::size_t>(ty) * static_cast<std::size_t>(m_columns);
        for (int tx = span.tx0; tx <= span.tx1; ++tx) row[tx] = 1;
    }
    m_marked = true;
}

void WrittenTiles::clear() {
    if (m_marked) std::fill(m_tiles.begin(), m_tiles.end(), std::uint8_t{0});
    m_all = false;
    m_marked = false;
}

}  // namespace fg
