#pragma once
// Instance workspaces: while a program runs, the open project lives as loose
// files in a folder of its own, named by a millisecond tick, under a shared
// workspace root (FULGRANE3D_HOME/workspace, or the per-user cache folder).
// Each workspace holds a lock file that its program keeps locked while it
// runs, so a starting program can clear the folders that crashed or killed
// instances left behind without touching a running one's.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "persistence/IoResult.h"

namespace fg {

// The 1 × 1 opaque white image every workspace holds as the empty texture;
// never packed.
inline constexpr std::string_view kDummyTextureName = "__dummy__dummy.png";
// The lock file inside a workspace; never packed, never unpacked.
inline constexpr std::string_view kWorkspaceLockName = "__instance__.lock";

// The PNG bytes of the placeholder image.
std::string dummyTexturePng();

// FULGRANE3D_HOME/workspace when the variable is set, else
// $XDG_CACHE_HOME/fulgrane3d/workspace, else ~/.cache/fulgrane3d/workspace.
std::filesystem::path defaultWorkspaceRoot();

// One instance workspace: a folder with the placeholder image and a held
// lock. Move-only; the destructor removes the folder.
class ScopedWorkspace {
public:
    // Creates the root if needed and a fresh workspace in it.
    static std::optional<ScopedWorkspace> create(const std::filesystem::path& root, std::string* error = nullptr);
    // A workspace under defaultWorkspaceRoot(), for the command-line tools.
    static std::optional<ScopedWorkspace> createForTool(std::string* error = nullptr);

    ScopedWorkspace(ScopedWorkspace&& other) noexcept;
    ScopedWorkspace& operator=(ScopedWorkspace&& other) noexcept;
    ScopedWorkspace(const ScopedWorkspace&) = delete;
    ScopedWorkspace& operator=(const ScopedWorkspace&) = delete;
    ~ScopedWorkspace();

    const std::filesystem::path& path() const { return m_path; }
    const std::filesystem::path& root() const { return m_root; }
    bool active() const { return !m_path.empty(); }

    // Starts a fresh, empty workspace (with the placeholder) under the same
    // root, then deletes this one with everything in it. When the fresh one
    // cannot be made, this one stays as it is and the result says why.
    IoResult renew();
    // Deletes the folder and releases the lock; path() becomes empty.
    void remove();

private:
    ScopedWorkspace(std::filesystem::path root, std::filesystem::path path, int lockFd);
    static std::optional<ScopedWorkspace> makeIn(const std::filesystem::path& root, std::int64_t notBefore,
                                                 std::string* error);

    std::filesystem::path m_root;
    std::filesystem::path m_path;
    int m_lockFd = -1;
};

// Removes every workspace under `root` whose lock no running program holds.
// Returns how many were removed. Leaves anything that is not a workspace
// (a name that is not all digits) alone.
int clearStaleWorkspaces(const std::filesystem::path& root);

// The start-up step of every program that keeps workspaces, the editor and
// each command of the command-line tool alike: clears the stale workspaces
// under defaultWorkspaceRoot() that killed or crashed programs left behind.
int clearAbandonedWorkspaces();

}  // namespace fg
