#pragma once
// What the application-layer tests share: one QCoreApplication for the event
// loops, environment variables set for one test, and the source tree.

#include <QCoreApplication>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace fg::test {

inline QCoreApplication& testApplication() {
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    return application;
}

// Sets (or, with nullopt, removes) an environment variable and restores it.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value) : m_name(name) {
        if (const char* old = std::getenv(name)) m_old = old;
        if (value) ::setenv(name, value->c_str(), 1);
        else ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (m_old) ::setenv(m_name.c_str(), m_old->c_str(), 1);
        else ::unsetenv(m_name.c_str());
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_old;
};

// The version-file reader honours the user's http_proxy; the tests' loopback
// server must be reached directly all the same.
class DirectLoopback {
    ScopedEnv m_lower{"no_proxy", "127.0.0.1"};
    ScopedEnv m_upper{"NO_PROXY", "127.0.0.1"};
};

inline std::filesystem::path sourceDir() {
    const char* dir = std::getenv("FULGRANE3D_SOURCE_DIR");
    return dir ? std::filesystem::path(dir) : std::filesystem::path(".");
}

}  // namespace fg::test
