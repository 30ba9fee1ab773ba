#include "render/export/VideoOutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "persistence/FileBytes.h"

namespace fg {

VideoOutputFile::~VideoOutputFile() { discard(); }

int VideoOutputFile::open(const std::filesystem::path& target) {
    discard();
    m_target = target;
    if (const int error = followLinks(m_target)) return error;
    int keptMode = -1;
    struct stat status {};
    if (::lstat(m_target.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) return EISDIR;
        if (!S_ISREG(status.st_mode)) {
            m_writing = m_target;  // a device or a pipe: nothing to rename over
            return 0;
        }
        // A file made read-only stays protected.
        if (::access(m_target.c_str(), W_OK) != 0) return errno;
        keptMode = static_cast<int>(status.st_mode & 07777);
    } else if (errno != ENOENT) {
        return errno;
    }
    const std::filesystem::path temporary = temporaryBeside(m_target);
    // Made here, exclusively, so that the writer that reopens it by name
    // never writes into something planted under that name.
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) return errno;
    int error = 0;
    if (keptMode >= 0 && ::fchmod(fd, static_cast<mode_t>(keptMode)) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    m_writing = temporary;
    m_temporary = true;
    return 0;
}

int VideoOutputFile::commit() {
    if (!m_temporary) return 0;
    int error = 0;
    const int fd = ::open(m_writing.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        error = errno;
    } else {
        if (::fsync(fd) != 0) error = errno;
        if (::close(fd) != 0 && error == 0) error = errno;
    }
    if (error == 0 && std::rename(m_writing.c_str(), m_target.c_str()) != 0) error = errno;
    if (error == 0) m_temporary = false;
    discard();
    return error;
}

void VideoOutputFile::discard() {
    if (m_temporary) ::unlink(m_writing.c_str());
    m_temporary = false;
    m_writing.clear();
}

}  // namespace fg
