// The material panel on real widgets: the list with its thumbnails, import
// by dialog and by drop, selection, the delete, save and mirror buttons, the
// context menu (rename, replace, reload) and material edits undone.

#include <QDropEvent>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>
#include <filesystem>
#include <fstream>

#include "UiTestSupport.h"
#include "model/NodeFields.h"
#include "ui/DialogPrompts.h"
#include "ui/HoverHelp.h"
#include "ui/MaterialPanel.h"

namespace fg {
namespace {

using test::ScratchHome;
using test::ScriptedPrompts;

constexpr const char* kTriangle = "v 0 0 0\nv 1 0 0\nv 1 1 0\nvt 0.5 0.5\nf 1/1 2/1 3/1\n";

class MaterialPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel = std::make_unique<MaterialPanel>(*editor);
        panel->resize(210, 300);
        panel->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    }
    void TearDown() override { test::cancelModalAnswers(); }
    std::string image(const std::string& name, int w, int h, QColor colour) {
        QImage picture(w, h, QImage::Format_ARGB32);
        picture.fill(colour);
        const std::string path = home.file(name);
        EXPECT_TRUE(picture.save(QString::fromStdString(path)));
        return path;
    }
    std::string text(const std::string& name, const std::string& content) {
        const std::string path = home.file(name);
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    void drop(const std::vector<std::string>& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& path : paths) urls << QUrl::fromLocalFile(QString::fromStdString(path));
        data.setUrls(urls);
        // As the window system delivers a drop: the drag enters, then drops.
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(panel.get(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent event(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(panel.get(), &event);
    }
    QStringList names() const {
        QStringList list;
        for (const MaterialFile& material : panel->materials()) list << QString::fromStdString(material.name);
        return list;
    }
    // Questions as the window asks them: real message boxes.
    void useDialogPrompts() {
        dialogs = std::make_unique<DialogPrompts>(panel.get(), nullptr);
        editor->setPrompts(dialogs.get());
    }
    // Runs the context menu's `action` for `row` as a right click there would.
    void runMenu(int row, const char* action) {
        clickRow(row);
        const std::unique_ptr<QMenu> menu = panel->makeContextMenu();
        QAction* chosen = menu->findChild<QAction*>(QString::fromLatin1(action));
        ASSERT_NE(chosen, nullptr) << action;
        ASSERT_TRUE(chosen->isEnabled()) << action;
        chosen->trigger();
    }
    void clickRow(int row) {
        QTest::mouseClick(panel.get(), Qt::LeftButton, {},
                          QPoint(100, MaterialPanel::kListTop + row * MaterialPanel::kRowHeight + 15));
    }

    ScratchHome home;
    ScriptedPrompts prompts;
    std::unique_ptr<Editor> editor = test::makeEditor(&prompts);
    std::unique_ptr<MaterialPanel> panel;
    std::unique_ptr<DialogPrompts> dialogs;
};

TEST_F(MaterialPanelTest, TheButtonsHaveTheirHelpTexts) {
    QStringList texts;
    for (int i = 0; i < 8; ++i) texts << HoverHelp::helpText(panel->button(i));
    EXPECT_EQ(texts, (QStringList{"素材を追加する。", "素材を削除する。", "素材をファイルに保存する。", "左右反転する。",
                                  "", "", "", ""}));
}

TEST_F(MaterialPanelTest, ADropOfThreeWithOneBrokenImportsTwoAndNamesTheThird) {
    const std::string broken = text("broken.jpg", "garbage");
    drop({image("a.png", 8, 8, Qt::red), broken, text("ship.obj", kTriangle)});
    EXPECT_EQ(names(), (QStringList{"a.png", "ship"}));
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{"error 「" + broken + "」は読み込めませんでした。"}));
    EXPECT_TRUE(panel->materials()[1].isModel);
    // Images first with their own picture, the model's name in yellow.
    const QImage shot = panel->grab().toImage();
    EXPECT_EQ(shot.pixelColor(16, MaterialPanel::kListTop + 16), QColor(255, 0, 0));
    bool yellow = false;
    for (int x = 35; x < 120 && !yellow; ++x) {
        for (int y = 0; y < MaterialPanel::kRowHeight && !yellow; ++y) {
            const QColor c = shot.pixelColor(x, MaterialPanel::kListTop + MaterialPanel::kRowHeight + y);
            yellow = c.red() > 200 && c.green() > 200 && c.blue() < 90;
        }
    }
    EXPECT_TRUE(yellow);
}

TEST_F(MaterialPanelTest, TheAddButtonImportsTheChosenFile) {
    const QString path = QString::fromStdString(image("wide.png", 100, 50, Qt::blue));
    test::answerNextModal([path](QWidget* modal) { test::chooseFile(qobject_cast<QFileDialog*>(modal), path); });
    QTest::mouseClick(panel->button(0), Qt::LeftButton);
    EXPECT_EQ(names(), (QStringList{"wide.png"}));
    const QImage stored(QString::fromStdString(editor->state().workDir + "/wide.png.png"));
    EXPECT_EQ(stored.size(), QSize(100, 100));
    EXPECT_EQ(qAlpha(stored.pixel(50, 10)), 0);
}

TEST_F(MaterialPanelTest, DeletingTheFirstOfTwoImagesKeepsTheOtherNodesTexture) {
    drop({image("a.png", 4, 4, Qt::red), image("b.png", 4, 4, Qt::green)});
    ASSERT_TRUE(editor->addBelow().done());
    editor->changeDocument({}, [](EditorState& g) { g.tree.findById(1)->m_texture.ID = 0; });
    editor->changeDocument({}, [](EditorState& g) { g.tree.findById(2)->m_texture.ID = 1; });
    clickRow(0);
    EXPECT_EQ(panel->selectedIndex(), 0);
    useDialogPrompts();
    test::answerNextModal([](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click(); });
    QTest::mouseClick(panel->button(1), Qt::LeftButton);
    EXPECT_EQ(names(), (QStringList{"b.png"}));
    EXPECT_EQ(editor->state().tree.findById(1)->m_texture.ID, -1);
    EXPECT_EQ(editor->state().tree.findById(2)->m_texture.ID, 0);
    EXPECT_EQ(panel->selectedIndex(), -1);
    // Nothing selected: the commands do nothing.
    QTest::mouseClick(panel->button(1), Qt::LeftButton);
    EXPECT_EQ(names(), (QStringList{"b.png"}));
}

TEST_F(MaterialPanelTest, TheSelectionStaysOnItsMaterialWhenTheListChanges) {
    drop({image("blue.png", 4, 4, Qt::blue), text("cube.obj", kTriangle)});
    clickRow(1);
    ASSERT_EQ(panel->materials()[1].name, "cube");

    // An image arrives before the model: the highlight follows "cube", and
    // Save offers cube.obj, not the image now at the old row.
    drop({image("red.jpg", 4, 4, Qt::red)});
    ASSERT_EQ(names(), (QStringList{"blue.png", "red.jpg", "cube"}));
    EXPECT_EQ(panel->selectedIndex(), 2);
    QString offered;
    test::answerNextModal([&offered](QWidget* modal) {
        offered = qobject_cast<QFileDialog*>(modal)->selectedFiles().value(0);
        modal->close();
    });
    QTest::mouseClick(panel->button(2), Qt::LeftButton);
    EXPECT_TRUE(offered.endsWith(QStringLiteral("/cube.obj"))) << offered.toStdString();
    // The highlight is drawn on the selected row.
    const QImage shot = panel->grab().toImage();
    const QColor highlight = panel->palette().color(QPalette::Highlight);
    EXPECT_EQ(shot.pixelColor(180, MaterialPanel::kListTop + 2 * MaterialPanel::kRowHeight + 30), highlight);
    EXPECT_NE(shot.pixelColor(180, MaterialPanel::kListTop + MaterialPanel::kRowHeight + 30), highlight);

    // The selected material deleted by another way: nothing stays selected.
    clickRow(0);
    ASSERT_TRUE(editor->materials().remove(0));
    EXPECT_EQ(panel->selectedIndex(), -1);
    EXPECT_EQ(names(), (QStringList{"red.jpg", "cube"}));
}

// Answers the next question box with `button`, keeping its text in `asked`.
void answerTheDeleteQuestion(QMessageBox::StandardButton button, QString& asked) {
    test::answerNextModal([&asked, button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        asked = box->text();
        box->button(button)->click();
    });
}

TEST_F(MaterialPanelTest, DeletingAMaterialNodesUseAsksWithTheirCountFirst) {
    drop({image("a.png", 4, 4, Qt::red), image("b.png", 4, 4, Qt::green)});
    ASSERT_TRUE(editor->addBelow().done());
    ASSERT_TRUE(editor->addBelow().done());
    editor->changeDocument({}, [](EditorState& g) { g.tree.findById(1)->m_texture.ID = 1; });
    editor->changeDocument({}, [](EditorState& g) { g.tree.findById(3)->m_texture.ID = 1; });
    editor->changeDocument({}, [](EditorState& g) { g.tree.findById(2)->m_texture.ID = 0; });
    EXPECT_EQ(editor->materials().nodesUsing(1), 2);
    EXPECT_EQ(editor->materials().nodesUsing(0), 1);

    // No: nothing is deleted and the selection stays.
    useDialogPrompts();
    clickRow(1);
    QString asked;
    answerTheDeleteQuestion(QMessageBox::No, asked);
    QTest::keyClick(panel.get(), Qt::Key_Delete);
    EXPECT_EQ(asked, QStringLiteral("「b.png」は2個のノードで使われています。\n削除しますか？"));
    EXPECT_EQ(names(), (QStringList{"a.png", "b.png"}));
    EXPECT_EQ(panel->selectedIndex(), 1);
    EXPECT_EQ(editor->state().tree.findById(1)->m_texture.ID, 1);

    // Yes: gone, and its nodes have no texture.
    answerTheDeleteQuestion(QMessageBox::Yes, asked);
    QTest::mouseClick(panel->button(1), Qt::LeftButton);
    EXPECT_EQ(names(), (QStringList{"a.png"}));
    EXPECT_EQ(editor->state().tree.findById(1)->m_texture.ID, -1);
    EXPECT_EQ(editor->state().tree.findById(2)->m_texture.ID, 0);

    // A material no node uses goes without a question.
    editor->changeDocument({}, [](EditorState& g) { g.tree.findById(2)->m_texture.ID = -1; });
    clickRow(0);
    asked.clear();
    QTest::mouseClick(panel->button(1), Qt::LeftButton);
    EXPECT_TRUE(names().isEmpty());
    EXPECT_TRUE(asked.isEmpty());
}

TEST_F(MaterialPanelTest, AModelInUseCountsTheNodesOfItsShape) {
    drop({image("a.png", 4, 4, Qt::red), text("ship.obj", kTriangle)});
    editor->changeDocument({}, [](EditorState& g) { g.tree.findById(1)->m_shape.type = 5; });
    EXPECT_EQ(editor->materials().nodesUsing(1), 1);
    EXPECT_EQ(editor->materials().nodesUsing(0), 0);
    useDialogPrompts();
    clickRow(1);
    QString asked;
    answerTheDeleteQuestion(QMessageBox::No, asked);
    QTest::mouseClick(panel->button(1), Qt::LeftButton);
    EXPECT_EQ(asked, QStringLiteral("「ship」は1個のノードで使われています。\n削除しますか？"));
    EXPECT_EQ(names(), (QStringList{"a.png", "ship"}));
}

TEST_F(MaterialPanelTest, AClickPastTheListSelectsNothing) {
    drop({image("a.png", 4, 4, Qt::red)});
    clickRow(0);
    clickRow(3);
    EXPECT_EQ(panel->selectedIndex(), -1);
    QTest::mouseClick(panel->button(3), Qt::LeftButton);
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(MaterialPanelTest, MirrorTwiceRestoresThePixelsAndKeepsTheSelection) {
    QImage picture(4, 4, QImage::Format_ARGB32);
    for (int i = 0; i < 16; ++i) picture.setPixel(i % 4, i / 4, qRgba(i * 15, 255 - i * 10, 3, 255));
    const std::string path = home.file("p.png");
    ASSERT_TRUE(picture.save(QString::fromStdString(path)));
    drop({path});
    const QString stored = QString::fromStdString(editor->state().workDir + "/p.png.png");
    const QImage before = QImage(stored).convertToFormat(QImage::Format_ARGB32);
    clickRow(0);
    QTest::mouseClick(panel->button(3), Qt::LeftButton);
    EXPECT_EQ(panel->selectedIndex(), 0);
    EXPECT_EQ(QImage(stored).pixel(0, 2), before.pixel(3, 2));
    QTest::mouseClick(panel->button(3), Qt::LeftButton);
    EXPECT_EQ(QImage(stored).convertToFormat(QImage::Format_ARGB32), before);
}

TEST_F(MaterialPanelTest, SaveOffersTheNameWithTheRightExtension) {
    drop({image("fire.jpg", 4, 4, Qt::red)});
    clickRow(0);
    const QString target = QString::fromStdString(home.file("saved.png"));
    QString offered;
    test::answerNextModal([&offered, target](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        offered = dialog->selectedFiles().value(0);
        test::chooseFile(dialog, target);
    });
    QTest::mouseClick(panel->button(2), Qt::LeftButton);
    EXPECT_TRUE(offered.endsWith(QStringLiteral("/fire.png"))) << offered.toStdString();
    EXPECT_EQ(QImage(target).size(), QSize(4, 4));
}

TEST_F(MaterialPanelTest, TheContextMenuOffersTheCommandsTheSelectionAllows) {
    drop({image("a.png", 4, 4, Qt::red), text("ship.obj", kTriangle)});
    const auto enabled = [this](int row) {
        if (row >= 0) clickRow(row);
        QStringList on;
        const std::unique_ptr<QMenu> menu = panel->makeContextMenu();
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator() && action->isEnabled()) on << action->text();
        }
        return on;
    };
    EXPECT_EQ(enabled(0), (QStringList{"インポート...", "名前の変更", "置き換え...", "左右反転", "名前を付けて保存...", "削除"}));
    EXPECT_EQ(enabled(1), (QStringList{"インポート...", "名前の変更", "置き換え...", "名前を付けて保存...", "削除"}));
    EXPECT_EQ(enabled(4), (QStringList{"インポート..."}));

