#include "persistence/Workspace.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <utility>

#include "persistence/FileBytes.h"
#include "persistence/FileLock.h"
#include "persistence/PerUserFolder.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

// Serialises creating and clearing workspaces between programs starting at
// the same time, so that one never clears a folder another is still setting up.
constexpr const char* kRootLockName = ".root.lock";

std::uint32_t crc32(std::string_view bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void appendBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void appendChunk(std::string& png, std::string_view type, std::string_view data) {
    appendBigEndian(png, static_cast<std::uint32_t>(data.size()));
    std::string body(type);
    body += data;
    png += body;
    appendBigEndian(png, crc32(body));
}

bool isWorkspaceName(const std::string& name) {
    if (name.empty()) return false;
    for (char c : name) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

std::int64_t millisecondTick() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void setError(std::string* error, std::string text) {
    if (error) *error = std::move(text);
}

}  // namespace

std::string dummyTexturePng() {
    std::string png("\x89PNG\r\n\x1A\n", 8);
    std::string header;
    appendBigEndian(header, 1);                  // width
    appendBigEndian(header, 1);                  // height
    header += std::string("\x08\x06\x00\x00\x00", 5);  // 8-bit RGBA, deflate, no filter, no interlace
    appendChunk(png, "IHDR", header);
    // zlib stream with one stored block: filter byte 0, then R G B A = 255.
    const std::string scanline("\x00\xFF\xFF\xFF\xFF", 5);
    std::string zlib("\x78\x01", 2);
    zlib += std::string("\x01\x05\x00\xFA\xFF", 5);  // final stored block, LEN 5, NLEN ~5
    zlib += scanline;
    std::uint32_t a = 1, b = 0;
    for (const char c : scanline) {
        a = (a + static_cast<unsigned char>(c)) % 65521u;
        b = (b + a) % 65521u;
    }
    appendBigEndian(zlib, (b << 16) | a);
    appendChunk(png, "IDAT", zlib);
    appendChunk(png, "IEND", {});
    return png;
}

fs::path defaultWorkspaceRoot() { return perUserFolder(UserFolderKind::Cache, "workspace"); }

ScopedWorkspace::ScopedWorkspace(fs::path root, fs::path path, int lockFd)
    : m_root(std::move(root)), m_path(std::move(path)), m_lockFd(lockFd) {}

ScopedWorkspace::ScopedWorkspace(ScopedWorkspace&& other) noexcept
    : m_root(std::move(other.m_root)), m_path(std::exchange(other.m_path, {})),
      m_lockFd(std::exchange(other.m_lockFd, -1)) {}

ScopedWorkspace& ScopedWorkspace::operator=(ScopedWorkspace&& other) noexcept {
    if (this != &other) {
        remove();
        m_root = std::move(other.m_root);
        m_path = std::exchange(other.m_path, {});
        m_lockFd = std::exchange(other.m_lockFd, -1);
    }
    return *this;
}

ScopedWorkspace::~ScopedWorkspace() { remove(); }

std::optional<ScopedWorkspace> ScopedWorkspace::create(const fs::path& root, std::string* error) {
    std::error_code ec;
    fs::create_directories(root, ec);
    if (ec) {
        setError(error, "cannot create " + root.string() + ": " + ec.message());
        return std::nullopt;
    }
    FileLock rootLock(root / kRootLockName, true);
    if (!rootLock.held()) {
        setError(error, "cannot lock " + (root / kRootLockName).string());
        return std::nullopt;
    }
    return makeIn(root, 0, error);
}

std::optional<ScopedWorkspace> ScopedWorkspace::createForTool(std::string* error) {
    return create(defaultWorkspaceRoot(), error);
}

// Called with the root lock held.
std::optional<ScopedWorkspace> ScopedWorkspace::makeIn(const fs::path& root, std::int64_t notBefore,
                                                       std::string* error) {
    std::error_code ec;
    fs::path path;
    for (std::int64_t tick = std::max(millisecondTick(), notBefore);; ++tick) {
        path = root / std::to_string(tick);
        if (fs::create_directory(path, ec)) break;
        if (ec) {
            setError(error, "cannot create " + path.string() + ": " + ec.message());
            return std::nullopt;
        }
        // Another instance started in the same millisecond: take the next number.
    }
    FileLock lock(path / kWorkspaceLockName, false);
    if (!lock.held() || !writeFileBytes(path / kDummyTextureName, dummyTexturePng())) {
        // Only these two can be in it; removed by name, which needs no
        // descriptor (running out of them may be why the set-up failed).
        fs::remove(path / kDummyTextureName, ec);
        fs::remove(path / kWorkspaceLockName, ec);
        fs::remove(path, ec);
        setError(error, "cannot set up " + path.string());
        return std::nullopt;
    }
    return ScopedWorkspace(root, path, lock.release());
}

IoResult ScopedWorkspace::renew() {
    FileLock rootLock(m_root / kRootLockName, true);
    // A renewal within the same millisecond still gets a folder of its own,
    // so nothing holding the old path can mistake the new folder for it.
    std::int64_t next = 0;
    const std::string oldName = m_path.filename().string();
    if (isWorkspaceName(oldName) && oldName.size() < 19) next = std::stoll(oldName) + 1;
    // The new folder first: when it cannot be made, the old one and what it
    // holds stay in use rather than leaving the program without a folder.
    std::string error;
    auto fresh = makeIn(m_root, next, &error);
    if (!fresh) return IoResult::failure(Message::verbatim(error), Message::verbatim("Fulgrane3D"));
    remove();
    m_path = std::exchange(fresh->m_path, {});
    m_lockFd = std::exchange(fresh->m_lockFd, -1);
    return IoResult::success();
}

void ScopedWorkspace::remove() {
    if (!m_path.empty()) {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
        m_path.clear();
    }
    if (m_lockFd >= 0) {
        ::close(m_lockFd);
        m_lockFd = -1;
    }
}

int clearAbandonedWorkspaces() { return clearStaleWorkspaces(defaultWorkspaceRoot()); }

int clearStaleWorkspaces(const fs::path& root) {
    std::error_code ec;
    if (!fs::is_directory(root, ec)) return 0;
    FileLock rootLock(root / kRootLockName, true);
    if (!rootLock.held()) return 0;
    int removed = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(root, ec)) {
        if (!entry.is_directory(ec) || entry.is_symlink(ec) || !isWorkspaceName(entry.path().filename().string())) {
            continue;
        }
        // A workspace whose lock we can take has no running owner.
        FileLock probe(entry.path() / kWorkspaceLockName, false);
        if (!probe.held()) continue;
        fs::remove_all(entry.path(), ec);
        if (!ec) ++removed;
    }
    return removed;
}

}  // namespace fg
