#pragma once
// Whole-file reads and writes for the persistence code.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace fg {

// The file's bytes, or nullopt when it cannot be opened or read (a folder
// counts as unreadable).
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// Creates or truncates the file and writes the bytes.
bool writeFileBytes(const std::filesystem::path& path, std::string_view bytes);

// Writes the bytes to a temporary file beside `path`, flushes it to disk and
// renames it over `path`, so that a crash or a failed write leaves either the
// old file or the new one, never a mixture. The temporary file is removed on
// failure.
bool replaceFileBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace fg
