#pragma once
// The editor's main window: the four menus, the toolbar and the five panels,
// each command wired to the Editor. The window holds no document state; its
// title, check marks and recent-files menu follow the Editor's signals.

#include <QMainWindow>
#include <QUrl>
#include <array>
#include <memory>

#include "ui/Commands.h"
#include "ui/PanelColours.h"

class QMenu;

namespace fg {

class DialogPrompts;
class Editor;
class HoverHelp;
class PageHost;
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
    ToolbarStrip* toolbar() const { return m_toolbar; }
    ShellLayout* shell() const { return m_shell; }
    StatusPanel* statusPanel() const;
    TabPanel* tabPanel() const;
    ViewPanel* viewPanel() const;
    PageHost* pageHost() const { return m_pages; }

    // The client area (everything below the menu bar) gets this size.
    void setClientSize(const QSize& size);
    // Where "オンライン情報交換" leads, and the text the version box shows.
    void setHelpUrl(const QUrl& url) { m_helpUrl = url; }
    void setVersionText(const QString& version) { m_version = version; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void createActions();
    void createMenus();
    void connectCommands();
    void followEditor();
    void showVersion();
    void openHelpPage();

    Editor& m_editor;
    std::unique_ptr<DialogPrompts> m_prompts;
    std::array<QAction*, kCommandCount> m_actions{};
    std::array<QMenu*, kMenuCount> m_menus{};
    RecentFilesMenu* m_recent = nullptr;
    ToolbarStrip* m_toolbar = nullptr;
    ShellLayout* m_shell = nullptr;
    HoverHelp* m_hoverHelp = nullptr;
    PageHost* m_pages = nullptr;
    QUrl m_helpUrl;
    QString m_version;
};

}  // namespace fg
