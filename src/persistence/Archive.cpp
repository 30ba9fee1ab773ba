#include "persistence/Archive.h"

#include <map>
#include <set>

#include "model/Cp932.h"
#include "persistence/FileBytes.h"
#include "persistence/Messages.h"
#include "persistence/SaveIni.h"
#include "persistence/TextNumbers.h"
#include "persistence/Workspace.h"

namespace fg {
namespace {

// The header and record fields: the bytes up to the first ",", line feed or
// NUL, after which the read position moves past that delimiter.
class FieldReader {
public:
    explicit FieldReader(std::string_view bytes) : m_bytes(bytes) {}

    struct Field {
        std::string_view text;
        bool terminated = false;  // false when the buffer ended before a delimiter
    };

    Field next() {
        const std::size_t start = m_position;
        while (m_position < m_bytes.size() && !isDelimiter(m_bytes[m_position])) ++m_position;
        Field field{m_bytes.substr(start, m_position - start), m_position < m_bytes.size()};
        if (field.terminated) ++m_position;
        return field;
    }

    // Exactly `length` bytes, or nullopt when fewer remain.
    std::optional<std::string_view> take(std::uint64_t length) {
        if (length > m_bytes.size() - m_position) return std::nullopt;
        const std::string_view content = m_bytes.substr(m_position, static_cast<std::size_t>(length));
        m_position += static_cast<std::size_t>(length);
        return content;
    }

private:
    static bool isDelimiter(char c) { return c == ',' || c == '\n' || c == '\0'; }

    std::string_view m_bytes;
    std::size_t m_position = 0;
};

// A count or length: plain decimal digits, nothing else.
std::optional<std::uint64_t> parseCount(const FieldReader::Field& field) {
    if (!field.terminated || field.text.empty() || field.text.size() > 18) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : field.text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return value;
}

ParsedArchive broken() { return ParsedArchive{ArchiveError::Broken, 0, {}}; }

void appendRecord(std::string& out, std::string_view name, std::string_view bytes, const StoredNames& storedNames) {
    const auto stored = storedNames.find(name);
    out += stored != storedNames.end() && isOtherCp932Spelling(stored->second, name) ? stored->second
                                                                                    : utf8ToCp932(name);
    out += ',';
    out += std::to_string(bytes.size());
    out += ',';
    out += bytes;
}

// One stored name per line, as cp932 bytes (names hold no line feed).
StoredNames readStoredNames(const std::filesystem::path& workDir) {
    StoredNames names;
    std::error_code ec;
    if (!std::filesystem::exists(workDir / kStoredNamesFile, ec)) return names;
    const auto text = readFileBytes(workDir / kStoredNamesFile);
    if (!text) return names;
    std::string_view rest = *text;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view bytes = rest.substr(0, end);
        if (!bytes.empty()) names.emplace(cp932ToUtf8(bytes), std::string(bytes));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return names;
}

// The names worth remembering, or empty when every name reads back as stored.
std::string storedNamesText(const std::vector<ArchiveRecord>& records) {
    std::string text;
    for (const ArchiveRecord& record : records) {
        if (record.storedName.find('\n') != std::string_view::npos) continue;
        if (isOtherCp932Spelling(record.storedName, record.name)) text.append(record.storedName).append(1, '\n');
    }
    return text;
}

}  // namespace

bool isSafeRecordName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    if (name.size() > kMaxRecordNameBytes) return false;
    if (name.find('/') != std::string_view::npos || name.find('\\') != std::string_view::npos) return false;
    if (name.find('\0') != std::string_view::npos) return false;
    return name != kDummyTextureName && name != kWorkspaceLockName && name != kStoredNamesFile;
}

bool isStorableRecordName(std::string_view name) {
    if (!isSafeRecordName(name)) return false;
    if (name.find_first_of(std::string_view(",\n\0", 3)) != std::string_view::npos) return false;
    return cp932ToUtf8(utf8ToCp932(name)) == name;
}

ParsedArchive parseArchive(std::string_view bytes) {
    FieldReader reader(bytes);
    const auto magic = reader.next();
    if (!magic.terminated || magic.text != kArchiveMagic) return broken();

    ParsedArchive archive;
    const auto version = reader.next();
    archive.version = parseIntLeading(version.text);
    if (archive.version > kArchiveVersion || archive.version < 0) {
        archive.error = ArchiveError::Newer;
        return archive;
    }
    if (!version.terminated) return broken();

    const auto count = parseCount(reader.next());
    if (!count) return broken();
    // Every record takes at least four bytes, so a count beyond that is a lie;
    // the loop below would find out too, but without reserving for it.
    if (*count >= bytes.size()) return broken();
    // The stored name of each file name, to tell a repeated record (the
    // later one replaces the earlier, as it always did) from two different
    // names that decode to one file name, where a material would vanish.
    std::map<std::string, std::string_view, std::less<>> storedNames;
    for (std::uint64_t i = 0; i <= *count; ++i) {
        const auto name = reader.next();
        if (!name.terminated) return broken();
        ArchiveRecord record{cp932ToUtf8(name.text), {}, name.text};
        if (!isSafeRecordName(record.name)) return broken();
        const auto [known, added] = storedNames.try_emplace(record.name, name.text);
        if (!added && known->second != name.text) return broken();
        const auto length = parseCount(reader.next());
        if (!length) return broken();
        const auto content = reader.take(*length);
        if (!content) return broken();
        record.content = *content;
        archive.records.push_back(std::move(record));
    }
    if (archive.records.back().name != kSaveIniName) return broken();
    return archive;
}

