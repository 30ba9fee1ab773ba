#pragma once
// The packed project file (.nbx): "NebrixData," then the format version and
// the number of materials N, each followed by ",", then N + 1 records — the
// materials in material-list order, then "save.ini". A record is the file
// name (cp932), ",", the length L in decimal, ",", and exactly L bytes.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "persistence/IoResult.h"

namespace fg {

inline constexpr std::string_view kArchiveMagic = "NebrixData";
inline constexpr std::int32_t kArchiveVersion = 3;  // what we write; 0 … 3 are read

// --- the format in memory (what the fuzzer exercises) ---

struct ArchiveRecord {
    std::string name;             // UTF-8
    std::string_view content;     // points into the parsed buffer
    std::string_view storedName;  // the name's cp932 bytes, in the parsed buffer
};

enum class ArchiveError { None, Broken, Newer };

struct ParsedArchive {
    ArchiveError error = ArchiveError::None;
    std::int32_t version = 0;
    std::vector<ArchiveRecord> records;  // materials, then save.ini last
};

// Reads the whole archive without touching the disk. Never reads past the
// buffer; a truncated record, a length or count that is not a plain decimal
// number, a record name that is not a plain file name (see below), two
// different record names that decode to the same file name, or a last
// record that is not "save.ini" make it Broken.
ParsedArchive parseArchive(std::string_view bytes);

// The longest file name the workspace's file system takes, in UTF-8 bytes.
inline constexpr std::size_t kMaxRecordNameBytes = 255;

// A record name the workspace can take: not empty, no "/" or "\", not "."
// or "..", at most kMaxRecordNameBytes long, and none of the workspace's own
// files (kStoredNamesFile included).
bool isSafeRecordName(std::string_view name);

// A material file name that survives the round trip: no ",", line feed or
// NUL (the field reader would split there) and representable in cp932.
bool isStorableRecordName(std::string_view name);

struct PackInput {
    std::string name;   // UTF-8 record name
    std::string bytes;  // file content
};
// Record names stored in cp932 codes other than those the encoder writes
// (cp932 has two codes for some characters): UTF-8 name -> stored bytes.
// An unpack remembers them in the workspace file kStoredNamesFile and a
// pack writes them back, so an unchanged material keeps its name's bytes.
using StoredNames = std::map<std::string, std::string, std::less<>>;
inline constexpr std::string_view kStoredNamesFile = "__stored_names__";

// The archive bytes for the given material files and settings text; a
// material named in `storedNames` gets its stored bytes as record name.
std::string buildArchive(std::span<const PackInput> materials, std::string_view saveIni,
                         const StoredNames& storedNames = {});

// --- the format on disk ---

// The archive bytes of `materialFiles` (file names in workDir, in list
// order) and the settings text `saveIni`. Reads files and writes nothing, so
// it may run away from the editing thread; the result names the material
// that cannot be stored or read.
struct PackedProject {
    IoResult result;
    std::string bytes;
};
PackedProject packProjectBytes(const std::filesystem::path& workDir, std::span<const std::string> materialFiles,
                               std::string_view saveIni);

// Packs `materialFiles` (file names in workDir, in list order) and
// workDir/save.ini into `target`, replacing it only once the new file is
// complete.
IoResult packProject(const std::filesystem::path& workDir, std::span<const std::string> materialFiles,
                     const std::filesystem::path& target);

struct [[nodiscard]] UnpackResult {
    IoResult result;
    std::int32_t version = 0;
};
// Unpacks `archive` into workDir. `displayPath` fills the cannot-read message.
// Nothing is written unless the whole archive is sound; a write failure
// removes what was written.
UnpackResult unpackProject(const std::filesystem::path& archive, const std::filesystem::path& workDir,
                           std::string_view displayPath);

}  // namespace fg
