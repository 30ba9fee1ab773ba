#include "ui/StartUp.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QUrl>

#include "app/Editor.h"
#include "app/Version.h"
#include "persistence/Workspace.h"
#include "ui/ExportRunner.h"
#include "ui/MainWindow.h"
#include "ui/UpdateDialog.h"

namespace fg {
namespace {

QColor colourOf(const app::Rgb& rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

// The client area is what lies below the menu bar; the menu bar's own height
// is taken the way MainWindow::setClientSize takes it, so that the size read
// back is the size that was set.
int menuHeight(const MainWindow& window) { return window.menuBar()->sizeHint().height(); }

bool isNormal(const MainWindow& window) {
    return (window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)) == 0;
}

}  // namespace

StartUpFiles readStartUpFiles(const app::UserFolders& folders) {
    StartUpFiles files;
    files.folders = folders;
    // Without a config folder the program still runs, on the defaults.
    app::prepareUserFolders(folders);
    // Claimed first: another editor starting now must not offer them too.
    files.recoveries = claimAbandonedCopies(folders.recoveryRoot);
    clearStaleWorkspaces(folders.workspaceRoot);
    files.colours = panelColoursOf(app::loadColorScheme(folders.colorIni()));
    files.settings = app::loadProgramSettings(folders.dataPrm());
    return files;
}

PanelColours panelColoursOf(const app::ColorScheme& scheme) {
    return PanelColours{colourOf(scheme.window), colourOf(scheme.client), colourOf(scheme.cursor)};
}

std::vector<app::ScreenRect> screenRects() {
    std::vector<app::ScreenRect> rects;
    QList<QScreen*> screens = QGuiApplication::screens();
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary != nullptr) {
        screens.removeAll(primary);
        screens.prepend(primary);
    }
    for (const QScreen* screen : screens) {
        const QRect area = screen->geometry();
        rects.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    return rects;
}

app::WindowGeometry currentGeometry(const MainWindow& window) {
    app::WindowGeometry geometry;
    geometry.x = window.x();
    geometry.y = window.y();
    geometry.width = window.width();
    geometry.height = window.height() - menuHeight(window);
    geometry.zoomed = window.isMaximized();
    return geometry;
}

void setGeometry(MainWindow& window, const app::WindowGeometry& geometry) {
    window.setClientSize({geometry.width, geometry.height});
    window.move(geometry.x, geometry.y);
}

app::WindowGeometry applyProgramSettings(Editor& editor, MainWindow& window, const app::ProgramSettings& settings) {
    editor.document().setRecentFiles(settings.recent);
    editor.viewSettings().setDisplayFlags(settings.display);
    editor.setParticleLimit(settings.previewParticleLimit);  // before the worker starts
    const std::vector<app::ScreenRect> screens = screenRects();
    const app::WindowGeometry placed = app::placeOnScreens(settings.window, screens);
    setGeometry(window, placed);
    window.setWindowPlaces(settings.places);
    // The built-in address is a placeholder: the local page stands in for it.
    if (settings.web.helpPage != app::kDefaultHelpPageUrl) {
        window.setHelpUrl(QUrl(QString::fromStdString(settings.web.helpPage)));
    }
    const std::string_view version = app::versionText();
    window.setVersionText(QString::fromUtf8(version.data(), static_cast<qsizetype>(version.size())));
    return placed;
}

void showMainWindow(MainWindow& window, bool zoomed) {
    if (zoomed) {
        window.showMaximized();
    } else {
        window.show();
    }
}

ShellCommands connectShellCommands(MainWindow& window, Editor& editor, UpdateSettings update) {
    ShellCommands commands;
    commands.updates = new UpdateFlow(&window, std::move(update));
    QObject::connect(window.action(Command::CheckUpdate), &QAction::triggered, commands.updates,
                     &UpdateFlow::checkFromMenu);
    commands.exporter = new ExportRunner(&window, editor);
    QObject::connect(window.action(Command::Export), &QAction::triggered, commands.exporter, &ExportRunner::run);
    return commands;
}

UpdateSettings updateSettingsOf(const StartUpFiles& files) {
    const app::WebAddresses& web = files.settings.web;
    UpdateSettings update;
    update.dataPrm = files.folders.dataPrm();
    update.versionFile = QUrl(QString::fromStdString(web.versionFile));
    update.downloadPage = QUrl(QString::fromStdString(web.downloadPage));
    update.currentVersion = std::string(app::versionText());
    update.ignoredVersion = files.settings.ignoredVersion;
    return update;
}

NormalGeometry::NormalGeometry(MainWindow& window, const app::WindowGeometry& initial)
    : QObject(&window), m_window(window), m_normal(initial) {
    m_normal.zoomed = false;
    window.installEventFilter(this);
}

app::WindowGeometry NormalGeometry::closing() const {
    const bool maximised = m_window.isMaximized();
    return app::closingGeometry(m_normal, maximised ? m_normal : currentGeometry(m_window), maximised);
}

bool NormalGeometry::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == &m_window && (type == QEvent::Move || type == QEvent::Resize) && m_window.isVisible() &&
        isNormal(m_window)) {
        m_normal = currentGeometry(m_window);
        m_normal.zoomed = false;
    }
    return QObject::eventFilter(watched, event);
}

bool saveShutDownSettings(const std::filesystem::path& dataPrm, const app::WindowGeometry& closing,
                          const Editor& editor, const app::WindowPlaces& places) {
    return app::saveClosingSettings(dataPrm, closing, editor.viewSettings().displayFlags(),
                                    editor.document().recentFiles(), places);
}

}  // namespace fg
