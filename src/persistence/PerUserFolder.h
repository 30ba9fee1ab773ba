#pragma once
// Where a per-user folder of the program lives, by the XDG rules with one
// override for tests and portable use.

#include <filesystem>
#include <string_view>

namespace fg {

// The folder kinds the program keeps: caches may be wiped by the system,
// data must survive.
enum class UserFolderKind { Cache, Data };

// FULGRANE3D_HOME/<leaf> when the variable is set; else the XDG folder of
// the kind ($XDG_CACHE_HOME or $XDG_DATA_HOME) /fulgrane3d/<leaf>; else its
// default under $HOME (~/.cache or ~/.local/share); else a per-user folder
// in the system's temporary folder.
std::filesystem::path perUserFolder(UserFolderKind kind, std::string_view leaf);

}  // namespace fg
