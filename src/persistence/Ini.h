#pragma once
// INI files with the semantics of the Windows private-profile functions that
// our settings files were designed around: sections and keys are found
// case-insensitively (ASCII), the first of duplicate sections or keys wins, a
// missing key yields the caller's default, and writing a key replaces its
// value in place or appends it at the end of its section (a new section goes
// at the end of the file). Lines end in CRLF. Text is UTF-8 in memory; on disk
// it is cp932 (save.ini, which Windows tools share) or UTF-8 (files only this
// program reads), chosen by the caller.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "persistence/FileBytes.h"

namespace fg {

enum class IniEncoding { Cp932, Utf8 };

class IniDocument {
public:
    // Parses UTF-8 text; lines may end in CRLF or LF. Lines that are neither a
    // section header nor key=value are kept as they are but never match.
    static IniDocument parse(std::string_view text);
    // Parses cp932 bytes as parse() parses their UTF-8 text. A value whose
    // bytes are not what the encoder would write for its text (cp932 has two
    // codes for some characters) keeps its bytes: see storedBytes().
    static IniDocument parseCp932(std::string_view bytes);
    // The whole document as UTF-8 text with CRLF line ends.
    std::string serialize() const;
    // The whole document in cp932 with CRLF line ends; a value with stored
    // bytes is written as those bytes.
    std::string serializeCp932() const;

    bool hasSection(std::string_view section) const;
    // The value of the first matching key in the first matching section.
    std::optional<std::string_view> find(std::string_view section, std::string_view key) const;
    // GetPrivateProfileString: the value, or `fallback` when the key is missing.
    std::string getString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // GetPrivateProfileInt: atoi of the value, or `fallback` when the key is missing.
    std::int32_t getInt(std::string_view section, std::string_view key, std::int32_t fallback) const;

    // The cp932 bytes a value was read as, when they differ from what the
    // encoder would write for its text; nullopt otherwise.
    std::optional<std::string_view> storedBytes(std::string_view section, std::string_view key) const;

    // WritePrivateProfileString. Line breaks in the value would split the
    // line, so they are stored as spaces. Stored bytes of the value are dropped.
    void setString(std::string_view section, std::string_view key, std::string_view value);
    // setString, then a cp932 save writes `stored` instead of the encoded
    // value; `stored` must decode to the value (else it is ignored).
    void setStoredString(std::string_view section, std::string_view key, std::string_view value,
                         std::string_view stored);
    void setInt(std::string_view section, std::string_view key, std::int64_t value);   // "%d"
    void setFloat(std::string_view section, std::string_view key, float value);        // "%f"

    bool empty() const { return m_sections.empty() && m_preamble.empty(); }

private:
    struct Line {
        std::string key;  // empty for a kept line that is not key=value
        std::string value;
        std::string raw;  // the original text of a kept line
        std::string stored;  // cp932 bytes of the value, when not what the encoder writes
    };
    struct Section {
        std::string name;
        std::vector<Line> lines;
        std::unordered_map<std::string, std::size_t> keyIndex;  // folded key -> first line
    };

    // `storedLines`: the cp932 lines the text was decoded from, or null.
    static IniDocument parseLines(std::string_view text, const std::vector<std::string_view>* storedLines);
    const Line* findLine(std::string_view section, std::string_view key) const;
    Section* findSection(std::string_view name);
    const Section* findSection(std::string_view name) const;
    Section& sectionForWrite(std::string_view name);
    static void addLine(Section& section, Line line);

    std::vector<std::string> m_preamble;  // lines before the first section
    std::vector<Section> m_sections;
    std::unordered_map<std::string, std::size_t> m_sectionIndex;  // folded name -> first section
};

// Reads an INI file. A missing file reads as an empty document (as the
// profile functions treat it); nullopt when the file exists but cannot be read.
[[nodiscard]] std::optional<IniDocument> readIniFile(const std::filesystem::path& path, IniEncoding encoding);
// Writes the document, replacing the file whole (see writeFileBytes).
FileWriteResult writeIniFile(const IniDocument& document, const std::filesystem::path& path, IniEncoding encoding);

}  // namespace fg
