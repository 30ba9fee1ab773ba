// The editor's recording: tree commands, renames and parameter edits become
// history entries; undo, redo and jumps restart the preview and reload the
// panels; commands that do not apply leave the preview and the list alone.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QSignalSpy>
#include <algorithm>
#include <fstream>

#include "ChangeSpies.h"
#include "EditorTestSupport.h"
#include "model/NodeFields.h"

namespace fg {
namespace {

using test::ScratchHome;
using test::ScriptedPrompts;

std::vector<std::string> labels(const EditHistory& history) {
    std::vector<std::string> texts;
    for (int i = 0; i < history.count(); ++i) texts.push_back(history.entry(i).label.sourceText());
    return texts;
}

class EditorHistory : public ::testing::Test {
protected:
    const EditorState& g() { return editor->state(); }
    std::int32_t selectedId() { return g().pSelNode()->m_ID; }

    ScratchHome home;
    ScriptedPrompts prompts;
    std::unique_ptr<Editor> editor = test::makeEditor(&prompts);
};

TEST_F(EditorHistory, TreeCommandsRecordTheirEntriesAndRestartThePreview) {
    test::PartSpy restarts(*editor, DocumentPart::Preview);
    test::PartSpy listChanges(*editor, DocumentPart::History);
    test::PartSpy reloads(*editor, DocumentPart::Page);
    EXPECT_TRUE(editor->addChild().done());
    EXPECT_TRUE(editor->addBelow().done());
    EXPECT_TRUE(editor->duplicateNode().done());
    EXPECT_TRUE(editor->moveDown().done());
    EXPECT_TRUE(editor->makeChild().done());
    EXPECT_TRUE(editor->makeParent().done());
    EXPECT_TRUE(editor->deleteNode().done());
    EXPECT_EQ(labels(editor->history()),
              (std::vector<std::string>{"スタート", "＜ノード2＞を追加", "＜ノード3＞を追加", "＜ノード3のｺﾋﾟｰ＞を追加",
                                        "ノード3のｺﾋﾟｰ-ノードの移動", "ノード3のｺﾋﾟｰ-ノードの移動",
                                        "ノード3のｺﾋﾟｰ-ノードの移動", "＜ノード3のｺﾋﾟｰ＞を削除"}));
    EXPECT_EQ(restarts.count(), 7);
    EXPECT_EQ(listChanges.count(), 7);
    EXPECT_EQ(reloads.count(), 7);
    EXPECT_TRUE(editor->isModified());
    EXPECT_EQ(editor->document().titleText(), QString("無題.nbx* - Fulgrane3D"));
}

TEST_F(EditorHistory, CommandsThatDoNotApplyNeitherStopThePreviewNorRecord) {
    editor->startWorker();
    test::PartSpy restarts(*editor, DocumentPart::Preview);
    // The only node: first and last child of the root.
    EXPECT_EQ(editor->moveUp().outcome, TreeEditResult::Outcome::Nothing);
    EXPECT_EQ(editor->moveDown().outcome, TreeEditResult::Outcome::Nothing);
    EXPECT_EQ(editor->makeChild().outcome, TreeEditResult::Outcome::Nothing);
    EXPECT_EQ(editor->makeParent().outcome, TreeEditResult::Outcome::Nothing);
    EXPECT_EQ(editor->deleteNode().outcome, TreeEditResult::Outcome::Refused);
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{"error このノードは削除できません"}));
    EXPECT_EQ(prompts.lastErrorCaption, "確認");
    EXPECT_EQ(restarts.count(), 0);
    EXPECT_TRUE(editor->workerRunning());
    EXPECT_EQ(editor->history().count(), 1);
    EXPECT_FALSE(editor->isModified());
}

TEST_F(EditorHistory, ATenthChildIsRefusedWithItsMessageAndNothingRecorded) {
    for (int i = 0; i < 9; ++i) {
        editor->selectNode(1);
        ASSERT_TRUE(editor->addChild().done());
    }
    editor->selectNode(1);
    test::PartSpy restarts(*editor, DocumentPart::Preview);
    EXPECT_EQ(editor->addChild().outcome, TreeEditResult::Outcome::Refused);
    EXPECT_EQ(prompts.asked.back(),
              "error これ以上ノードを追加できません。\n一つのノードに置ける子ノードは9個までです。");
    EXPECT_EQ(restarts.count(), 0);
    EXPECT_EQ(editor->history().count(), 10);
}

