// Where the toolbar buttons and the five panels sit, their colours, the tab
// panel's scrolling, the page selector and the help line.

#include <QScrollBar>
#include <QSignalSpy>

#include "UiTestSupport.h"
#include "ui/PageSelector.h"
#include "ui/ShellLayout.h"
#include "ui/StatusPanel.h"
#include "ui/TabPanel.h"
#include "ui/ToolbarArt.h"
#include "ui/ToolbarStrip.h"
#include "ui/ViewPanel.h"

namespace fg {
namespace {

using test::WindowTest;

TEST_F(WindowTest, ToolbarButtonsInOrderWithTheirGaps) {
    const std::vector<ToolbarButton*>& buttons = window->toolbar()->buttons();
    ASSERT_EQ(buttons.size(), 16u);
    // The transport buttons follow the original thirteen, after a gap.
    const std::vector<Command> order{Command::New,         Command::Open,           Command::Save,
                                     Command::Export,      Command::Undo,           Command::Redo,
                                     Command::Remake,      Command::ProjectSettings, Command::CameraSettings,
                                     Command::BackgroundColor, Command::HistoryList, Command::ViewList,
                                     Command::OnlineHelp,  Command::PlayPause,      Command::StepBack,
                                     Command::StepForward};
    const std::vector<int> lefts{0, 48, 96, 168, 240, 288, 360, 432, 480, 528, 600, 648, 720, 792, 840, 888};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i]->command(), order[i]) << i;
        EXPECT_EQ(buttons[i]->geometry(), QRect(lefts[i], 0, 48, 35)) << i;
    }
}

TEST(ToolbarArt, EveryButtonHasItsOwnNormalAndPressedFace) {
    const QImage sheet = drawToolbarSheet();
    ASSERT_EQ(sheet.size(), QSize(816, 70));
    // The 16 buttons and the play/pause button's face while paused.
    for (int i = 0; i <= kToolbarPlayFace; ++i) {
        const QImage normal = toolbarFace(sheet, i, false);
        const QImage pressed = toolbarFace(sheet, i, true);
        EXPECT_EQ(normal.size(), QSize(48, 35));
        EXPECT_NE(normal, pressed) << i;
        if (i > 0) {
            EXPECT_NE(normal, toolbarFace(sheet, i - 1, false)) << i;
        }
    }
    EXPECT_EQ(toolbarStripPattern(sheet).size(), QSize(3, 35));
}

TEST_F(WindowTest, PanelsInTheirPlacesForTheDefaultSize) {
    window->show();
    const ShellLayout* shell = window->shell();
    ASSERT_EQ(shell->size(), QSize(1200, 720));
    EXPECT_EQ(shell->toolbar()->geometry(), QRect(0, 0, 1200, 35));
    EXPECT_EQ(shell->materialPanel()->geometry(), QRect(0, 35, 210, 325));
    EXPECT_EQ(shell->nodePanel()->geometry(), QRect(0, 360, 210, 326));
    EXPECT_EQ(shell->statusPanel()->geometry(), QRect(0, 685, 1200, 35));
    EXPECT_EQ(shell->tabPanel()->geometry(), QRect(948, 35, 252, 650));
    // 1200 − 250 (the tab panel's client width) − 214
    EXPECT_EQ(shell->viewPanel()->geometry(), QRect(210, 35, 736, 648));
    EXPECT_TRUE(shell->tabPanel()->scrollBar()->isHidden());
}

TEST_F(WindowTest, AShortWindowScrollsTheTabPanelAndWidensIt) {
    window->show();
    window->setClientSize({1000, 600});
    const ShellLayout* shell = window->shell();
    ASSERT_EQ(shell->size(), QSize(1000, 600));
    TabPanel* tab = shell->tabPanel();
    EXPECT_EQ(tab->geometry(), QRect(1000 - 266, 35, 266, 530));
    EXPECT_EQ(shell->viewPanel()->geometry(), QRect(210, 35, 1000 - 264 - 214, 528));
    QScrollBar* bar = tab->scrollBar();
    ASSERT_FALSE(bar->isHidden());
    EXPECT_EQ(bar->geometry(), QRect(1 + 250, 1, 14, 528));
    EXPECT_EQ(bar->maximum(), 630 - 530);

    EXPECT_EQ(tab->selector()->pos(), QPoint(1 + 222, 1));
    bar->setValue(60);
    EXPECT_EQ(tab->selector()->pos(), QPoint(1 + 222, 1 - 60));
    EXPECT_EQ(tab->pageArea()->geometry(), QRect(1, 1 - 60, 222, 630));
    bar->setValue(1000);  // clamps
    EXPECT_EQ(tab->selector()->pos(), QPoint(1 + 222, 1 - 100));

    // Tall enough again: no bar, no offset.
    window->setClientSize({1000, 720});
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(tab->width(), 252);
    EXPECT_EQ(tab->selector()->pos(), QPoint(1 + 222, 1));
}

