#pragma once
// The editor's start-up and shut-down around the main window: the per-user
// files read before the window exists, the settings they give the editor and
// the window, and what closing writes back to data.prm.

#include <QObject>

#include <filesystem>
#include <vector>

#include "app/ColorScheme.h"
#include "app/ProgramSettings.h"
#include "app/UserFolders.h"
#include "app/WindowPlacement.h"
#include "persistence/RecoveryStore.h"
#include "ui/PanelColours.h"

namespace fg {

class Editor;
class ExportRunner;
class MainWindow;
class UpdateFlow;
struct UpdateSettings;

struct StartUpFiles {
    app::UserFolders folders;
    PanelColours colours;
    app::ProgramSettings settings;
    // Unsaved work that killed editors left, claimed for this one to offer.
    std::vector<ClaimedCopy> recoveries;
};

// Prepares the per-user folders (the default color.ini on first start),
// claims the recovery copies that killed instances left, then removes the
// workspaces they left behind, and reads color.ini and data.prm. Files that
// cannot be made or read give defaults.
StartUpFiles readStartUpFiles(const app::UserFolders& folders);

PanelColours panelColoursOf(const app::ColorScheme& scheme);

// The screens as the placement rule takes them, the primary one first.
std::vector<app::ScreenRect> screenRects();

// The outer position and client size the window has now.
app::WindowGeometry currentGeometry(const MainWindow& window);
// Moves and sizes the window to `geometry` (its outer top-left, its client size).
void setGeometry(MainWindow& window, const app::WindowGeometry& geometry);

// Recent files and display flags go to the editor; the geometry, placed on
// the screens there are now, the help address and the version text to the
// window. Returns the geometry the window got.
app::WindowGeometry applyProgramSettings(Editor& editor, MainWindow& window, const app::ProgramSettings& settings);

// Shown maximised when data.prm says so, otherwise at its geometry.
void showMainWindow(MainWindow& window, bool zoomed);

// The commands whose work lives beside the window, connected to its menu
// items: "アップデート確認(&U)" and "書き出し(&W)". Both are owned by the window.
struct ShellCommands {
    UpdateFlow* updates = nullptr;
    ExportRunner* exporter = nullptr;
};
ShellCommands connectShellCommands(MainWindow& window, Editor& editor, UpdateSettings update);

// The update check's addresses and versions from the start-up files.
UpdateSettings updateSettingsOf(const StartUpFiles& files);

// Follows the window's last normal (not maximised) geometry: what closing
// writes while the window is maximised.
class NormalGeometry : public QObject {
public:
    NormalGeometry(MainWindow& window, const app::WindowGeometry& initial);
    const app::WindowGeometry& normal() const { return m_normal; }
    // What data.prm gets when the window closes now.
    app::WindowGeometry closing() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainWindow& m_window;
    app::WindowGeometry m_normal;
};

// Shut-down: WINDOW, DISP, RECENT and the window places into data.prm.
// False when it could not be written.
[[nodiscard]] bool saveShutDownSettings(const std::filesystem::path& dataPrm,
                                        const app::WindowGeometry& closing, const Editor& editor,
                                        const app::WindowPlaces& places = {});

}  // namespace fg
