#pragma once
// An exclusive flock held on a file for the life of the object: how a
// running program marks the folders it owns (workspaces, recovery slots),
// so that another can tell them from those a killed program left behind.

#include <filesystem>

namespace fg {

class FileLock {
public:
    // Creates the file if needed and locks it; `wait` blocks until the lock
    // is free, otherwise a lock held elsewhere leaves this one not held().
    FileLock(const std::filesystem::path& path, bool wait);
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return m_fd >= 0; }
    // Hands the descriptor (and with it the lock) to the caller.
    int release();

private:
    int m_fd = -1;
};

}  // namespace fg
