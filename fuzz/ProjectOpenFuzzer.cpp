// Fuzzes what opening a project does with untrusted bytes: the archive
// reader, then the INI parser and the settings and node reader on the
// archive's settings record (or, when the bytes are no archive, on the bytes
// themselves). Besides the sanitizers it checks what the reader promises:
// records lie inside the buffer and carry plain file names, every curve ends
// up usable, the first node is selected, and a read project saves to a text
// that reads back to the same text.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/Cp932.h"
#include "model/EditorState.h"
#include "persistence/Archive.h"
#include "persistence/Ini.h"
#include "persistence/SaveIni.h"

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
