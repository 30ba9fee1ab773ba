#include "persistence/Ini.h"

#include "model/Cp932.h"
#include "persistence/FileBytes.h"
#include "persistence/TextNumbers.h"

namespace fg {
namespace {

std::string fold(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

std::string_view trim(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Splits into lines at LF, dropping one CR before it.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string oneLine(std::string_view value) {
    std::string line(value);
    for (char& c : line) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return line;
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool isAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

// The value's bytes in a cp932 line. The decoder keeps every byte below 0x40
// as it is and never joins one to a neighbour, so blanks, "=" and line ends
// sit where they sit in the decoded text: the line is cut the same way.
std::string_view storedValueOf(std::string_view storedLine) {
    const std::string_view line = trim(storedLine);
    const std::size_t equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view() : trim(line.substr(equals + 1));
}

}  // namespace

IniDocument IniDocument::parse(std::string_view text) {
    if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) text.remove_prefix(kUtf8Bom.size());
    return parseLines(text, nullptr);
}

IniDocument IniDocument::parseCp932(std::string_view bytes) {
    // Decoded as a whole before parsing: cp932 trail bytes include '[' ']' and '\'.
    const std::string text = cp932ToUtf8(bytes);
    const std::vector<std::string_view> storedLines = splitLines(bytes);
    return parseLines(text, &storedLines);
}

IniDocument IniDocument::parseLines(std::string_view text, const std::vector<std::string_view>* storedLines) {
    IniDocument document;
    Section* current = nullptr;
    std::size_t lineNumber = 0;
    for (std::string_view raw : splitLines(text)) {
        const std::size_t number = lineNumber++;
        const std::string_view line = trim(raw);
        if (!line.empty() && line.front() == '[') {
            const std::size_t close = line.find(']');
            const std::string_view name = trim(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
            document.m_sections.push_back(Section{std::string(name), {}, {}});
            document.m_sectionIndex.emplace(fold(name), document.m_sections.size() - 1);
            current = &document.m_sections.back();
            continue;
        }
        const std::size_t equals = line.find('=');
        Line entry;
        if (equals != std::string_view::npos && !trim(line.substr(0, equals)).empty()) {
            entry.key = std::string(trim(line.substr(0, equals)));
            entry.value = std::string(trim(line.substr(equals + 1)));
            // Plain ASCII values (numbers, mostly) have one spelling only.
            if (storedLines != nullptr && number < storedLines->size() && !isAscii(entry.value)) {
                const std::string_view stored = storedValueOf((*storedLines)[number]);
                if (isOtherCp932Spelling(stored, entry.value)) entry.stored = std::string(stored);
            }
        }
        entry.raw = std::string(raw);
        if (current) addLine(*current, std::move(entry));
        else document.m_preamble.push_back(std::move(entry.raw));
    }
    return document;
}

std::string IniDocument::serialize() const {
    std::string text;
    for (const std::string& line : m_preamble) text += line + "\r\n";
    for (const Section& section : m_sections) {
        text += "[" + section.name + "]\r\n";
        for (const Line& line : section.lines) {
            if (line.key.empty()) text += line.raw;
            else text += line.key + "=" + line.value;
            text += "\r\n";
        }
    }
    return text;
}

std::string IniDocument::serializeCp932() const {
    bool anyStored = false;
    for (const Section& section : m_sections) {
        for (const Line& line : section.lines) anyStored = anyStored || !line.stored.empty();
    }
    if (!anyStored) return utf8ToCp932(serialize());
    // The encoder works character by character, so encoding piece by piece
    // gives the same bytes as encoding the whole text.
    std::string bytes;
    for (const std::string& line : m_preamble) bytes += utf8ToCp932(line) + "\r\n";
    for (const Section& section : m_sections) {
        bytes += utf8ToCp932("[" + section.name + "]") + "\r\n";
        for (const Line& line : section.lines) {
            if (line.key.empty()) bytes += utf8ToCp932(line.raw);
            else bytes += utf8ToCp932(line.key + "=") + (line.stored.empty() ? utf8ToCp932(line.value) : line.stored);
            bytes += "\r\n";
        }
    }
    return bytes;
}

const IniDocument::Section* IniDocument::findSection(std::string_view name) const {
    const auto found = m_sectionIndex.find(fold(name));
    return found == m_sectionIndex.end() ? nullptr : &m_sections[found->second];
}

IniDocument::Section* IniDocument::findSection(std::string_view name) {
    return const_cast<Section*>(static_cast<const IniDocument*>(this)->findSection(name));
}

bool IniDocument::hasSection(std::string_view section) const { return findSection(section) != nullptr; }

const IniDocument::Line* IniDocument::findLine(std::string_view section, std::string_view key) const {
    const Section* found = findSection(section);
    if (!found) return nullptr;
    const auto line = found->keyIndex.find(fold(trim(key)));
    return line == found->keyIndex.end() ? nullptr : &found->lines[line->second];
}

std::optional<std::string_view> IniDocument::find(std::string_view section, std::string_view key) const {
    const Line* line = findLine(section, key);
    if (!line) return std::nullopt;
    return std::string_view(line->value);
}

std::optional<std::string_view> IniDocument::storedBytes(std::string_view section, std::string_view key) const {
    const Line* line = findLine(section, key);
    if (!line || line->stored.empty()) return std::nullopt;
    return std::string_view(line->stored);
}

std::string IniDocument::getString(std::string_view section, std::string_view key, std::string_view fallback) const {
    return std::string(find(section, key).value_or(fallback));
}

std::int32_t IniDocument::getInt(std::string_view section, std::string_view key, std::int32_t fallback) const {
    const auto value = find(section, key);
    return value ? parseIntLeading(*value) : fallback;
}

void IniDocument::addLine(Section& section, Line line) {
    if (!line.key.empty()) section.keyIndex.emplace(fold(line.key), section.lines.size());
    section.lines.push_back(std::move(line));
}

IniDocument::Section& IniDocument::sectionForWrite(std::string_view name) {
    if (Section* found = findSection(name)) return *found;
    m_sections.push_back(Section{oneLine(trim(name)), {}, {}});
    m_sectionIndex.emplace(fold(trim(name)), m_sections.size() - 1);
    return m_sections.back();
}

void IniDocument::setString(std::string_view section, std::string_view key, std::string_view value) {
    Section& target = sectionForWrite(section);
    const auto line = target.keyIndex.find(fold(trim(key)));
    if (line != target.keyIndex.end()) {
        target.lines[line->second].value = oneLine(value);
        target.lines[line->second].stored.clear();
        return;
    }
    addLine(target, Line{oneLine(trim(key)), oneLine(value), {}, {}});
}

void IniDocument::setStoredString(std::string_view section, std::string_view key, std::string_view value,
                                  std::string_view stored) {
    setString(section, key, value);
    Section& target = sectionForWrite(section);
    Line& line = target.lines[target.keyIndex.at(fold(trim(key)))];
    if (isOtherCp932Spelling(stored, line.value)) line.stored = std::string(stored);
}

void IniDocument::setInt(std::string_view section, std::string_view key, std::int64_t value) {
    setString(section, key, formatInt(value));
}

void IniDocument::setFloat(std::string_view section, std::string_view key, float value) {
    setString(section, key, formatFloat(value));
}

std::optional<IniDocument> readIniFile(const std::filesystem::path& path, IniEncoding encoding) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return IniDocument{};
    const auto bytes = readFileBytes(path);
    if (!bytes) return std::nullopt;
    return encoding == IniEncoding::Cp932 ? IniDocument::parseCp932(*bytes) : IniDocument::parse(*bytes);
}

FileWriteResult writeIniFile(const IniDocument& document, const std::filesystem::path& path, IniEncoding encoding) {
    return writeFileBytes(path, encoding == IniEncoding::Cp932 ? document.serializeCp932() : document.serialize());
}

}  // namespace fg