    // A right click on a row selects it for the menu.
    QTimer::singleShot(0, [this] {
        if (auto* menu = panel->findChild<QMenu*>(QStringLiteral("materialContextMenu"))) menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(100, MaterialPanel::kListTop + MaterialPanel::kRowHeight + 5),
                            panel->mapToGlobal(QPoint(100, 60)));
    QApplication::sendEvent(panel.get(), &event);
    EXPECT_EQ(panel->selectedIndex(), 1);
}

TEST_F(MaterialPanelTest, RenamingFromTheMenuKeepsTheNodesTexture) {
    drop({image("a.png", 4, 4, Qt::red), image("b.png", 4, 4, Qt::green)});
    editor->editInt(*findNodeField("m_texture.ID"), 1);  // b.png
    test::answerNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->textValue(), QStringLiteral("b.png"));
        dialog->setTextValue(QStringLiteral("0spark"));
        dialog->accept();
    });
    runMenu(1, "materialRename");
    // The renamed material sorts first; the node's texture went with it.
    EXPECT_EQ(names(), (QStringList{"0spark", "a.png"}));
    const Node& node = *editor->state().tree.findById(1);
    EXPECT_EQ(node.m_texture.ID, 0);
    EXPECT_EQ(panel->selectedIndex(), 0);
    EXPECT_EQ(editor->history().entry(editor->history().index()).label.sourceText(), "＜b.png＞の名前を＜0spark＞に変更");
    editor->undo();
    EXPECT_EQ(names(), (QStringList{"a.png", "b.png"}));
    EXPECT_EQ(node.m_texture.ID, 1);
}

