// Fuzzes two readers of untrusted input that opening a project does not
// reach: the OBJ model reader and the export settings with the sheet layout.
// An input that begins with "[" is export settings in the save.ini form (the
// project and g.write keys of section [0]) with the engine choices in an
// [ENGINE] section; any other input is an OBJ file. Besides the sanitizers
// it checks what these promise: an accepted model has whole triangles whose
// indices stay inside its vertices, and every cell of an accepted export
// plan, padding included, lies inside the picture it is drawn on.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/EditorState.h"
#include "persistence/Ini.h"
#include "persistence/SaveIni.h"
#include "render/export/ExportSettings.h"
#include "render/export/SheetLayout.h"
#include "render/meshes/ObjReader.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

void readModel(const std::string& text) {
    const fg::ObjReadResult result = fg::parseObj(text);
    if (!result.ok) {
        require(!result.error.empty());
        return;
    }
    const fg::ObjModel& model = result.model;
    require(model.vertices.size() % 3 == 0);
    require(model.indices.size() == model.vertices.size());
    for (unsigned index : model.indices) require(index < model.vertices.size());
    // Every triangle comes from a face line, and each "f" token is counted.
    require(model.vertices.size() / 3 == 0 || model.faceCount >= 1);
}

// The cell's frame and its padding lie inside the picture.
void requireInside(const fg::SheetLayout& layout, int index) {
    const fg::CellRect cell = layout.frame(index);
    require(cell.width == layout.frameWidth && cell.height == layout.frameHeight);
    require(cell.x - layout.padding >= 0 && cell.y - layout.padding >= 0);
    require(std::int64_t{cell.x} + cell.width + layout.padding <= layout.width);
    require(std::int64_t{cell.y} + cell.height + layout.padding <= layout.height);
}

void planExport(std::string_view text) {
    const fg::IniDocument ini = fg::IniDocument::parse(text);
    fg::EditorState g;
    fg::readSettings(g, ini);
    fg::WriteSettings write = g.write;
    fg::normaliseExportSettings(write);
    (void)fg::exportInfoLine(write, g.project);
    fg::ExportPlan plan;
    if (fg::acceptExportSettings(write, g.project, plan)) return;
    (void)fg::exportInfoLine(write, g.project);
    plan.engine.padding = ini.getInt("ENGINE", "padding", 0);
    plan.engine.pow2 = ini.getInt("ENGINE", "pow2", 0) != 0;
    plan.engine.extrude = ini.getInt("ENGINE", "extrude", 0) != 0;

    if (plan.separateFiles) {
        const fg::SheetLayout layout = fg::sheetLayout(1, 1, plan.frameWidth, plan.frameHeight, plan.engine);
        requireInside(layout, 0);
        return;
    }
    const fg::SheetLayout layout =
        fg::sheetLayout(plan.columns, plan.rows, plan.frameWidth, plan.frameHeight, plan.engine);
    require(layout.padding >= 0 && layout.padding <= fg::kMaxExportPadding);
    for (int i = 0; i < plan.imageCount; ++i) requireInside(layout, i);
    // No cell beyond the last one is needed, and none is wasted on a row
    // that stays empty.
    require(std::int64_t{plan.columns} * (plan.rows - 1) < plan.imageCount);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (!text.empty() && text.front() == '[') planExport(text);
    else readModel(text);
    return 0;
}