TEST_F(EditorHistory, RenameRecordsOnlyAChange) {
    test::PartSpy restarts(*editor, DocumentPart::Preview);
    EXPECT_FALSE(editor->renameSelected("ノード1"));
    EXPECT_EQ(editor->history().count(), 1);
    EXPECT_EQ(restarts.count(), 0);
    EXPECT_TRUE(editor->renameSelected("炎の芯"));
    EXPECT_EQ(labels(editor->history()), (std::vector<std::string>{"スタート", "ノード名＜炎の芯＞に変更"}));
    // A long name is kept whole up to the node's limit.
    const std::string longName(200, 'x');
    EXPECT_TRUE(editor->renameSelected(longName));
    EXPECT_EQ(g().pSelNode()->m_name, longName);
    editor->undo();
    editor->undo();
    EXPECT_EQ(g().pSelNode()->m_name, "ノード1");
}

TEST_F(EditorHistory, ParameterEditsMergeAndUndoReloadsThePage) {
    const NodeField& span = *findNodeField("m_kill.span");
    for (int v = 61; v < 90; ++v) editor->editInt(span, v);
    EXPECT_EQ(labels(editor->history()), (std::vector<std::string>{"スタート", "ノード1-寿命"}));
    test::PartSpy reloads(*editor, DocumentPart::Page);
    test::PartSpy restarts(*editor, DocumentPart::Preview);
    editor->undo();
    EXPECT_EQ(g().pSelNode()->m_kill.span, 60);
    EXPECT_EQ(editor->simulation().effect()[1].params.m_kill.span, 60);
    EXPECT_EQ(reloads.count(), 1);
    EXPECT_EQ(restarts.count(), 1);
    editor->redo();
    EXPECT_EQ(g().pSelNode()->m_kill.span, 89);
    // Nothing to redo: no restart.
    editor->redo();
    EXPECT_EQ(restarts.count(), 2);
}

TEST_F(EditorHistory, AnEditAfterSavingMarksTheProjectModifiedEvenWhenItMerges) {
    const NodeField& span = *findNodeField("m_kill.span");
    editor->editInt(span, 70);
    ASSERT_TRUE(editor->document().saveTo(home.file("a.nbx")));
    editor->editInt(span, 71);
    EXPECT_TRUE(editor->isModified());
    ASSERT_TRUE(editor->document().saveTo(home.file("a.nbx")));
    editor->undo();
    EXPECT_TRUE(editor->isModified());
}

TEST_F(EditorHistory, UndoingBackToTheSavedRowMakesTheProjectUnmodifiedAgain) {
    editor->editInt(*findNodeField("m_kill.span"), 70);
    ASSERT_TRUE(editor->document().saveTo(home.file("c.nbx")));
    EXPECT_FALSE(editor->isModified());
    editor->editInt(*findNodeField("m_scale.max"), 20);
    EXPECT_TRUE(editor->isModified());
    EXPECT_TRUE(editor->document().titleText().contains(QLatin1Char('*')));
    const test::PartSpy titles(*editor, DocumentPart::Title);
    editor->undo();
    EXPECT_FALSE(editor->isModified());
    EXPECT_FALSE(editor->document().titleText().contains(QLatin1Char('*')));
    EXPECT_EQ(titles.count(), 1);
    // Before the saved row, and after it again, the project differs from its file.
    editor->undo();
    EXPECT_TRUE(editor->isModified());
    editor->jumpTo(1);
    EXPECT_FALSE(editor->isModified());
    editor->redo();
    EXPECT_TRUE(editor->isModified());
}

TEST_F(EditorHistory, AChangeOutsideTheHistoryKeepsTheProjectModifiedAtTheSavedRow) {
    ASSERT_TRUE(editor->addBelow().done());
    ASSERT_TRUE(editor->document().saveTo(home.file("d.nbx")));
    editor->toggleVisible(2);
    editor->editInt(*findNodeField("m_kill.span"), 70);
    editor->undo();
    EXPECT_TRUE(editor->isModified());
    ASSERT_TRUE(editor->document().saveTo(home.file("d.nbx")));
    EXPECT_FALSE(editor->isModified());
    // Opening starts clean, at the base entry.
    editor->markModified();
    ASSERT_TRUE(editor->document().openInPlace(home.file("d.nbx")));
    EXPECT_FALSE(editor->isModified());
    editor->addChild();
    editor->undo();
    EXPECT_FALSE(editor->isModified());
}

TEST_F(EditorHistory, OneUndoNotifiesOnceAndFillsThePageOnce) {
    ASSERT_TRUE(editor->addBelow().done());
    editor->editInt(*findNodeField("m_kill.span"), 70);
    // A page reload and a new selection each refill the shown page: one
    // undo carries one of them, never both.
    const auto fillsOnce = [](DocumentChanges what) {
        return static_cast<bool>(what & DocumentPart::Page) != static_cast<bool>(what & DocumentPart::Selection);
    };
    {
        QSignalSpy changes(editor.get(), &Editor::documentChanged);
        editor->undo();  // the parameter: the selection stays
        ASSERT_EQ(changes.count(), 1);
        const auto what = changes.last().at(0).value<DocumentChanges>();
        EXPECT_TRUE(what & DocumentPart::History);
        EXPECT_TRUE(what & DocumentPart::Page);
        EXPECT_TRUE(fillsOnce(what));
    }
    QSignalSpy changes(editor.get(), &Editor::documentChanged);
    editor->undo();  // the added node goes: the selection moves
    ASSERT_EQ(changes.count(), 1);
    const auto what = changes.last().at(0).value<DocumentChanges>();
    EXPECT_TRUE(what & DocumentPart::Selection);
    EXPECT_TRUE(fillsOnce(what));
}

