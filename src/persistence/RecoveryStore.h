#pragma once
// Recovery copies: while an editor runs, the project with its unsaved
// changes is written now and then into a slot of its own under the recovery
// root (FULGRANE3D_HOME/recovery, or the per-user data folder), so that an
// editor that crashes or is killed loses nothing. A slot is a folder holding
// a lock file, which its editor keeps locked while it runs, and at most one
// copy file: a header naming the project's path and file name, then the
// packed project exactly as a save would write it.
//
// Saving or a clean exit removes the copy. At start-up the copies of slots
// whose lock no running editor holds are offered; each is claimed (locked)
// while it is offered, so two editors starting together never offer the
// same one.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "persistence/FileBytes.h"
#include "persistence/FileLock.h"

namespace fg {

inline constexpr std::string_view kRecoveryFileName = "recovery.fg3r";
inline constexpr std::string_view kRecoveryLockName = "__instance__.lock";

// What a copy holds.
struct RecoveryContent {
    std::string origin;    // the project's path; empty for a project never saved
    std::string fileName;  // the name in the title ("無題.nbx" for a new one)
    std::string archive;   // the packed project (.nbx bytes)
    friend bool operator==(const RecoveryContent&, const RecoveryContent&) = default;
};

// The copy file's bytes and back. Decoding takes any bytes: a header that is
// not ours, a path with a NUL or line break, or a truncated file give nothing.
std::string encodeRecovery(const RecoveryContent& content);
std::optional<RecoveryContent> decodeRecovery(std::string_view bytes);

// FULGRANE3D_HOME/recovery when the variable is set, else
// $XDG_DATA_HOME/fulgrane3d/recovery, else ~/.local/share/fulgrane3d/recovery.
std::filesystem::path defaultRecoveryRoot();

// The running editor's slot. Move-only; the destructor removes the slot
// with its copy (a clean exit).
class RecoverySlot {
public:
    static std::optional<RecoverySlot> create(const std::filesystem::path& root, std::string* error = nullptr);
    RecoverySlot(RecoverySlot&& other) noexcept;
    RecoverySlot& operator=(RecoverySlot&& other) noexcept;
    RecoverySlot(const RecoverySlot&) = delete;
    RecoverySlot& operator=(const RecoverySlot&) = delete;
    ~RecoverySlot();

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path copyPath() const { return m_path / kRecoveryFileName; }
    // Replaces the copy atomically: a write that fails or is cut short
    // leaves the previous copy whole.
    FileWriteResult write(const RecoveryContent& content) const;
    // Removes the copy (the project was saved); the slot stays.
    void discard() const;
    bool hasCopy() const;

private:
    RecoverySlot(std::filesystem::path path, FileLock lock);
    void remove();

    std::filesystem::path m_path;
    FileLock m_lock;
};

// An abandoned copy, locked for this program while it is offered.
class ClaimedCopy {
public:
    ClaimedCopy(std::filesystem::path slot, FileLock lock, RecoveryContent content);
    const std::filesystem::path& slot() const { return m_slot; }
    const RecoveryContent& content() const { return m_content; }
    // Deletes the slot with its copy (restored, or discarded by the user).
    void remove();
    // Keeps it for the next start; the claim ends.
    void release();

private:
    std::filesystem::path m_slot;
    FileLock m_lock;
    RecoveryContent m_content;
};

// The copies under `root` that no running editor owns, newest first,
// claimed. Abandoned slots without a copy are removed on the way; a copy
// that cannot be read or is not ours is left where it is, unclaimed; slots
// still owned are not touched.
std::vector<ClaimedCopy> claimAbandonedCopies(const std::filesystem::path& root);

}  // namespace fg
