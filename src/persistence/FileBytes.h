#pragma once
// Whole-file reads and writes. Every file the program writes (projects,
// settings, the workspace, exported pictures and their metadata) goes
// through writeFileBytes, so all of them are replaced whole or not at all.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fg {

// The file's bytes, or nullopt when it cannot be opened or read (a folder
// counts as unreadable).
[[nodiscard]] std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// What a write does with a symbolic link at the path it is given.
enum class LinkRule {
    // The link stays and the file it leads to is replaced, as if that file
    // had been named: a user's link (a data.prm kept with other settings, a
    // "latest.png" pointing into a render folder) keeps working. A link that
    // leads nowhere gets its file created where it points.
    WriteThrough,
    // The link itself is replaced by the new file; whatever it led to is
    // never touched. For folders of our own, such as the workspace, where a
    // link can only have been planted.
    ReplaceLink,
};

// The outcome of a write: the errno of the first failure, 0 on success.
struct [[nodiscard]] FileWriteResult {
    int error = 0;
    bool ok() const { return error == 0; }
    explicit operator bool() const { return ok(); }
};

// Writes the bytes to a temporary file beside the file to replace (named
// "<name>.tmp-<pid>-…"), flushes it to disk and renames it over that file,
// so a failed write, a full disk or a killed process leaves the earlier file
// as it was, never a truncated one; the temporary file is removed on
// failure. A file replaced keeps its permission bits; a new one gets
// 0666 less the umask; a read-only file is refused. Something at the path
// that cannot be replaced by a file (a device such as /dev/full, a pipe) is
// written into directly, and so is a writable file in a folder where no
// temporary file can be made.
FileWriteResult writeFileBytes(const std::filesystem::path& path, std::string_view bytes,
                               LinkRule links = LinkRule::WriteThrough);

// For writers that stream a file rather than hand over its bytes at once:
// a fresh name for the temporary file beside `path` ("<name>.tmp-<pid>-…",
// found by temporaryOwner and removeStaleTemporaries) …
[[nodiscard]] std::filesystem::path temporaryBeside(const std::filesystem::path& path);
// … and the file a chain of symbolic links at `path` ends at (`path` itself
// when it is no link), as LinkRule::WriteThrough follows it: 0 or the errno
// that stopped the walk.
[[nodiscard]] int followLinks(std::filesystem::path& path);

// Whether `name` is a temporary file of writeFileBytes for a file called
// `target` (a file name, no folder), and the process that made it.
[[nodiscard]] std::optional<long> temporaryOwner(std::string_view name, std::string_view target);

// Removes the temporary files that writes of the given files left behind when
// their process was killed between writing and renaming: those whose process
// no longer runs. Temporaries of running processes (this one included) stay.
// Returns how many were removed.
int removeStaleTemporaries(const std::vector<std::filesystem::path>& files);

}  // namespace fg
