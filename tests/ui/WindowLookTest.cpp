// How the editor's windows look and size themselves: one colour scheme for
// the main window and every dialog, titles that fit their title bars, the
// main window's smallest size, the panels' scrollbars, wheel steps from
// touchpads, and the help page.

#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTranslator>
#include <QWheelEvent>

#include "UiTestSupport.h"
#include "model/NodeFields.h"
#include "persistence/TempDir.h"
#include "text/Language.h"
#include "ui/HelpPage.h"
#include "ui/HistoryWindow.h"
#include "ui/ListPanel.h"
#include "ui/MaterialPanel.h"
#include "ui/NodePanel.h"
#include "ui/PageSelector.h"
#include "ui/PanelColours.h"
#include "ui/ShellLayout.h"
#include "ui/StatusPanel.h"
#include "ui/TabPanel.h"
#include "ui/ToolbarStrip.h"
#include "ui/ViewPanel.h"
#include "ui/dialogs/CameraDialog.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/ProjectSettingsDialog.h"

namespace fg {
namespace {

using test::WindowTest;

const PanelColours kScheme{QColor(10, 20, 30), QColor(1, 2, 3), QColor(200, 0, 0)};

// Makes kScheme the application's for one test and puts the old look back.
class SchemeApplied {
public:
    SchemeApplied() : m_palette(QApplication::palette()), m_style(QApplication::style()->name()) {
        applyApplicationColours(kScheme);
    }
    ~SchemeApplied() {
        QApplication::setStyle(m_style);
        QApplication::setPalette(m_palette);
    }

private:
    QPalette m_palette;
    QString m_style;
};

void expectScheme(QWidget& widget, const char* what) {
    widget.ensurePolished();
    EXPECT_EQ(widget.palette().color(QPalette::Window), kScheme.window) << what;
    EXPECT_EQ(widget.palette().color(QPalette::WindowText), QColor(Qt::white)) << what;
    // Drawn so: the corner of the rendered window is the scheme's background.
    widget.resize(widget.sizeHint().expandedTo(QSize(200, 100)));
    const QImage picture = widget.grab().toImage();
    EXPECT_EQ(picture.pixelColor(1, 1), kScheme.window) << what;
}

TEST_F(WindowTest, EveryDialogTakesTheMainWindowsColourScheme) {
    const SchemeApplied applied;
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    expectScheme(box, "message box");
    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    expectScheme(files, "file dialog");
    QColorDialog colours;
    colours.setOption(QColorDialog::DontUseNativeDialog);
    expectScheme(colours, "colour dialog");
    ProjectSettingsDialog project(*editor);
    expectScheme(project, "project settings");
    CameraDialog camera(*editor);
    expectScheme(camera, "camera settings");
    EXPECT_EQ(QApplication::palette().color(QPalette::Base), kScheme.client);
    EXPECT_EQ(QApplication::palette().color(QPalette::Highlight), kScheme.cursor);
}

// At least the title in the bold face title bars use, and room for the
// window manager's buttons.
void expectTitleFits(QWidget& dialog) {
    dialog.show();
    dialog.resize(10, dialog.height());
    QCoreApplication::processEvents();
    QFont bold = dialog.font();
    bold.setBold(true);
    const int title = QFontMetrics(bold).horizontalAdvance(dialog.windowTitle());
    EXPECT_GE(dialog.width(), title + 100) << dialog.windowTitle().toStdString();
    EXPECT_GE(dialog.width(), titleBarWidth(dialog.windowTitle(), dialog.font()));
    dialog.close();
}

void expectSettingsTitlesFit(Editor& editor) {
    ProjectSettingsDialog project(editor);
    expectTitleFits(project);
    CameraDialog camera(editor);
    expectTitleFits(camera);
}

TEST_F(WindowTest, SettingsDialogsAreWideEnoughForTheirTitlesInBothLanguages) {
    expectSettingsTitlesFit(*editor);
    const std::unique_ptr<QTranslator> english = text::installLanguage(text::Language::English);
    ASSERT_NE(english, nullptr);
    expectSettingsTitlesFit(*editor);
}

TEST_F(WindowTest, TheMainWindowStopsAtASizeWhereEveryPanelIsUsable) {
    window->show();
    window->resize(300, 200);
    QCoreApplication::processEvents();
    const ShellLayout* shell = window->shell();
    EXPECT_EQ(shell->size(), QSize(ShellLayout::kMinimumWidth, ShellLayout::kMinimumHeight));
    EXPECT_GE(window->width(), ShellLayout::kMinimumWidth);

    const QRect material = shell->materialPanel()->geometry();
    const QRect node = shell->nodePanel()->geometry();
    const QRect tab = shell->tabPanel()->geometry();
    const QRect view = shell->viewPanel()->geometry();
    const QRect status = shell->statusPanel()->geometry();
    EXPECT_GT(view.width(), 0);
    EXPECT_GT(view.height(), 0);
    for (const QRect& left : {material, node}) {
        EXPECT_FALSE(left.intersects(tab));
        EXPECT_FALSE(left.intersects(view));
    }
    EXPECT_FALSE(view.intersects(tab));
    EXPECT_FALSE(tab.intersects(status));
    EXPECT_FALSE(view.intersects(status));
    // The page selector stays inside the tab panel, clear of the view.
    EXPECT_GE(shell->tabPanel()->mapTo(shell, shell->tabPanel()->selector()->pos()).x(), view.right());
    // Every button of the original toolbar shows (the transport buttons
    // after them need a wider window; their keys and menu items remain);
    // each list shows a few rows.
    for (const ToolbarButton* button : window->toolbar()->buttons()) {
        if (button->command() == Command::PlayPause) break;
        EXPECT_LE(button->geometry().right(), shell->width()) << button->geometry().x();
    }
    EXPECT_GE(material.height() - ListPanel::kListTop, 3 * 33);
    EXPECT_GE(node.height() - ListPanel::kListTop, 3 * NodePanel::kRowHeight);
}

// Whether the bar draws step arrows: their rectangles in its own style.
bool hasArrows(QScrollBar* bar) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Vertical;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.pageStep = bar->pageStep();
    option.rect = QRect(0, 0, 14, 300);
    const QRect down = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, bar);
    const QRect up = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSubLine, bar);
    return down.height() > 0 || up.height() > 0;
}

