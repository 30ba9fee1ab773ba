// The main window's menus, shortcuts, title, recent-files menu and view
// toggles, on real widgets.

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStatusTipEvent>

#include "UiTestSupport.h"
#include "app/ProgramSettings.h"
#include "persistence/Ini.h"
#include "ui/RecentFilesMenu.h"
#include "ui/StatusPanel.h"
#include "ui/TabPanel.h"

namespace fg {
namespace {

using test::WindowTest;

// What a menu shows: item labels, "-" for a separator, "> title" for a submenu.
QStringList itemsOf(const QMenu* menu) {
    QStringList items;
    for (const QAction* item : menu->actions()) {
        if (item->isSeparator()) {
            items << QStringLiteral("-");
        } else if (item->menu() != nullptr) {
            items << QStringLiteral("> ") + item->text();
        } else {
            items << item->text();
        }
    }
    return items;
}

TEST_F(WindowTest, FourMenusWithEveryCommandInOrder) {
    QStringList titles;
    for (const QAction* top : window->menuBar()->actions()) titles << top->text();
    EXPECT_EQ(titles, (QStringList{"ファイル(&F)", "編集(&E)", "表示(&V)", "ヘルプ(&H)"}));

    EXPECT_EQ(itemsOf(window->menu(MenuId::File)),
              (QStringList{"新規作成(&N)", "開く(&O)", "-", "上書き保存(&S)", "名前を付けて保存(&A)",
                           "元に戻す（保存時の状態）(&R)", "-",
                           "書き出し(&W)", "-", "> 最近使ったファイル(&F)", "-", "終了(&E)"}));
    EXPECT_EQ(itemsOf(window->menu(MenuId::Edit)),
              (QStringList{"元に戻す(&U)", "やりなおし(&R)", "-", "リメイク(&M)", "-", "プロジェクトの設定(&P)",
                           "背景色の設定(&B)", "カメラの設定(&C)"}));
    EXPECT_EQ(itemsOf(window->menu(MenuId::View)),
              (QStringList{"現在のフレーム(&F)", "現在のパーティクル数(&P)", "現在のFPS(&S)", "-", "履歴リスト(&H)",
                           "視点リスト(&V)", "-", "> 再生(&A)", "タイムライン(&T)", "-", "グリッド(&G)", "軸(&X)",
                           "-", "エフェクト全体を表示(&E)", "カメラをリセット(&R)"}));
    const QMenu* playback = window->menu(MenuId::Playback);
    ASSERT_NE(playback, nullptr);
    EXPECT_EQ(playback->menuAction(), window->menu(MenuId::View)->actions()[7]);
    EXPECT_EQ(itemsOf(playback),
              (QStringList{"再生/一時停止(&P)", "1フレーム進む(&N)", "1フレーム戻る(&B)", "最初のフレームへ(&H)",
                           "最後のフレームへ(&E)", "-", "再生速度 ¼×(&1)", "再生速度 ½×(&2)", "再生速度 1×(&3)",
                           "再生速度 2×(&4)", "-", "ループ再生(&L)"}));
    EXPECT_EQ(itemsOf(window->menu(MenuId::Help)),
              (QStringList{"オンライン情報交換(&H)", "-", "アップデート確認(&U)", "バージョン情報(&V)"}));
}

TEST_F(WindowTest, ShortcutsAsTheMenuShowsThem) {
    const std::vector<std::pair<Command, QKeySequence>> expected{
        {Command::New, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {Command::Open, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {Command::Save, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {Command::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {Command::Revert, QKeySequence()},
        {Command::Export, QKeySequence(Qt::CTRL | Qt::Key_W)},
        {Command::Exit, QKeySequence(Qt::ALT | Qt::Key_F4)},
        {Command::Undo, QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {Command::Redo, QKeySequence(Qt::CTRL | Qt::Key_Y)},
        {Command::Remake, QKeySequence(Qt::CTRL | Qt::Key_R)},
        {Command::ProjectSettings, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {Command::BackgroundColor, QKeySequence(Qt::CTRL | Qt::Key_B)},
        {Command::CameraSettings, QKeySequence(Qt::CTRL | Qt::Key_C)},
        {Command::ShowFrame, QKeySequence(Qt::CTRL | Qt::Key_F)},
        {Command::ShowParticles, QKeySequence(Qt::CTRL | Qt::Key_T)},
        {Command::ShowFps, QKeySequence(Qt::CTRL | Qt::Key_L)},
        {Command::HistoryList, QKeySequence(Qt::CTRL | Qt::Key_H)},
        {Command::ViewList, QKeySequence(Qt::CTRL | Qt::Key_V)},
        {Command::PlayPause, QKeySequence(Qt::Key_Space)},
        {Command::StepForward, QKeySequence(Qt::Key_Period)},
        {Command::StepBack, QKeySequence(Qt::Key_Comma)},
        {Command::FirstFrame, QKeySequence(Qt::Key_Home)},
        {Command::LastFrame, QKeySequence(Qt::Key_End)},
        {Command::SpeedQuarter, QKeySequence()},
        {Command::SpeedHalf, QKeySequence()},
        {Command::SpeedNormal, QKeySequence()},
        {Command::SpeedDouble, QKeySequence()},
        {Command::LoopPreview, QKeySequence()},
        {Command::ShowTimeline, QKeySequence()},
        {Command::ShowGrid, QKeySequence()},
        {Command::ShowAxis, QKeySequence()},
        {Command::FrameEffect, QKeySequence(Qt::Key_F)},
        {Command::ResetCamera, QKeySequence(Qt::SHIFT | Qt::Key_F)},
        {Command::OnlineHelp, QKeySequence(Qt::Key_F1)},
        {Command::CheckUpdate, QKeySequence()},
        {Command::Version, QKeySequence()},
    };
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(kCommandCount));
    for (const auto& [command, keys] : expected) {
        QAction* item = window->action(command);
        EXPECT_EQ(item->shortcut(), keys) << item->text().toStdString();
        EXPECT_EQ(item->shortcutContext(), Qt::WindowShortcut);
        // Ctrl+A stays select-all.
        EXPECT_NE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    }
}

TEST_F(WindowTest, ShortcutsRunTheirCommands) {
    showActive();
    editor->changeDocument({}, [](EditorState& g) { g.project.randomSeed = 3; });
    QTest::keyClick(window->tabPanel(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(editor->state().project.randomSeed, 4);

    QSignalSpy camera(window->action(Command::CameraSettings), &QAction::triggered);
    QSignalSpy views(window->action(Command::ViewList), &QAction::triggered);
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(camera.count(), 1);
    EXPECT_EQ(views.count(), 1);

    QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(editor->viewSettings().displayFlags().particles);
}

TEST_F(WindowTest, ToolbarButtonsRunTheirCommands) {
    QSignalSpy exports(window->action(Command::Export), &QAction::triggered);
    auto buttons = window->findChildren<QAbstractButton*>();
    editor->changeDocument({}, [](EditorState& g) { g.project.randomSeed = 10; });
    for (QAbstractButton* button : buttons) {
        if (button->toolTip().startsWith(QStringLiteral("リメイク")) ||
            button->toolTip().startsWith(QStringLiteral("書き出し"))) {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
    EXPECT_EQ(editor->state().project.randomSeed, 11);
    EXPECT_EQ(exports.count(), 1);
}

TEST_F(WindowTest, TitleFollowsTheEditor) {
    EXPECT_EQ(window->windowTitle(), QString("無題.nbx - Fulgrane3D"));
    editor->setModified(true);
    EXPECT_EQ(window->windowTitle(), QString("無題.nbx* - Fulgrane3D"));
    ASSERT_TRUE(editor->document().saveTo(home.file("炎.nbx")));
    EXPECT_EQ(window->windowTitle(), QString("炎.nbx - Fulgrane3D"));
}

TEST_F(WindowTest, RecentMenuListsTheProjectsNewestFirst) {
    RecentFilesMenu* recent = window->recentMenu();
    EXPECT_TRUE(recent->actions().isEmpty());
    EXPECT_FALSE(recent->isEnabled());

    ASSERT_TRUE(editor->document().saveTo(home.file("a.nbx")));
    ASSERT_TRUE(editor->document().saveTo(home.file("b&c.nbx")));
    ASSERT_TRUE(editor->document().saveTo(home.file("a.nbx")));
    const QString a = QString::fromStdString(home.file("a.nbx"));
    const QString bc = QString::fromStdString(home.file("b&c.nbx"));
    EXPECT_TRUE(recent->isEnabled());
    // Numbered for the keyboard; an "&" in a path is shown, not taken as a mnemonic.
    EXPECT_EQ(itemsOf(recent),
              (QStringList{"&1 " + a, "&2 " + QString(bc).replace("&", "&&"), "-", "最近使ったファイルの一覧を消去"}));

    // Choosing the second entry opens it in place.
    recent->actions().at(1)->trigger();
    EXPECT_EQ(editor->state().fileName, bc.toStdString());
    EXPECT_EQ(itemsOf(recent),
              (QStringList{"&1 " + QString(bc).replace("&", "&&"), "&2 " + a, "-", "最近使ったファイルの一覧を消去"}));
    EXPECT_EQ(window->windowTitle(), QString("b&c.nbx - Fulgrane3D"));
}

TEST_F(WindowTest, RecentEntriesAreNumberedOneToTen) {
    for (int i = 0; i < 11; ++i) ASSERT_TRUE(editor->document().saveTo(home.file("p" + std::to_string(i) + ".nbx")));
    const QList<QAction*>& entries = window->recentMenu()->entries();
    ASSERT_EQ(entries.size(), 10);
    // Newest first: p10 is 1, p1 the tenth; p0 has dropped out.
    EXPECT_EQ(entries.at(0)->text(), "&1 " + QString::fromStdString(home.file("p10.nbx")));
    EXPECT_EQ(entries.at(8)->text(), "&9 " + QString::fromStdString(home.file("p2.nbx")));
    EXPECT_EQ(entries.at(9)->text(), "1&0 " + QString::fromStdString(home.file("p1.nbx")));
}

TEST_F(WindowTest, ClearingTheRecentListEmptiesTheMenuAndDataPrm) {
    ASSERT_TRUE(editor->document().saveTo(home.file("a.nbx")));
    ASSERT_TRUE(editor->document().saveTo(home.file("b.nbx")));
    RecentFilesMenu* recent = window->recentMenu();
    // The submenu of the File menu, driven by its own keys.
    QMenu* file = window->menu(MenuId::File);
    QAction* submenu = recent->menuAction();
    ASSERT_TRUE(file->actions().contains(submenu));
    QAction* clear = recent->actions().last();
    EXPECT_EQ(clear->text(), QString("最近使ったファイルの一覧を消去"));
    EXPECT_TRUE(clear->isEnabled());
    EXPECT_TRUE(recent->actions().at(recent->actions().size() - 2)->isSeparator());

    showActive();
    recent->popup(window->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(recent));
    // Up from the top wraps to the last item.
    QTest::keyClick(recent, Qt::Key_Up);
    EXPECT_EQ(recent->activeAction(), clear);
    QTest::keyClick(recent, Qt::Key_Return);
    EXPECT_FALSE(recent->isVisible());

    EXPECT_TRUE(editor->document().recentMenuEntries().isEmpty());
    EXPECT_TRUE(recent->entries().isEmpty());
    EXPECT_FALSE(recent->isEnabled());
    EXPECT_FALSE(recent->clearAction()->isEnabled());
    // The project is still the one open; the list alone went.
    EXPECT_EQ(editor->state().fileName, home.file("b.nbx"));

    // The next write of data.prm keeps ten empty slots, in the same keys.
    const std::filesystem::path dataPrm = home.file("data.prm");
    ASSERT_TRUE(app::saveClosingSettings(dataPrm, {}, {}, editor->document().recentFiles()));
    const auto stored = readIniFile(dataPrm, IniEncoding::Utf8);
    ASSERT_TRUE(stored.has_value());
    for (int i = 0; i < 10; ++i) EXPECT_EQ(stored->getString("RECENT", "list" + std::to_string(i), "?"), "-") << i;

    // A later save starts the list afresh.
    ASSERT_TRUE(editor->document().saveTo(home.file("c.nbx")));
    EXPECT_EQ(itemsOf(recent), (QStringList{"&1 " + QString::fromStdString(home.file("c.nbx")), "-",
                                            "最近使ったファイルの一覧を消去"}));
    EXPECT_TRUE(recent->clearAction()->isEnabled());
}

TEST_F(WindowTest, AMissingRecentFileIsRemovedWhenTheUserSaysYes) {
    ASSERT_TRUE(editor->document().saveTo(home.file("gone.nbx")));
    ASSERT_TRUE(editor->document().saveTo(home.file("kept.nbx")));
    std::filesystem::remove(home.file("gone.nbx"));

    QString text;
    QString caption;
    test::answerNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        text = box->text();
        caption = box->windowTitle();
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        box->button(QMessageBox::No)->click();
    });
    window->recentMenu()->actions().at(1)->trigger();
    EXPECT_EQ(text, QString("指定したファイルが見つかりません。\n「最近使ったファイル」の一覧から削除しますか？"));
    EXPECT_EQ(caption, QString("Fulgrane3D"));
    EXPECT_EQ(window->recentMenu()->entries().size(), 2);

    test::answerNextModal([](QWidget* modal) {
        qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click();
    });
    window->recentMenu()->actions().at(1)->trigger();
    EXPECT_EQ(itemsOf(window->recentMenu()),
              (QStringList{"&1 " + QString::fromStdString(home.file("kept.nbx")), "-", "最近使ったファイルの一覧を消去"}));
}

TEST_F(WindowTest, ViewChecksFollowTheDisplayFlags) {
    EXPECT_TRUE(window->action(Command::ShowFrame)->isChecked());
    EXPECT_FALSE(window->action(Command::ShowParticles)->isChecked());
    EXPECT_FALSE(window->action(Command::ShowFps)->isChecked());

    window->action(Command::ShowFrame)->trigger();
    window->action(Command::ShowFps)->trigger();
    EXPECT_EQ(editor->viewSettings().displayFlags(), (DisplayFlags{false, false, true}));
    EXPECT_FALSE(window->action(Command::ShowFrame)->isChecked());
    EXPECT_TRUE(window->action(Command::ShowFps)->isChecked());

    editor->viewSettings().setDisplayFlags({true, true, false});
    EXPECT_TRUE(window->action(Command::ShowFrame)->isChecked());
    EXPECT_TRUE(window->action(Command::ShowParticles)->isChecked());
    EXPECT_FALSE(window->action(Command::ShowFps)->isChecked());
}

TEST_F(WindowTest, MenuHelpTextsGoToTheStatusPanel) {
    QAction* remake = window->action(Command::Remake);
    EXPECT_EQ(remake->statusTip(), QString("設定をそのままにエフェクトを作り直す。"));
    remake->showStatusText(window.get());
    EXPECT_EQ(window->statusPanel()->helpText(), QString("設定をそのままにエフェクトを作り直す。"));
    // Leaving the item (an empty tip) keeps the text.
    QStatusTipEvent empty{QString()};
    QApplication::sendEvent(window.get(), &empty);
    EXPECT_EQ(window->statusPanel()->helpText(), QString("設定をそのままにエフェクトを作り直す。"));
}

}  // namespace
}  // namespace fg
