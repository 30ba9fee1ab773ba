#pragma once
// The export's choices for game engines and web pages, beyond the image
// sequence itself. Every default keeps the export exactly as without them.

namespace fg {

struct EngineExportOptions {
    bool metaJson = false;   // <sheet>.json in the JSON-hash layout sprite loaders read
    int padding = 0;         // transparent pixels around each cell
    bool extrude = false;    // the padding repeats the cell's edge pixels instead
    bool pow2 = false;       // sheet sides rounded up to powers of two
    bool loop = false;       // export the pass as it looks repeated forever
    bool animated = false;   // one animated file or video instead of a sheet
    int quality = -1;        // WebP: -1 lossless, otherwise lossy 0 … 100; videos: -1 the default
    // Loop mode: whole passes run beyond the first one that repeats, so that
    // tests can compare one pass with the next.
    int extraLoopCycles = 0;

    bool any() const { return metaJson || padding > 0 || extrude || pow2 || loop || animated || quality >= 0; }
};

inline constexpr int kMaxExportPadding = 64;

}  // namespace fg
