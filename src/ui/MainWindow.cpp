#include "ui/MainWindow.h"

#include <QAction>
#include <QGuiApplication>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QStandardPaths>
#include <QStatusTipEvent>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "app/Editor.h"
#include "app/PlaybackController.h"
#include "ui/DialogPrompts.h"
#include "ui/FieldKeys.h"
#include "ui/dialogs/BackgroundColorDialog.h"
#include "ui/dialogs/CameraDialog.h"
#include "ui/dialogs/ProjectSettingsDialog.h"
#include "ui/dialogs/ViewListWindow.h"
#include "ui/HistoryWindow.h"
#include "ui/HoverHelp.h"
#include "ui/MaterialPanel.h"
#include "ui/NodePanel.h"
#include "ui/PageSelector.h"
#include "ui/PlaceKeeper.h"
#include "ui/PlainKeys.h"
#include "ui/RecentFilesMenu.h"
#include "ui/ShellLayout.h"
#include "ui/StatusPanel.h"
#include "ui/TabPanel.h"
#include "ui/TimelineWidget.h"
#include "ui/ToolbarStrip.h"
#include "ui/UndoActions.h"
#include "ui/VersionBox.h"
#include "ui/ViewPanel.h"
#include "ui/ViewWidget.h"
#include "ui/pages/PageHost.h"

