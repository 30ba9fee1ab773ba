#pragma once
// The editor's main window: the four menus, the toolbar and the five panels,
// each command wired to the Editor. The window holds no document state; its
// title, check marks and recent-files menu follow the Editor's signals.

#include <QMainWindow>
#include <QPointer>
#include <QUrl>
#include <array>
#include <memory>

#include "app/WindowPlacement.h"
#include "ui/Commands.h"
#include "ui/HelpPage.h"
#include "ui/PanelColours.h"
#include "ui/dialogs/CameraDialog.h"
#include "ui/dialogs/ViewListWindow.h"

class QMenu;

namespace fg {

class DialogPrompts;
class Editor;
class HistoryWindow;
class HoverHelp;
class MaterialPanel;
class NodePanel;
class PageHost;
class PlaceKeeper;
class RecentFilesMenu;
class ShellLayout;
class StatusPanel;
class TabPanel;
class ToolbarStrip;
class ViewPanel;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(Editor& editor, const PanelColours& colours, QWidget* parent = nullptr);
    ~MainWindow() override;

    QAction* action(Command command) const { return m_actions[static_cast<std::size_t>(command)]; }
    QMenu* menu(MenuId menu) const { return m_menus[static_cast<std::size_t>(menu)]; }
    RecentFilesMenu* recentMenu() const { return m_recent; }
    ViewListWindow* viewListWindow() const { return m_viewList; }
    // The open "カメラの設定" dialog, or null.
    CameraDialog* cameraDialog() const { return m_camera; }
    ToolbarStrip* toolbar() const { return m_toolbar; }
    ShellLayout* shell() const { return m_shell; }
    StatusPanel* statusPanel() const;
    TabPanel* tabPanel() const;
    ViewPanel* viewPanel() const;
    NodePanel* nodePanel() const;
    MaterialPanel* materialPanel() const;
    // The open "履歴リスト" window, or null.
    HistoryWindow* historyWindow() const;
    // Opens the history list (at most one) or brings it to the front.
    void showHistoryList();
    PageHost* pageHost() const { return m_pages; }
    // Where the dialogs and tool windows open (data.prm's PLACES) and where
    // the user has left them since.
    void setWindowPlaces(app::WindowPlaces places);
    const app::WindowPlaces& windowPlaces() const;

    // The client area (everything below the menu bar) gets this size.
    void setClientSize(const QSize& size);
    // Where "オンライン情報交換" leads: the local help page, unless data.prm
    // names an address of its own; and how the page is handed to a browser.
    void setHelpPage(const QString& path) { m_helpPage = path; }
    void setHelpUrl(const QUrl& url) { m_helpUrl = url; }
    void setUrlOpener(UrlOpener open) { m_openUrl = std::move(open); }
    // The text the version box shows.
    void setVersionText(const QString& version) { m_version = version; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void createMenus();
    void connectCommands();
    void connectPlayback();
    // The commands on keys without Ctrl or Alt, which a focused control
    // may keep for itself.
    QList<QAction*> plainKeyActions() const;
    void followEditor();
    void followPlayback();
    void showVersion();
    void openHelpPage();
    void openCameraDialog();
    void openViewList();

    Editor& m_editor;
    std::unique_ptr<DialogPrompts> m_prompts;
    std::array<QAction*, kCommandCount> m_actions{};
    std::array<QMenu*, kMenuCount> m_menus{};
    RecentFilesMenu* m_recent = nullptr;
    ToolbarStrip* m_toolbar = nullptr;
    ShellLayout* m_shell = nullptr;
    HoverHelp* m_hoverHelp = nullptr;
    PlaceKeeper* m_placeKeeper = nullptr;
    QPointer<HistoryWindow> m_historyWindow;
    PageHost* m_pages = nullptr;
    QUrl m_helpUrl;
    QString m_helpPage;
    UrlOpener m_openUrl = desktopUrlOpener();
    QString m_version;
    PanelColours m_colours;
    QPointer<ViewListWindow> m_viewList;  // at most one
    QPointer<CameraDialog> m_camera;      // at most one
};

}  // namespace fg
