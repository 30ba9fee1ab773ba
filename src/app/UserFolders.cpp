#include "app/UserFolders.h"

#include <QFile>
#include <QStandardPaths>

#include <cstdlib>
#include <system_error>

#include "persistence/FileBytes.h"
#include "persistence/RecoveryStore.h"
#include "persistence/Workspace.h"

namespace fg::app {
namespace {

namespace fs = std::filesystem;

constexpr const char* kHomeVariable = "FULGRANE3D_HOME";
constexpr const char* kFolderName = "fulgrane3d";
constexpr const char* kDefaultColorIniResource = ":/fulgrane3d/color.ini";

void setError(std::string* error, std::string text) {
    if (error) *error = std::move(text);
}

}  // namespace

UserFolders userFolders() {
    UserFolders folders;
    // The workspace root follows the same variable; one rule for it lives in
    // the persistence code, which the command-line tool shares.
    folders.workspaceRoot = defaultWorkspaceRoot();
    folders.recoveryRoot = defaultRecoveryRoot();
    if (const char* home = std::getenv(kHomeVariable); home && *home) {
        folders.config = fs::path(home);
    } else {
        // The generic location plus our own folder name, rather than the
        // application's config location, so that the folder does not depend on
        // the name a test or tool gives its QCoreApplication.
        const QString generic = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        folders.config = fs::path(generic.toStdString()) / kFolderName;
    }
    return folders;
}

std::string defaultColorIni() {
    QFile file(kDefaultColorIniResource);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

bool prepareUserFolders(const UserFolders& folders, std::string* error) {
    std::error_code ec;
    fs::create_directories(folders.config, ec);
    if (ec) {
        setError(error, "cannot create " + folders.config.string() + ": " + ec.message());
        return false;
    }
    const fs::path colorIni = folders.colorIni();
    if (fs::exists(colorIni, ec)) return true;
    const std::string text = defaultColorIni();
    if (text.empty() || !writeFileBytes(colorIni, text)) {
        setError(error, "cannot write " + colorIni.string());
        return false;
    }
    return true;
}

}  // namespace fg::app
