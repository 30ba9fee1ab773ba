#pragma once
// Where the program keeps its own files for the user: data.prm and color.ini
// in the per-user config folder (~/.config/fulgrane3d), the instance
// workspaces under the per-user cache folder. FULGRANE3D_HOME, when set, puts
// all of them in that one folder (tests, portable use).

#include <filesystem>
#include <string>

namespace fg::app {

struct UserFolders {
    std::filesystem::path config;         // data.prm and color.ini
    std::filesystem::path workspaceRoot;  // one folder per running instance
    std::filesystem::path recoveryRoot;   // the recovery copies of unsaved work (per-user data folder)

    std::filesystem::path dataPrm() const { return config / "data.prm"; }
    std::filesystem::path colorIni() const { return config / "color.ini"; }
};

// The folders for this user, from the environment at the time of the call.
UserFolders userFolders();

// Creates the config folder and, when it holds no color.ini yet, writes the
// default one there; a color.ini that exists is left as the user made it.
// False, with the reason in `error`, when either cannot be made: the program
// still runs then, on the built-in defaults.
bool prepareUserFolders(const UserFolders& folders, std::string* error = nullptr);

// The color.ini that ships with the program.
std::string defaultColorIni();

}  // namespace fg::app
