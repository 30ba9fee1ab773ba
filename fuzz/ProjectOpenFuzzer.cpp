// Fuzzes what opening a project does with untrusted bytes: the archive
// reader, then the INI parser and the settings and node reader on the
// archive's settings record (or, when the bytes are no archive, on the bytes
// themselves), then what follows an open: a few frames of the effect and the
// export dialog's arithmetic on the settings read. Besides the sanitizers it
// checks what these promise: records lie inside the buffer and carry plain
// file names, every curve ends up usable, the first node is selected, a read
// project saves to a text that reads back to the same text, the simulation
// stays within its particle limit, and an accepted export plan is one the
// export can carry out.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/Cp932.h"
#include "model/EditorState.h"
#include "persistence/Archive.h"
#include "persistence/Ini.h"
#include "persistence/SaveIni.h"
#include "render/export/ExportSettings.h"
#include "simulation/SimulateOutput.h"
#include "simulation/Simulation.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

void checkCurves(const fg::Node& node) {
    for (int c = 0; c < fg::kCurveCount; ++c) require(fg::curve::isWellFormed(node.curve(c).points()));
    for (const auto& child : node.m_children) {
        require(child->m_pParent == &node);
        checkCurves(*child);
    }
}

std::string saveText(const fg::EditorState& g) {
    fg::IniDocument ini;
    if (fg::buildSaveIni(g, ini)) return {};
    return ini.serialize();
}

void readInto(fg::EditorState& g, std::string_view utf8) {
    const fg::IniDocument ini = fg::IniDocument::parse(utf8);
    fg::readSettings(g, ini);
    fg::readNodeTree(g, ini);
}

// Enough frames for children and grandchildren to be born and die, few and
// small enough to keep an input fast.
constexpr int kSteps = 6;
constexpr std::uint32_t kParticleLimit = 1000;

void stepTheEffect(const fg::EditorState& g) {
    fg::Simulation simulation(g, [] { return std::uint32_t{0}; });
    simulation.setParticleLimit(kParticleLimit);
    std::string line;
    for (int i = 0; i < kSteps; ++i) {
        simulation.step();
        // (An effect of 0 frames has no particle at all after a step.)
        const fg::ParticleList& list = simulation.particles();
        require(list.size() <= kParticleLimit);
        list.forEach([&](const fg::Particle& p) {
            require(p.node < simulation.effect().size());
            require(p.parent == fg::kNoParticle || p.parent < list.slotCount());
        });
        line.clear();
        fg::appendSimulateLine(simulation, simulation.frame() - 1, line);
    }
}

void runTheExportDialog(const fg::EditorState& g) {
    fg::WriteSettings write = g.write;
    fg::normaliseExportSettings(write);
    (void)fg::exportInfoLine(write, g.project);
    (void)fg::proposedColumns(write.start, write.end, write.step);
    fg::ExportPlan plan;
    if (fg::acceptExportSettings(write, g.project, plan)) return;
    // What the export relies on once the dialog has accepted.
    require(plan.start >= 1 && plan.start <= plan.end && plan.end <= g.project.frame);
    require(plan.step >= 1 && plan.imageCount >= 1);
    require(plan.columns >= 1 && plan.columns <= plan.imageCount && plan.rows >= 1);
    require(std::int64_t{plan.columns} * plan.rows >= plan.imageCount);
    require(plan.smooth >= fg::kMinSmooth && plan.smooth <= fg::kMaxSmooth);
    require(plan.frameWidth >= fg::kMinFrameSize && plan.frameWidth <= fg::kMaxFrameSize);
    require(plan.frameHeight >= fg::kMinFrameSize && plan.frameHeight <= fg::kMaxFrameSize);
    (void)fg::exportInfoLine(write, g.project);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const fg::ParsedArchive archive = fg::parseArchive(bytes);

    std::string_view settings = bytes;
    fg::EditorState g;
    g.fileVersion = size > 0 ? data[0] % 4 : 3;
    if (archive.error == fg::ArchiveError::None) {
        require(!archive.records.empty() && archive.records.back().name == fg::kSaveIniName);
        for (const fg::ArchiveRecord& record : archive.records) {
            require(fg::isSafeRecordName(record.name));
            require(record.content.data() >= bytes.data() &&
                    record.content.data() + record.content.size() <= bytes.data() + bytes.size());
        }
        require(archive.version >= 0 && archive.version <= fg::kArchiveVersion);
        settings = archive.records.back().content;
        g.fileVersion = archive.version;
    }

    readInto(g, fg::cp932ToUtf8(settings));
    checkCurves(g.tree.root());
    require(g.tree.selected() == g.tree.root().childAt(0));
    require(!g.viewList.empty());
    stepTheEffect(g);
    runTheExportDialog(g);

    // Saving what was read and reading it back is stable from the second
    // generation on (the first may still round floats to six decimals).
    const std::string first = saveText(g);
    if (first.empty()) return 0;  // a tree the numbering cannot hold is refused, not written
    fg::EditorState second;
    readInto(second, first);
    const std::string secondText = saveText(second);
    fg::EditorState third;
    readInto(third, secondText);
    require(saveText(third) == secondText);
    return 0;
}
