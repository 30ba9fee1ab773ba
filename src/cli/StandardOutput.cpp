#include "cli/StandardOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace fg::cli {

bool StandardOutput::fail() {
    if (!m_failed) {
        const int error = errno;
        std::fprintf(stderr, "fulgrane3d-cli %s: cannot write to standard output: %s\n", m_command,
                     error != 0 ? std::strerror(error) : "write error");
    }
    m_failed = true;
    return false;
}

bool StandardOutput::write(std::string_view text) {
    if (m_failed) return false;
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::ferror(stdout)) return fail();
    return true;
}

bool StandardOutput::finish() {
    errno = 0;
    if (m_failed) {
        std::fclose(stdout);  // what is left in the buffer cannot go out either
        return false;
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int error = errno;
        std::fclose(stdout);
        errno = error;
        return fail();
    }
    if (std::fclose(stdout) != 0) return fail();
    return true;
}

}  // namespace fg::cli
