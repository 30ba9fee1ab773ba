#include "persistence/PerUserFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace fs = std::filesystem;

namespace fg {
namespace {

const char* setVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

}  // namespace

fs::path perUserFolder(UserFolderKind kind, std::string_view leaf) {
    if (const char* home = setVariable("FULGRANE3D_HOME")) return fs::path(home) / leaf;
    const bool cache = kind == UserFolderKind::Cache;
    if (const char* xdg = setVariable(cache ? "XDG_CACHE_HOME" : "XDG_DATA_HOME")) {
        return fs::path(xdg) / "fulgrane3d" / leaf;
    }
    if (const char* home = setVariable("HOME")) {
        const fs::path base = cache ? fs::path(home) / ".cache" : fs::path(home) / ".local" / "share";
        return base / "fulgrane3d" / leaf;
    }
    return fs::temp_directory_path() / ("fulgrane3d-" + std::to_string(::getuid())) / leaf;
}

}  // namespace fg