TEST_F(EditorHistory, GraphGesturesRecordTheCurveBeforeTheirFirstChange) {
    const GraphPoints before = g().pSelNode()->curve(kCurveRed).points();
    editor->beginGraphEdit(kCurveRed);
    editor->setGraphPoints(kCurveRed, {{0, 10}, {100, 20}});
    editor->setGraphPoints(kCurveRed, {{0, 30}, {100, 40}});
    ASSERT_EQ(editor->history().count(), 2);
    editor->undo();
    EXPECT_EQ(g().pSelNode()->curve(kCurveRed).points(), before);
    editor->redo();
    EXPECT_EQ(g().pSelNode()->curve(kCurveRed).points(), (GraphPoints{{0, 30}, {100, 40}}));
}

TEST_F(EditorHistory, JumpingToTheStartUndoesEverythingAndSelectsAsBefore) {
    ASSERT_TRUE(editor->addChild().done());
    ASSERT_TRUE(editor->addChild().done());
    ASSERT_TRUE(editor->renameSelected("孫"));
    editor->editInt(*findNodeField("m_timing.num"), 4);
    test::PartSpy trees(*editor, DocumentPart::Tree);
    editor->jumpTo(0);
    EXPECT_EQ(editor->history().index(), 0);
    EXPECT_EQ(g().pRoot()->childCount(), 1);
    EXPECT_EQ(g().pRoot()->childAt(0)->childCount(), 0);
    EXPECT_EQ(selectedId(), 1);
    EXPECT_EQ(trees.count(), 1);
    editor->jumpTo(4);
    EXPECT_EQ(g().pSelNode()->m_name, "孫");
    EXPECT_EQ(g().pSelNode()->m_timing.num, 4);
    EXPECT_EQ(g().pSelNode()->depth(), 3);
}

TEST_F(EditorHistory, SelectionAndVisibilityAreNotEntries) {
    ASSERT_TRUE(editor->addBelow().done());
    editor->selectNode(1);
    EXPECT_EQ(selectedId(), 1);
    editor->toggleVisible(2);
    EXPECT_EQ(g().tree.findById(2)->m_isDraw, 0);
    EXPECT_EQ(selectedId(), 1);
    EXPECT_EQ(editor->history().count(), 2);
    // The flag is saved with the project: closing now must ask.
    ASSERT_TRUE(editor->document().saveTo(home.file("v.nbx")));
    editor->toggleVisible(2);
    EXPECT_TRUE(editor->isModified());
}

// An image of one pixel saved under `name` in the scratch folder.
std::string pictureFile(const ScratchHome& home, const std::string& name) {
    QImage picture(1, 1, QImage::Format_ARGB32);
    picture.fill(QColor(Qt::red));
    const std::string path = home.file(name);
    EXPECT_TRUE(picture.save(QString::fromStdString(path)));
    return path;
}

std::string textureName(Editor& editor) {
    const std::int32_t id = editor.state().pSelNode()->m_texture.ID;
    if (id < 0) return "なし";
    return editor.materials().list().at(static_cast<std::size_t>(id)).name;
}