TEST_F(MaterialPanelTest, AnUndoneDeleteShowsTheTextureOnItsNodesAgain) {
    drop({image("a.png", 4, 4, Qt::red), image("b.png", 4, 4, Qt::green)});
    ASSERT_TRUE(editor->addBelow().done());
    editor->changeDocument({}, [](EditorState& g) {
        g.tree.findById(1)->m_texture.ID = 1;
        g.tree.findById(2)->m_texture.ID = 1;
    });
    prompts.deleteUsedMaterial = true;
    runMenu(1, "materialDelete");
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{"delete b.png used by 2?"}));
    EXPECT_EQ(names(), (QStringList{"a.png"}));
    EXPECT_EQ(editor->state().tree.findById(1)->m_texture.ID, -1);

    editor->undo();
    EXPECT_EQ(names(), (QStringList{"a.png", "b.png"}));
    EXPECT_EQ(editor->state().tree.findById(1)->m_texture.ID, 1);
    EXPECT_EQ(editor->state().tree.findById(2)->m_texture.ID, 1);
    // The list shows the material's picture again.
    const QImage shot = panel->grab().toImage();
    EXPECT_EQ(shot.pixelColor(16, MaterialPanel::kListTop + MaterialPanel::kRowHeight + 16), QColor(0, 255, 0));
}