TEST_F(WindowTest, PanelsArePaintedInTheColourScheme) {
    const QPalette palette = window->shell()->palette();
    EXPECT_EQ(palette.color(QPalette::Window), QColor(40, 40, 40));
    EXPECT_EQ(palette.color(QPalette::Base), QColor(70, 70, 70));
    EXPECT_EQ(palette.color(QPalette::Highlight), QColor(44, 70, 144));
    EXPECT_EQ(window->statusPanel()->palette().color(QPalette::Window), QColor(40, 40, 40));
    EXPECT_EQ(window->shell()->nodePanel()->palette().color(QPalette::Base), QColor(70, 70, 70));

    // A scheme of the user's own reaches the panels.
    MainWindow other(*editor, PanelColours{QColor(10, 20, 30), QColor(1, 2, 3), QColor(200, 0, 0)});
    const QImage status = other.statusPanel()->grab().toImage();
    EXPECT_EQ(QColor(status.pixel(10, 10)), QColor(10, 20, 30));
    EXPECT_EQ(other.tabPanel()->palette().color(QPalette::Highlight), QColor(200, 0, 0));
}

TEST_F(WindowTest, TheHelpLineDescribesTheControlUnderTheMouse) {
    showActive();
    StatusPanel* status = window->statusPanel();
    ToolbarButton* remake = window->toolbar()->button(Command::Remake);
    QTest::mouseMove(remake, QPoint(10, 10));
    EXPECT_EQ(status->helpText(), QString("設定をそのままにエフェクトを作り直す。"));
    QTest::mouseMove(window->toolbar()->button(Command::New), QPoint(10, 10));
    EXPECT_EQ(status->helpText(), QString("新しくエフェクトを作成する。"));

    // Over the help line itself the text stays.
    QTest::mouseMove(status, QPoint(300, 10));
    EXPECT_EQ(status->helpText(), QString("新しくエフェクトを作成する。"));
    // A control without a text clears it.
    QTest::mouseMove(window->tabPanel()->selector()->tab(Page::Kill), QPoint(5, 5));
    EXPECT_EQ(status->helpText(), QString());

    // So does the bare strip behind the buttons, reached from a button.
    QTest::mouseMove(remake, QPoint(10, 10));
    QTest::mouseMove(window->toolbar(), QPoint(1000, 10));
    QCoreApplication::processEvents();
    EXPECT_EQ(status->helpText(), QString());
    // From one button straight to the next: the next one's text.
    QTest::mouseMove(remake, QPoint(47, 10));
    QTest::mouseMove(window->toolbar()->button(Command::ProjectSettings), QPoint(1, 10));
    QCoreApplication::processEvents();
    EXPECT_EQ(status->helpText(), QString("「プロジェクトの設定」ダイアログを表示。"));
}

TEST(ToolbarHelp, EveryButtonOfTheTableHasItsText) {
    const std::vector<std::pair<Command, const char*>> expected{
        {Command::New, "新しくエフェクトを作成する。"},
        {Command::Open, "エフェクトを開く。"},
        {Command::Save, "上書き保存する。"},
        {Command::Export, "画像ファイルに書き出し。"},
        {Command::OnlineHelp, "オンラインヘルプ"},
        {Command::ProjectSettings, "「プロジェクトの設定」ダイアログを表示。"},
        {Command::Undo, "元に戻す。"},
        {Command::HistoryList, "「履歴リスト」を表示。"},
        {Command::Redo, "やりなおし。"},
        {Command::CameraSettings, "「カメラの設定」ダイアログを表示。"},
        {Command::BackgroundColor, "「背景色の設定」ダイアログを表示。"},
        {Command::ViewList, "「視点リスト」を表示。"},
        {Command::Remake, "設定をそのままにエフェクトを作り直す。"},
    };
    for (const auto& [command, text] : expected) EXPECT_STREQ(commandInfo(command).helpText, text);
    for (int i = 0; i < kCommandCount; ++i) EXPECT_EQ(commandTable()[static_cast<std::size_t>(i)].command, Command(i));
}

TEST_F(WindowTest, PageSelectorChoosesAndReloadsPages) {
    PageSelector* selector = window->tabPanel()->selector();
    QStringList captions;
    for (int i = 0; i < kPageCount; ++i) {
        PageTab* tab = selector->tab(static_cast<Page>(i));
        captions << tab->text();
        EXPECT_EQ(tab->geometry(), QRect(0, 6 + 68 * i, 24, 68));
    }
    EXPECT_EQ(captions, (QStringList{"発生源", "発生", "消滅", "形状", "画像", "色", "移動", "回転", "サイズ"}));
    EXPECT_EQ(selector->currentPage(), Page::Spawn);
    EXPECT_TRUE(selector->tab(Page::Spawn)->isCurrent());

    QSignalSpy chosen(selector, &PageSelector::pageChosen);
    QTest::mouseClick(selector->tab(Page::Color), Qt::LeftButton);
    EXPECT_EQ(selector->currentPage(), Page::Color);
    EXPECT_TRUE(selector->tab(Page::Color)->isCurrent());
    EXPECT_FALSE(selector->tab(Page::Spawn)->isCurrent());
    // The current tab again rebuilds the page; undo and redo do the same.
    QTest::mouseClick(selector->tab(Page::Color), Qt::LeftButton);
    emit editor->documentChanged(DocumentPart::Page);
    ASSERT_EQ(chosen.count(), 3);
    for (const QList<QVariant>& call : chosen) EXPECT_EQ(call.at(0).value<Page>(), Page::Color);
}

}  // namespace
}  // namespace fg