TEST_F(WindowTest, PanelScrollbarsShowOnlyWhileTheListDoesNotFit) {
    window->show();
    NodePanel* nodes = window->nodePanel();
    QScrollBar* bar = nodes->scrollBar();
    ASSERT_TRUE(editor->addChild().done());
    EXPECT_TRUE(bar->isHidden()) << "two rows fit";
    EXPECT_FALSE(hasArrows(bar));
    EXPECT_EQ(bar->width(), 14);

    // Nine rows (a node's most children) outgrow a short window's list.
    window->setClientSize({1000, 420});
    for (int i = 0; i < 7; ++i) ASSERT_TRUE(editor->addBelow().done());
    ASSERT_GT(static_cast<int>(nodes->rows().size()) * NodePanel::kRowHeight, nodes->height() - ListPanel::kListTop);
    EXPECT_FALSE(bar->isHidden());
    bar->setValue(bar->maximum());
    for (int i = 0; i < 100 && nodes->rows().size() > 2; ++i) editor->undo();
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(nodes->scrollOffset(), 0);

    EXPECT_TRUE(window->materialPanel()->scrollBar()->isHidden());
    EXPECT_FALSE(hasArrows(window->tabPanel()->scrollBar()));
    window->showHistoryList();
    EXPECT_TRUE(window->historyWindow()->scrollBar()->isHidden());
    EXPECT_FALSE(hasArrows(window->historyWindow()->scrollBar()));
}