TEST_F(MaterialPanelTest, ReplaceAndReloadFromTheMenu) {
    const std::string source = image("a.png", 4, 4, Qt::red);
    drop({source});
    const QString other = QString::fromStdString(image("other.png", 2, 2, Qt::blue));
    test::answerNextModal([other](QWidget* modal) { test::chooseFile(qobject_cast<QFileDialog*>(modal), other); });
    runMenu(0, "materialReplace");
    const QString stored = QString::fromStdString(editor->state().workDir + "/a.png.png");
    EXPECT_EQ(QImage(stored).pixel(1, 1), qRgba(0, 0, 255, 255));
    EXPECT_EQ(names(), (QStringList{"a.png"}));

    // other.png changes on disk: the menu offers to read it again.
    EXPECT_FALSE(panel->makeContextMenu()->findChild<QAction*>(QStringLiteral("materialReload"))->isEnabled());
    image("other.png", 6, 6, Qt::green);
    prompts.reloadMaterial = true;
    runMenu(0, "materialReload");
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{"reload a.png?"}));
    EXPECT_EQ(QImage(stored).size(), QSize(6, 6));
    EXPECT_FALSE(panel->makeContextMenu()->findChild<QAction*>(QStringLiteral("materialReload"))->isEnabled());

    // The window's own question; No leaves the material as it is.
    image("other.png", 8, 8, Qt::red);
    useDialogPrompts();
    QString asked;
    answerTheDeleteQuestion(QMessageBox::No, asked);
    runMenu(0, "materialReload");
    EXPECT_EQ(asked, QStringLiteral("「a.png」の元のファイルが変更されています。\n読み込み直しますか？"));
    EXPECT_EQ(QImage(stored).size(), QSize(6, 6));
}

}  // namespace
}  // namespace fg
