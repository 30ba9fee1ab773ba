#include "persistence/FileBytes.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <limits>
#include <map>
#include <set>
#include <system_error>

namespace fg {
namespace {

// Closes a POSIX descriptor on scope exit.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    bool closeChecked() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

// 0 when all bytes are written, otherwise the errno of the failure.
int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (written == 0) return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

constexpr std::string_view kTemporaryMarker = ".tmp-";

// Writes into something that is not a regular file and cannot be replaced
// by one: a device or a pipe.
int writeInPlace(const std::filesystem::path& path, std::string_view bytes) {
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (fd.get() < 0) return errno;
    const int error = writeAll(fd.get(), bytes);
    // Some file systems report a failed write only when the file is closed.
    if (!fd.closeChecked() && error == 0) return errno;
    return error;
}

// 0 or the errno of the first failure; the temporary file is gone either way
// unless it became `target`.
int writeAndRename(const std::filesystem::path& target, std::string_view bytes, std::optional<mode_t> keptMode) {
    const std::filesystem::path temporary = temporaryBeside(target);
    int error = 0;
    {
        Descriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
        if (fd.get() < 0) return errno;
        if (keptMode && ::fchmod(fd.get(), *keptMode) != 0) error = errno;
        if (error == 0) error = writeAll(fd.get(), bytes);
        if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
        if (!fd.closeChecked() && error == 0) error = errno;
    }
    if (error == 0 && std::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temporary.c_str());
    return error;
}

bool processRuns(long pid) {
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max()) return false;
    // EPERM: it runs under another user.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace

// A name for the temporary file that no other write running at the same time
// uses. The process id comes first, so that a later run can tell whether the
// writer is still alive.
std::filesystem::path temporaryBeside(const std::filesystem::path& path) {
    static std::atomic<unsigned> counter{0};
    const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
    std::filesystem::path temporary = path;
    temporary += std::string(kTemporaryMarker) + std::to_string(::getpid()) + "-" + std::to_string(tick) + "-" +
                 std::to_string(counter.fetch_add(1));
    return temporary;
}

// The file a chain of symbolic links at `path` ends at (the path itself when
// it is no link); 0 or the errno that stopped the walk.
int followLinks(std::filesystem::path& path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return 0;
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) return error.value();
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return ELOOP;
}

std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return std::nullopt;
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (got == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
}

FileWriteResult writeFileBytes(const std::filesystem::path& path, std::string_view bytes, LinkRule links) {
    std::filesystem::path target = path;
    if (links == LinkRule::WriteThrough) {
        if (const int error = followLinks(target)) return {error};
    }
    std::optional<mode_t> keptMode;
    struct stat status {};
    if (::lstat(target.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) return {EISDIR};
        if (S_ISREG(status.st_mode)) {
            // A file made read-only stays protected: replacing it is refused
            // as writing into it would be.
            if (::access(target.c_str(), W_OK) != 0) return {errno};
            keptMode = status.st_mode & 07777;
        } else if (!S_ISLNK(status.st_mode)) {
            return {writeInPlace(target, bytes)};
        }
    } else if (errno != ENOENT) {
        return {errno};
    }
    const int error = writeAndRename(target, bytes, keptMode);
    // A writable file in a folder that takes no new files (or, sticky, no
    // renames over others' files) can still be written in place.
    if ((error == EACCES || error == EPERM) && keptMode) return {writeInPlace(target, bytes)};
    return {error};
}

std::optional<long> temporaryOwner(std::string_view name, std::string_view target) {
    if (target.empty() || !name.starts_with(target)) return std::nullopt;
    name.remove_prefix(target.size());
    if (!name.starts_with(kTemporaryMarker)) return std::nullopt;
    name.remove_prefix(kTemporaryMarker.size());
    const std::size_t dash = name.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 9) return std::nullopt;
    long pid = 0;
    for (const char c : name.substr(0, dash)) {
        if (c < '0' || c > '9') return std::nullopt;
        pid = pid * 10 + (c - '0');
    }
    return pid;
}

int removeStaleTemporaries(const std::vector<std::filesystem::path>& files) {
    namespace fs = std::filesystem;
    std::map<fs::path, std::set<std::string>> byFolder;
    for (const fs::path& file : files) {
        if (file.filename().empty()) continue;
        const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
        byFolder[folder].insert(file.filename().string());
    }
    int removed = 0;
    for (const auto& [folder, names] : byFolder) {
        std::error_code error;
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            const std::string name = it->path().filename().string();
            // The target's name is the part before the last marker.
            const std::size_t marker = name.rfind(kTemporaryMarker);
            if (marker == std::string::npos || !names.contains(name.substr(0, marker))) continue;
            const std::optional<long> owner = temporaryOwner(name, name.substr(0, marker));
            std::error_code kind;
            if (!owner || processRuns(*owner) || !it->is_regular_file(kind) || it->is_symlink(kind)) continue;
            if (std::error_code gone; fs::remove(it->path(), gone)) ++removed;
        }
    }
    return removed;
}

}  // namespace fg