QWheelEvent wheel(QWidget* target, int angle) {
    const QPointF at(50, 100);
    return QWheelEvent(at, target->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
}

void turn(QWidget* target, int angle, int times) {
    for (int i = 0; i < times; ++i) {
        QWheelEvent event = wheel(target, angle);
        QApplication::sendEvent(target, &event);
    }
}

TEST_F(WindowTest, SmallWheelStepsAddUpToWholeRows) {
    window->show();
    // Edits of two fields in turn do not merge: one entry each.
    const NodeField& span = *findNodeField("m_kill.span");
    const NodeField& size = *findNodeField("m_scale.max");
    for (int i = 0; i < 40; ++i) editor->editInt(i % 2 == 0 ? span : size, 100 + i);
    window->showHistoryList();
    HistoryWindow* history = window->historyWindow();
    history->resize(240, 200);
    history->scrollBar()->setValue(0);
    ASSERT_GE(history->scrollBar()->maximum(), 2 * HistoryWindow::kRowHeight);
    // A touchpad's thirds of a notch: three make one row.
    turn(history, -40, 2);
    EXPECT_EQ(history->scrollOffset(), 0);
    turn(history, -40, 1);
    EXPECT_EQ(history->scrollOffset(), HistoryWindow::kRowHeight);
    // A mouse notch is still one row.
    turn(history, 120, 1);
    EXPECT_EQ(history->scrollOffset(), 0);

    NodePanel* nodes = window->nodePanel();
    window->setClientSize({1000, 420});
    for (int i = 0; i < 8; ++i) ASSERT_TRUE(editor->addBelow().done());
    ASSERT_GE(nodes->scrollBar()->maximum(), 2 * NodePanel::kRowHeight);
    nodes->scrollBar()->setValue(0);
    turn(nodes, -40, 3);
    EXPECT_EQ(nodes->scrollOffset(), NodePanel::kRowHeight);
    // Turning back drops what was left of the other direction.
    turn(nodes, -40, 2);
    turn(nodes, 40, 3);
    EXPECT_EQ(nodes->scrollOffset(), 0);
}

QString readPage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

TEST(HelpPage, FoundInTheBuildTreeInBothLanguages) {
    const QString japanese = helpPagePath(text::Language::Japanese, QStringLiteral(FULGRANE3D_EDITOR_DIR));
    const QString english = helpPagePath(text::Language::English, QStringLiteral(FULGRANE3D_EDITOR_DIR));
    EXPECT_TRUE(japanese.endsWith(QStringLiteral("/help/index_ja.html"))) << japanese.toStdString();
    EXPECT_TRUE(english.endsWith(QStringLiteral("/help/index_en.html"))) << english.toStdString();
    // The views, the pages, the curve window, export and the shortcuts.
    const QString ja = readPage(japanese);
    for (const char* heading : {"3D ビュー", "パラメータのページ", "グラフウィンドウ", "書き出し", "ショートカットキー"}) {
        EXPECT_TRUE(ja.contains(QString::fromUtf8(heading))) << heading;
    }
    const QString en = readPage(english);
    for (const char* heading : {"The 3D view", "The parameter pages", "The curve window", "Export", "Keyboard shortcuts"}) {
        EXPECT_TRUE(en.contains(QString::fromUtf8(heading))) << heading;
    }
}

TEST(HelpPage, FoundInTheInstallTreeBesideTheProgramsFolder) {
    test::TempDir prefix;
    const QString root = QString::fromStdString(prefix.path().string());
    const QString bin = root + QStringLiteral("/bin");
    const QString installed = root + QStringLiteral("/share/fulgrane3d/help/index_en.html");
    // Missing: the place it belongs, for the message.
    EXPECT_EQ(helpPagePath(text::Language::English, bin), installed);
    ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("/share/fulgrane3d/help")) && QDir().mkpath(bin));
    QFile page(installed);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    EXPECT_EQ(helpPagePath(text::Language::English, bin), installed);
    EXPECT_EQ(helpPagePath(text::Language::Japanese, bin), root + QStringLiteral("/share/fulgrane3d/help/index_ja.html"));
}

TEST_F(WindowTest, F1OpensTheLocalHelpPage) {
    const QString page = helpPagePath(text::Language::Japanese, QStringLiteral(FULGRANE3D_EDITOR_DIR));
    window->setHelpPage(page);
    QList<QUrl> opened;
    window->setUrlOpener([&](const QUrl& url) {
        opened << url;
        return true;
    });
    showActive();
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(opened, QList<QUrl>{QUrl::fromLocalFile(page)});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(WindowTest, WithoutABrowserAMessageSaysWhereTheHelpPageIs) {
    const QString page = helpPagePath(text::Language::Japanese, QStringLiteral(FULGRANE3D_EDITOR_DIR));
    window->setHelpPage(page);
    int tries = 0;
    window->setUrlOpener([&](const QUrl&) {
        ++tries;
        return false;
    });
    QString told;
    test::answerNextModal([&](QWidget* modal) {
        EXPECT_EQ(modal->objectName(), QStringLiteral("helpPageMessage"));
        told = static_cast<QMessageBox*>(modal)->text();
        static_cast<QMessageBox*>(modal)->accept();
    });
    window->action(Command::OnlineHelp)->trigger();
    EXPECT_EQ(tries, 1);
    EXPECT_TRUE(told.contains(page)) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("ブラウザ"))) << told.toStdString();

    // A page that is not there is named as well, without trying a browser.
    window->setHelpPage(QStringLiteral("/nowhere/help/index_ja.html"));
    test::answerNextModal([&](QWidget* modal) {
        told = static_cast<QMessageBox*>(modal)->text();
        static_cast<QMessageBox*>(modal)->accept();
    });
    window->action(Command::OnlineHelp)->trigger();
    EXPECT_EQ(tries, 1);
    EXPECT_TRUE(told.contains(QStringLiteral("/nowhere/help/index_ja.html"))) << told.toStdString();
}

}  // namespace
}  // namespace fg