namespace fg {
namespace {

constexpr std::pair<Command, PlaybackSpeed> kSpeedCommands[] = {
    {Command::SpeedQuarter, PlaybackSpeed::Quarter},
    {Command::SpeedHalf, PlaybackSpeed::Half},
    {Command::SpeedNormal, PlaybackSpeed::Normal},
    {Command::SpeedDouble, PlaybackSpeed::Double},
};

}  // namespace

MainWindow::MainWindow(Editor& editor, const PanelColours& colours, QWidget* parent)
    : QMainWindow(parent), m_editor(editor), m_colours(colours) {
    setObjectName(QStringLiteral("mainWindow"));
    createActions();
    createMenus();
    m_toolbar = new ToolbarStrip([this](Command command) { return action(command); });
    m_shell = new ShellLayout(m_toolbar);
    setCentralWidget(m_shell);
    applyPanelColours(m_shell, colours);
    m_shell->setMaterialPanel(new MaterialPanel(m_editor));
    m_shell->setNodePanel(new NodePanel(m_editor));

    m_placeKeeper = new PlaceKeeper(this);
    m_hoverHelp = new HoverHelp(this, statusPanel(), this);
    connect(m_hoverHelp, &HoverHelp::helpChanged, statusPanel(), &StatusPanel::setHelpText);

    m_prompts = std::make_unique<DialogPrompts>(this, [this] {
        const EditorState& g = m_editor.state();
        if (g.hasFileName) return QFileInfo(QString::fromStdString(g.fileName)).absolutePath();
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        return documents.isEmpty() ? QDir::homePath() : documents;
    });
    m_editor.setPrompts(m_prompts.get());

    installViewWidget(m_editor, *viewPanel(), statusPanel());
    installTimeline(m_editor, *viewPanel());
    m_pages = new PageHost(m_editor, *tabPanel(), this);
    m_pages->showPage(tabPanel()->selector()->currentPage());
    setHelpPage(helpPagePath(text::Language::Japanese, QCoreApplication::applicationDirPath()));
    connectCommands();
    new FieldKeys(this, {action(Command::Undo), action(Command::Redo), action(Command::CameraSettings),
                         action(Command::ViewList)});
    new PlainKeys(this, plainKeyActions());
    followEditor();
    setClientSize({1200, 720});
}

MainWindow::~MainWindow() {
    if (m_editor.prompts() == m_prompts.get()) m_editor.setPrompts(nullptr);
}

StatusPanel* MainWindow::statusPanel() const { return m_shell->statusPanel(); }

TabPanel* MainWindow::tabPanel() const { return m_shell->tabPanel(); }

ViewPanel* MainWindow::viewPanel() const { return m_shell->viewPanel(); }

NodePanel* MainWindow::nodePanel() const { return qobject_cast<NodePanel*>(m_shell->nodePanel()); }

MaterialPanel* MainWindow::materialPanel() const { return qobject_cast<MaterialPanel*>(m_shell->materialPanel()); }

HistoryWindow* MainWindow::historyWindow() const { return m_historyWindow.data(); }

void MainWindow::setWindowPlaces(app::WindowPlaces places) { m_placeKeeper->setPlaces(std::move(places)); }

const app::WindowPlaces& MainWindow::windowPlaces() const { return m_placeKeeper->places(); }

void MainWindow::showHistoryList() {
    if (m_historyWindow == nullptr) {
        m_historyWindow = new HistoryWindow(m_editor, this);
        m_historyWindow->setPalette(m_shell->palette());
    }
    m_historyWindow->show();
    m_historyWindow->raise();
    m_historyWindow->activateWindow();
}

void MainWindow::setClientSize(const QSize& size) {
    resize(size.width(), size.height() + menuBar()->sizeHint().height());
}

void MainWindow::createActions() {
    for (const CommandInfo& info : commandTable()) {
        auto* item = new QAction(tr(info.label), this);
        if (*info.shortcut != '\0') {
            item->setShortcut(QKeySequence(QString::fromLatin1(info.shortcut), QKeySequence::PortableText));
            item->setShortcutContext(Qt::WindowShortcut);
        }
        if (info.helpText != nullptr) {
            QString help = tr(info.helpText);
            if (info.helpNamesKey) {
                help = tr("%1(%2)").arg(help, item->shortcut().toString(QKeySequence::NativeText));
            }
            item->setStatusTip(help);
        }
        item->setCheckable(info.checkable);
        // Shortcuts work wherever the window has focus, menus open or not;
        // a focused text field still takes its own editing keys first.
        addAction(item);
        m_actions[static_cast<std::size_t>(info.command)] = item;
    }
}

void MainWindow::createMenus() {
    for (int i = 0; i < kMenuBarCount; ++i) {
        m_menus[static_cast<std::size_t>(i)] = menuBar()->addMenu(tr(menuTitle(static_cast<MenuId>(i))));
    }
    for (const CommandInfo& info : commandTable()) {
        QMenu*& target = m_menus[static_cast<std::size_t>(info.menu)];
        if (target == nullptr) {
            // A submenu stands where its first item is due.
            QMenu* parent = menu(parentMenu(info.menu));
            if (info.separatorBefore) parent->addSeparator();
            target = parent->addMenu(tr(menuTitle(info.menu)));
        } else if (info.command == Command::Exit) {
            // The recent projects stand just above "終了", set off by a separator.
            target->addSeparator();
            m_recent = new RecentFilesMenu(target);
            target->addMenu(m_recent);
            target->addSeparator();
        } else if (info.separatorBefore) {
            target->addSeparator();
        }
        target->addAction(action(info.command));
    }
}

void MainWindow::connectCommands() {
    // The commands that may ask something, or leave this instance, wait
    // for an open question's answer: started meanwhile they do nothing.
    const auto unlessAsking = [this](auto command) {
        return [this, command] {
            if (!m_prompts->isAsking()) command();
        };
    };
    connect(action(Command::New), &QAction::triggered, this,
            unlessAsking([this] { m_editor.document().newProject(); }));
    connect(action(Command::Open), &QAction::triggered, this,
            unlessAsking([this] { m_editor.document().openProject(); }));
    connect(action(Command::Save), &QAction::triggered, this, unlessAsking([this] { m_editor.document().save(); }));
    connect(action(Command::SaveAs), &QAction::triggered, this, unlessAsking([this] { m_editor.document().saveAs(); }));
    connect(action(Command::Revert), &QAction::triggered, this,
            unlessAsking([this] { m_editor.document().revertToSaved(); }));
    // Only a project with a file and unsaved changes has a saved state to go back to.
    action(Command::Revert)->setEnabled(m_editor.document().canRevert());
    connect(&m_editor, &Editor::documentChanged, this,
            [this] { action(Command::Revert)->setEnabled(m_editor.document().canRevert()); });
    connect(action(Command::Exit), &QAction::triggered, this, [this] { close(); });
    connect(action(Command::Undo), &QAction::triggered, this, [this] { m_editor.undo(); });
    connect(action(Command::Redo), &QAction::triggered, this, [this] { m_editor.redo(); });
    connect(action(Command::HistoryList), &QAction::triggered, this, &MainWindow::showHistoryList);
    connect(action(Command::Remake), &QAction::triggered, this, [this] { m_editor.remake(); });
    connect(action(Command::ShowFrame), &QAction::triggered, this,
            [this] { m_editor.viewSettings().toggleFrameDisplay(); });
    connect(action(Command::ShowParticles), &QAction::triggered, this,
            [this] { m_editor.viewSettings().toggleParticleDisplay(); });
    connect(action(Command::ShowFps), &QAction::triggered, this,
            [this] { m_editor.viewSettings().toggleFpsDisplay(); });
    connect(action(Command::ShowTimeline), &QAction::triggered, this,
            [this] { m_editor.viewSettings().toggleTimeline(); });
    connect(action(Command::ShowGrid), &QAction::triggered, this, [this] { m_editor.viewSettings().toggleGrid(); });
    connect(action(Command::ShowAxis), &QAction::triggered, this, [this] { m_editor.viewSettings().toggleAxis(); });
    connect(action(Command::FrameEffect), &QAction::triggered, this, [this] {
        const QWidget* view = viewPanel()->view();
        const QSize size = view != nullptr ? view->size() : viewPanel()->size();
        // A whole pass is simulated for it: a big effect takes a moment.
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        m_editor.viewSettings().frameEffect(static_cast<double>(std::max(1, size.width())) / std::max(1, size.height()));
        QGuiApplication::restoreOverrideCursor();
    });
    connect(action(Command::ResetCamera), &QAction::triggered, this, [this] { m_editor.viewSettings().resetCamera(); });
    connectPlayback();
    connect(action(Command::OnlineHelp), &QAction::triggered, this, &MainWindow::openHelpPage);
    connect(action(Command::Version), &QAction::triggered, this, &MainWindow::showVersion);
    connect(action(Command::ProjectSettings), &QAction::triggered, this, [this] {
        ProjectSettingsDialog dialog(m_editor, this);
        dialog.exec();
    });
    connect(action(Command::BackgroundColor), &QAction::triggered, this,
            [this] { chooseBackgroundColor(m_editor, this); });
    connect(action(Command::CameraSettings), &QAction::triggered, this, &MainWindow::openCameraDialog);
    connect(action(Command::ViewList), &QAction::triggered, this, &MainWindow::openViewList);
    connect(m_recent, &RecentFilesMenu::entryChosen, this, [this](int index) {
        if (!m_prompts->isAsking()) m_editor.document().openRecent(index);
    });
    // data.prm gets the emptied list when the window closes, as it gets any other.
    connect(m_recent, &RecentFilesMenu::clearChosen, this, [this] { m_editor.document().setRecentFiles(RecentFiles{}); });
    connect(viewPanel(), &ViewPanel::filesDropped, this, [this](const QStringList& paths) {
        if (!m_prompts->isAsking()) m_editor.document().openDropped(paths);
    });
}

void MainWindow::connectPlayback() {
    PlaybackController& playback = m_editor.playback();
    connect(action(Command::PlayPause), &QAction::triggered, &playback, &PlaybackController::togglePlaying);
    connect(action(Command::StepForward), &QAction::triggered, &playback, &PlaybackController::stepForward);
    connect(action(Command::StepBack), &QAction::triggered, &playback, &PlaybackController::stepBack);
    connect(action(Command::FirstFrame), &QAction::triggered, &playback, &PlaybackController::jumpToStart);
    connect(action(Command::LastFrame), &QAction::triggered, &playback, &PlaybackController::jumpToEnd);
    auto* speeds = new QActionGroup(this);
    for (const auto& [command, speed] : kSpeedCommands) {
        speeds->addAction(action(command));
        connect(action(command), &QAction::triggered, &playback,
                [&playback, speed = speed] { playback.setSpeed(speed); });
    }
    connect(action(Command::LoopPreview), &QAction::triggered, &playback, &PlaybackController::setLoopPreview);
}

QList<QAction*> MainWindow::plainKeyActions() const {
    QList<QAction*> plain;
    for (const CommandInfo& info : commandTable()) {
        const QKeySequence keys = action(info.command)->shortcut();
        const Qt::KeyboardModifiers held = keys.isEmpty() ? Qt::NoModifier : keys[0].keyboardModifiers();
        if (keys.count() == 1 && !held.testAnyFlags(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
            // Function keys (F1) are no control's own.
            const Qt::Key key = keys[0].key();
            if (key < Qt::Key_F1 || key > Qt::Key_F35) plain << action(info.command);
        }
    }
    return plain;
}

void MainWindow::followPlayback() {
    const PlaybackController& playback = m_editor.playback();
    for (const auto& [command, speed] : kSpeedCommands) action(command)->setChecked(playback.speed() == speed);
    action(Command::LoopPreview)->setChecked(playback.loopPreview());
    // The button offers what a click does: pause while playing, play while paused.
    if (ToolbarButton* button = m_toolbar->button(Command::PlayPause)) button->setAlternate(!playback.isPlaying());
}

void MainWindow::followEditor() {
    setWindowTitle(m_editor.document().titleText());
    m_recent->rebuild(m_editor.document().recentMenuEntries());

    const auto showFlags = [this] {
        const DisplayFlags& flags = m_editor.viewSettings().displayFlags();
        action(Command::ShowFrame)->setChecked(flags.frame);
        action(Command::ShowParticles)->setChecked(flags.particles);
        action(Command::ShowFps)->setChecked(flags.fps);
        action(Command::ShowTimeline)->setChecked(flags.timeline);
        action(Command::ShowGrid)->setChecked(flags.grid);
        action(Command::ShowAxis)->setChecked(flags.axis);
    };
    showFlags();
    followPlayback();
    connect(&m_editor.playback(), &PlaybackController::playbackChanged, this, &MainWindow::followPlayback);

    connect(&m_editor, &Editor::documentChanged, this, [this, showFlags](DocumentChanges what) {
        if (what & DocumentPart::Title) setWindowTitle(m_editor.document().titleText());
        if (what & DocumentPart::Recent) m_recent->rebuild(m_editor.document().recentMenuEntries());
        if (what & DocumentPart::Display) showFlags();
        // Undo and redo rebuild the shown page from the node.
        if (what & DocumentPart::Page) tabPanel()->selector()->reload();
    });

    followHistory(m_editor, action(Command::Undo), action(Command::Redo));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Not while a question is open: its answer decides what happens next.
    if (m_prompts->isAsking()) {
        event->ignore();
        return;
    }
    if (m_editor.document().confirmClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    // The window system's close request reaches the window before the
    // widget: a second one while the first close is still asking would
    // otherwise close the window without a question (Qt treats a close
    // during a close as accepted).
    if (QWindow* handle = windowHandle()) handle->installEventFilter(this);
    QMainWindow::showEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && watched == windowHandle() && m_prompts->isAsking()) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::event(QEvent* event) {
    // A menu item's help goes to the status panel; leaving it keeps the text.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (!tip.isEmpty()) statusPanel()->setHelpText(tip);
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::showVersion() { showVersionBox(this, m_version); }

void MainWindow::openCameraDialog() {
    // Modeless and one at a time: the command brings an open one forward.
    if (m_camera == nullptr) {
        m_camera = new CameraDialog(m_editor, this);
        m_camera->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_camera->show();
    m_camera->raise();
    m_camera->activateWindow();
}

void MainWindow::openViewList() {
    if (m_viewList) {
        m_viewList->raise();
        m_viewList->activateWindow();
        return;
    }
    m_viewList = new ViewListWindow(m_editor, m_colours, this);
    m_viewList->setAttribute(Qt::WA_DeleteOnClose);
    m_viewList->show();
    m_viewList->activateWindow();
}

void MainWindow::openHelpPage() {
    showHelpPage(this, m_helpUrl.isValid() ? m_helpUrl : QUrl::fromLocalFile(m_helpPage), m_openUrl);
}

}  // namespace fg