std::string buildArchive(std::span<const PackInput> materials, std::string_view saveIni,
                         const StoredNames& storedNames) {
    std::string out;
    out += kArchiveMagic;
    out += ',' + std::to_string(kArchiveVersion) + ',' + std::to_string(materials.size()) + ',';
    for (const PackInput& material : materials) appendRecord(out, material.name, material.bytes, storedNames);
    appendRecord(out, kSaveIniName, saveIni, {});
    return out;
}

PackedProject packProjectBytes(const std::filesystem::path& workDir, std::span<const std::string> materialFiles,
                               std::string_view saveIni) {
    std::vector<PackInput> materials;
    for (const std::string& name : materialFiles) {
        if (!isStorableRecordName(name)) {
            return {IoResult::failure(persistence_text::materialNameNotStorable(name),
                                      persistence_text::message(persistence_text::kWriteErrorCaption)),
                    {}};
        }
        auto bytes = readFileBytes(workDir / name);
        if (!bytes) {
            return {IoResult::failure(persistence_text::materialUnreadable(name),
                                      persistence_text::message(persistence_text::kWriteErrorCaption)),
                    {}};
        }
        materials.push_back({name, std::move(*bytes)});
    }
    return {IoResult::success(), buildArchive(materials, saveIni, readStoredNames(workDir))};
}

IoResult packProject(const std::filesystem::path& workDir, std::span<const std::string> materialFiles,
                     const std::filesystem::path& target) {
    const auto cannotWrite = IoResult::failure(persistence_text::cannotWrite(target.string()),
                                               persistence_text::message(persistence_text::kWriteErrorCaption));
    const auto saveIni = readFileBytes(workDir / kSaveIniName);
    if (!saveIni) {
        // A material's own failure is the better message, when there is one.
        const PackedProject materials = packProjectBytes(workDir, materialFiles, {});
        return materials.result.ok ? cannotWrite : materials.result;
    }
    const PackedProject packed = packProjectBytes(workDir, materialFiles, *saveIni);
    if (!packed.result.ok) return packed.result;
    if (const FileWriteResult written = writeFileBytes(target, packed.bytes); !written) {
        return IoResult::failure(persistence_text::cannotWrite(target.string(), written.error),
                                 persistence_text::message(persistence_text::kWriteErrorCaption));
    }
    return IoResult::success();
}

UnpackResult unpackProject(const std::filesystem::path& archivePath, const std::filesystem::path& workDir,
                           std::string_view displayPath) {
    const auto bytes = readFileBytes(archivePath);
    if (!bytes) {
        return {IoResult::failure(persistence_text::cannotRead(displayPath),
                                  persistence_text::message(persistence_text::kReadErrorCaption)),
                0};
    }
    const ParsedArchive archive = parseArchive(*bytes);
    switch (archive.error) {
    case ArchiveError::Broken:
        return {IoResult::failure(persistence_text::message(persistence_text::kBrokenFile),
                                  persistence_text::programName()),
                archive.version};
    case ArchiveError::Newer:
        return {IoResult::failure(persistence_text::message(persistence_text::kNewerVersion),
                                  persistence_text::programName()),
                archive.version};
    case ArchiveError::None: break;
    }
    // save.ini is the last record, so a write that fails part way never
    // leaves a settings file behind; the files already written go too.
    std::set<std::string> written;
    for (const ArchiveRecord& record : archive.records) {
        // Never through a link: the workspace is ours, a link in it planted.
        if (!writeFileBytes(workDir / record.name, record.content, LinkRule::ReplaceLink)) {
            std::error_code ignored;
            for (const std::string& name : written) std::filesystem::remove(workDir / name, ignored);
            std::filesystem::remove(workDir / record.name, ignored);
            return {IoResult::failure(persistence_text::message(persistence_text::kWorkspaceError),
                                      persistence_text::message(persistence_text::kWriteErrorCaption)),
                    archive.version};
        }
        written.insert(record.name);
    }
    // Only a later save reads this; without it names are merely written in
    // the preferred codes, so a failure here fails nothing.
    // A workspace opened in place may still hold the previous project's list.
    if (const std::string stored = storedNamesText(archive.records); !stored.empty()) {
        (void)writeFileBytes(workDir / kStoredNamesFile, stored, LinkRule::ReplaceLink);
    } else {
        std::error_code ignored;
        std::filesystem::remove(workDir / kStoredNamesFile, ignored);
    }
    return {IoResult::success(), archive.version};
}

}  // namespace fg
