// Every button of the main window names what it does in a tool tip: the
// toolbar with the command's label and key, the panel buttons and the page
// controls with their status-line help.

#include <QAbstractButton>
#include <QAction>

#include "UiTestSupport.h"
#include "ui/HoverHelp.h"
#include "ui/MaterialPanel.h"
#include "ui/NodePanel.h"
#include "ui/PageSelector.h"
#include "ui/PanelButtons.h"
#include "ui/TabPanel.h"
#include "ui/ToolbarStrip.h"

namespace fg {
namespace {

using test::WindowTest;

QString describe(const QAbstractButton* button) {
    return QString::fromLatin1(button->metaObject()->className()) + QLatin1Char(' ') + button->objectName() +
           QLatin1Char(' ') + button->text() + QLatin1Char(' ') + HoverHelp::helpText(button);
}

// A blank slot of a panel's button row does nothing and says nothing.
bool isBlankSlot(const QAbstractButton* button) {
    const auto* slot = qobject_cast<const PanelButton*>(button);
    return slot != nullptr && slot->picture() == ButtonPicture::Empty;
}

TEST(ToolTipText, DropsTheMnemonicAndAddsTheKey) {
    EXPECT_EQ(HoverHelp::toolTipText(QStringLiteral("名前を付けて保存(&A)"), QKeySequence(QStringLiteral("Ctrl+Shift+S"))),
              QString("名前を付けて保存 (Ctrl+Shift+S)"));
    EXPECT_EQ(HoverHelp::toolTipText(QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S)),
              QString("Save (Ctrl+S)"));
    EXPECT_EQ(HoverHelp::toolTipText(QStringLiteral("元に戻す: A&&B")), QString("元に戻す: A&B"));
    EXPECT_EQ(HoverHelp::toolTipText(QStringLiteral("ノードを削除する。")), QString("ノードを削除する。"));
    // Nothing to say: no tip, not a lone key.
    EXPECT_EQ(HoverHelp::toolTipText(QString(), QKeySequence(Qt::Key_Delete)), QString());
}

TEST_F(WindowTest, EveryButtonOfTheWindowHasATip) {
    window->show();
    PageSelector* selector = window->tabPanel()->selector();
    int walked = 0;
    // The pages are made when chosen: each one is walked.
    for (int page = 0; page < kPageCount; ++page) {
        selector->choose(static_cast<Page>(page));
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            // Qt's own parts (the menu bar's overflow arrow) are not ours to name.
            if (button->objectName().startsWith(QStringLiteral("qt_"))) continue;
            ++walked;
            if (isBlankSlot(button)) {
                EXPECT_TRUE(button->toolTip().isEmpty()) << describe(button).toStdString();
            } else {
                EXPECT_FALSE(button->toolTip().isEmpty()) << describe(button).toStdString();
            }
        }
    }
    // The toolbar, two rows of eight, nine tabs and the pages' own.
    EXPECT_GT(walked, kPageCount * (kToolbarButtonCount + 16 + kPageCount));
}

TEST_F(WindowTest, ButtonTipsNameTheHelpAndTheKey) {
    // The toolbar: the command with its key; Undo names the entry it undoes.
    EXPECT_EQ(window->toolbar()->button(Command::Save)->toolTip(), QString("上書き保存 (Ctrl+S)"));
    EXPECT_EQ(window->toolbar()->button(Command::HistoryList)->toolTip(), QString("履歴リスト (Ctrl+H)"));
    // A panel button: its status-line help, with the list's key where it has one.
    EXPECT_EQ(window->nodePanel()->button(0)->toolTip(), QString("下にノードを追加する。"));
    EXPECT_EQ(window->nodePanel()->button(3)->toolTip(),
              QString("ノードを削除する。 (%1)").arg(QKeySequence(Qt::Key_Delete).toString(QKeySequence::NativeText)));
    EXPECT_EQ(window->materialPanel()->button(1)->toolTip(), QString("素材を削除する。"));
    EXPECT_EQ(HoverHelp::helpText(window->materialPanel()->button(1)), QString("素材を削除する。"));
    EXPECT_EQ(window->tabPanel()->selector()->tab(Page::Color)->toolTip(), QString("色"));
    // A curve without help on its page is named by its curve.
    window->tabPanel()->selector()->choose(Page::Size);
    const auto* width = window->findChild<QAbstractButton*>(QStringLiteral("curve0"));
    ASSERT_NE(width, nullptr);
    EXPECT_TRUE(HoverHelp::helpText(width).isEmpty());
    EXPECT_EQ(width->toolTip(), QString("サイズ【幅】"));
}

}  // namespace
}  // namespace fg