TEST_F(EditorHistory, UndoAndRedoOfATextureChoiceFollowTheMaterialByName) {
    editor->materials().importFiles({pictureFile(home, "spark.png"), pictureFile(home, "smoke.png")});
    const NodeField& texture = *findNodeField("m_texture.ID");
    editor->editInt(texture, 1);  // spark.png (smoke.png sorts first)
    ASSERT_EQ(textureName(*editor), "spark.png");
    editor->editInt(texture, 0);  // smoke.png, merged into the same entry
    editor->editInt(*findNodeField("m_kill.span"), 70);
    editor->editInt(texture, 1);  // back to spark.png, a new entry
    ASSERT_EQ(editor->history().count(), 5);  // the import is an entry too

    // A file sorting before both moves every position.
    editor->materials().importFiles({pictureFile(home, "mixed.png")});
    ASSERT_EQ(textureName(*editor), "spark.png");
    editor->undo();  // the import
    EXPECT_EQ(textureName(*editor), "spark.png");
    editor->redo();
    editor->undo();
    editor->undo();
    EXPECT_EQ(textureName(*editor), "smoke.png");
    editor->redo();
    EXPECT_EQ(textureName(*editor), "spark.png");
    editor->undo();
    editor->undo();
    editor->undo();
    EXPECT_EQ(textureName(*editor), "なし");
    editor->jumpTo(5);
    EXPECT_EQ(textureName(*editor), "spark.png");
    // The simulation draws with the position the node holds.
    EXPECT_EQ(editor->simulation().effect()[1].params.m_texture.ID, g().pSelNode()->m_texture.ID);

    // Deleted: the texture choice cannot find it until the delete is undone.
    editor->undo();
    editor->undo();
    ASSERT_EQ(textureName(*editor), "smoke.png");
    editor->redo();
    const std::vector<MaterialFile> list = editor->materials().list();
    const auto smoke = std::find_if(list.begin(), list.end(), [](const MaterialFile& m) { return m.name == "smoke.png"; });
    ASSERT_TRUE(editor->materials().remove(static_cast<int>(smoke - list.begin())));
    EXPECT_EQ(textureName(*editor), "spark.png");
    editor->undo();
    editor->undo();
    EXPECT_EQ(textureName(*editor), "smoke.png");
    editor->redo();
    EXPECT_EQ(textureName(*editor), "spark.png");
}

TEST_F(EditorHistory, AModelShapeFollowsItsModelAndADeletedOneNeverBecomesAnother) {
    const std::string triangle = "v 0 0 0\nv 1 0 0\nv 1 1 0\nf 1 2 3\n";
    for (const char* name : {"cube.obj", "ring.obj"}) std::ofstream(home.file(name), std::ios::binary) << triangle;
    editor->materials().importFiles({pictureFile(home, "b.png"), home.file("cube.obj"), home.file("ring.obj")});
    const NodeField& shape = *findNodeField("m_shape.type");
    editor->editInt(shape, 6);  // ring
    editor->editInt(*findNodeField("m_kill.span"), 70);
    editor->editInt(shape, 5);  // cube

    // A model sorting first: cube is the second model, ring the third.
    std::ofstream(home.file("arc.obj"), std::ios::binary) << triangle;
    editor->materials().importFiles({home.file("arc.obj")});
    ASSERT_EQ(g().pSelNode()->m_shape.type, 6);
    editor->undo();  // the import: cube is the first model again
    EXPECT_EQ(g().pSelNode()->m_shape.type, 5);
    editor->undo();
    editor->undo();
    EXPECT_EQ(g().pSelNode()->m_shape.type, 6);  // ring
    editor->redo();
    editor->redo();
    editor->redo();
    EXPECT_EQ(g().pSelNode()->m_shape.type, 6);  // cube, behind arc

    // Away from cube, then cube deleted: ring takes cube's old number.
    // Undoing to cube leaves the shape as it is, as deleting a model leaves
    // the shape of the nodes that used it, and never picks ring.
    editor->editInt(*findNodeField("m_kill.span"), 80);
    editor->editInt(shape, 1);
    ASSERT_TRUE(editor->materials().remove(2));  // b.png, arc, cube, ring
    ASSERT_EQ(editor->materials().list().at(2).name, "ring");
    editor->undo();  // the delete: cube is back
    EXPECT_EQ(g().pSelNode()->m_shape.type, 1);
    editor->undo();
    EXPECT_EQ(g().pSelNode()->m_shape.type, 6);  // cube, by name, the second model
    editor->redo();
    editor->redo();
    editor->undo();  // the delete again, cube gone
    editor->redo();
    EXPECT_EQ(g().pSelNode()->m_shape.type, 1);
}

TEST_F(EditorHistory, ADeletedNodeComesBackWithItsOwnTexture) {
    editor->materials().importFiles({pictureFile(home, "b.png"), pictureFile(home, "c.png")});
    ASSERT_TRUE(editor->addBelow().done());
    editor->editInt(*findNodeField("m_texture.ID"), 1);  // c.png on node 2
    ASSERT_TRUE(editor->deleteNode().done());
    // A new first material while the node is out of the tree.
    editor->materials().importFiles({pictureFile(home, "a.png")});
    editor->undo();
    editor->undo();
    ASSERT_EQ(selectedId(), 2);
    EXPECT_EQ(textureName(*editor), "c.png");
}

TEST_F(EditorHistory, OpeningAProjectInPlaceStartsAFreshHistory) {
    ASSERT_TRUE(editor->addChild().done());
    ASSERT_TRUE(editor->document().saveTo(home.file("b.nbx")));
    ASSERT_TRUE(editor->document().openInPlace(home.file("b.nbx")));
    EXPECT_EQ(labels(editor->history()), (std::vector<std::string>{"スタート"}));
}

}  // namespace
}  // namespace fg
