// The material commands without widgets: import (images squared, models
// copied, extensions in any case), the references nodes keep across every
// change, delete, save, mirror, rename, replace, reload, files that cannot
// be read, and every change of the list as an edit-history entry.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QSignalSpy>
#include <filesystem>
#include <fstream>

#include "ChangeSpies.h"
#include "EditorTestSupport.h"
#include "model/NodeFields.h"
#include "persistence/FileBytes.h"

namespace fg {
namespace {

namespace fs = std::filesystem;
using test::ScratchHome;
using test::ScriptedPrompts;

constexpr const char* kTriangle = "v 0 0 0\nv 1 0 0\nv 1 1 0\nvt 0.5 0.5\nf 1/1 2/1 3/1\n";

std::vector<std::string> names(const std::vector<MaterialFile>& list) {
    std::vector<std::string> texts;
    for (const MaterialFile& material : list) texts.push_back(material.name);
    return texts;
}

class EditorMaterials : public ::testing::Test {
protected:
    // A w × h image of one colour, saved under `name` in the scratch folder.
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
    fs::path work(const std::string& name) { return fs::path(editor->state().workDir) / name; }

    ScratchHome home;
    ScriptedPrompts prompts;
    std::unique_ptr<Editor> editor = test::makeEditor(&prompts);
};

TEST_F(EditorMaterials, AWideImageBecomesASquareWithTransparentBands) {
    ASSERT_EQ(editor->materials().importFiles({image("wide.png", 100, 50, QColor(200, 10, 20))}), 1);
    const QImage square(QString::fromStdString(work("wide.png.png").string()));
    ASSERT_EQ(square.size(), QSize(100, 100));
    EXPECT_EQ(qAlpha(square.pixel(50, 0)), 0);
    EXPECT_EQ(qAlpha(square.pixel(50, 24)), 0);
    EXPECT_EQ(square.pixel(0, 25), qRgba(200, 10, 20, 255));
    EXPECT_EQ(square.pixel(99, 74), qRgba(200, 10, 20, 255));
    EXPECT_EQ(qAlpha(square.pixel(50, 75)), 0);
    EXPECT_EQ(qAlpha(square.pixel(50, 99)), 0);
    EXPECT_EQ(names(editor->materials().list()), (std::vector<std::string>{"wide.png"}));
    EXPECT_TRUE(editor->isModified());
}

TEST_F(EditorMaterials, ImportingTheSameFileTwiceKeepsOneMaterial) {
    const std::string a = image("a.png", 4, 4, Qt::red);
    editor->materials().importFiles({a});
    image("a.png", 4, 4, Qt::blue);
    editor->materials().importFiles({a});
    EXPECT_EQ(names(editor->materials().list()), (std::vector<std::string>{"a.png"}));
    const QImage stored(QString::fromStdString(work("a.png.png").string()));
    EXPECT_EQ(stored.pixel(1, 1), qRgba(0, 0, 255, 255));
}

TEST_F(EditorMaterials, ExtensionsInAnyCaseAreImportedInLowerCase) {
    const std::string upper = image("x.PNG", 2, 2, Qt::green);
    const std::string model = text("m.Obj", kTriangle);
    EXPECT_EQ(editor->materials().importFiles({upper, model, text("notes.txt", "hello")}), 2);
    EXPECT_TRUE(fs::exists(work("x.png.png")));
    EXPECT_TRUE(fs::exists(work("m.obj")));
    const std::vector<MaterialFile> list = editor->materials().list();
    EXPECT_EQ(names(list), (std::vector<std::string>{"x.png", "m"}));
    EXPECT_TRUE(list[1].isModel);
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(EditorMaterials, ADropWithABrokenFileImportsTheRestAndNamesIt) {
    const std::string broken = text("broken.png", "not a picture");
    test::PartSpy changes(*editor, DocumentPart::Materials);
    const int imported = editor->materials().importFiles(
        {image("one.png", 3, 3, Qt::red), broken, text("bad.obj", "v 0 0 0\nf a b c\n"), text("t.obj", kTriangle)});
    EXPECT_EQ(imported, 2);
    EXPECT_EQ(names(editor->materials().list()), (std::vector<std::string>{"one.png", "t"}));
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{"error 「" + broken + "」は読み込めませんでした。\n「" +
                                                       home.file("bad.obj") + "」は読み込めませんでした。"}));
    EXPECT_EQ(prompts.lastErrorCaption, "Fulgrane3D");
    EXPECT_EQ(changes.count(), 1);  // one reload for the whole drop
}

TEST_F(EditorMaterials, NodesKeepTheirMaterialsAcrossImportAndDelete) {
    editor->materials().importFiles(
        {image("b.png", 2, 2, Qt::red), image("c.png", 2, 2, Qt::blue), text("s.obj", kTriangle)});
    ASSERT_EQ(names(editor->materials().list()), (std::vector<std::string>{"b.png", "c.png", "s"}));
    ASSERT_TRUE(editor->addBelow().done());
    editor->changeDocument({}, [](EditorState& g) {
        g.tree.findById(1)->m_texture.ID = 0;  // b.png
        g.tree.findById(2)->m_texture.ID = 1;  // c.png
        g.tree.findById(2)->m_shape.type = 5;  // s
    });
    const Node& first = *editor->state().tree.findById(1);
    const Node& second = *editor->state().tree.findById(2);

    // A new image sorts first: both indices move up by one.
    editor->materials().importFiles({image("a.png", 2, 2, Qt::green)});
    EXPECT_EQ(first.m_texture.ID, 1);
    EXPECT_EQ(second.m_texture.ID, 2);
    EXPECT_EQ(second.m_shape.type, 5);

    ASSERT_TRUE(editor->materials().remove(1));  // b.png
    EXPECT_EQ(first.m_texture.ID, -1);
    EXPECT_EQ(second.m_texture.ID, 1);
    EXPECT_FALSE(fs::exists(work("b.png.png")));

    ASSERT_TRUE(editor->materials().remove(2));  // the model: the shape type stays
    EXPECT_EQ(second.m_shape.type, 5);
    EXPECT_EQ(names(editor->materials().list()), (std::vector<std::string>{"a.png", "c.png"}));
    EXPECT_FALSE(editor->materials().remove(2));
    // The added node and every change of the list, each an entry.
    EXPECT_EQ(editor->history().count(), 6);
}

TEST_F(EditorMaterials, MirroringTwiceGivesBackThePixels) {
    QImage picture(3, 2, QImage::Format_ARGB32);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) picture.setPixel(x, y, qRgba(x * 80, y * 100, 7, 255));
    }
    const std::string path = home.file("grad.png");
    ASSERT_TRUE(picture.save(QString::fromStdString(path)));
    editor->materials().importFiles({path});
    const QString stored = QString::fromStdString(work("grad.png.png").string());
    const QImage original(stored);

    ASSERT_TRUE(editor->materials().mirror(0));
    const QImage once(stored);
    EXPECT_EQ(once.pixel(0, 1), original.pixel(2, 1));
    EXPECT_EQ(once.pixel(2, 1), original.pixel(0, 1));
    ASSERT_TRUE(editor->materials().mirror(0));
    EXPECT_EQ(QImage(stored).convertToFormat(QImage::Format_ARGB32), original.convertToFormat(QImage::Format_ARGB32));
}

TEST_F(EditorMaterials, AModelCannotBeMirrored) {
    editor->materials().importFiles({text("s.obj", kTriangle)});
    EXPECT_FALSE(editor->materials().mirror(0));
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{"error この機能は３Ｄモデルに対して使うことはできません。"}));
    EXPECT_EQ(prompts.lastErrorCaption, "Fulgrane3D");
}

TEST_F(EditorMaterials, SaveCopiesTheWorkspaceFile) {
    editor->materials().importFiles({text("s.obj", kTriangle)});
    const std::string target = home.file("out/copy.obj");
    fs::create_directories(home.file("out"));
    ASSERT_TRUE(editor->materials().saveCopy(0, target));
    std::ifstream in(target, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), kTriangle);
    EXPECT_FALSE(editor->materials().saveCopy(1, target));
}

TEST_F(EditorMaterials, AThreeLevelEffectWithATextureComesBackAsLeft) {
    ASSERT_TRUE(editor->renameSelected("炎"));
    ASSERT_TRUE(editor->addChild().done());
    ASSERT_TRUE(editor->renameSelected("火花"));
    ASSERT_TRUE(editor->addChild().done());
    ASSERT_TRUE(editor->renameSelected("煙"));
    editor->materials().importFiles({image("glow.png", 8, 4, Qt::white)});
    editor->editInt(*findNodeField("m_texture.ID"), 0);
    // Every step can be undone and redone before saving.
    const int steps = editor->history().index();
    editor->jumpTo(0);
    EXPECT_EQ(editor->state().pRoot()->childAt(0)->m_name, "ノード1");
    editor->jumpTo(steps);
    ASSERT_TRUE(editor->document().saveTo(home.file("three.nbx")));

    auto reopened = test::makeEditor(&prompts);
    ASSERT_TRUE(reopened->document().openInPlace(home.file("three.nbx")));
    const Node& top = *reopened->state().pRoot()->childAt(0);
    ASSERT_EQ(top.childCount(), 1);
    ASSERT_EQ(top.childAt(0)->childCount(), 1);
    const Node& leaf = *top.childAt(0)->childAt(0);
    EXPECT_EQ(top.m_name, "炎");
    EXPECT_EQ(top.childAt(0)->m_name, "火花");
    EXPECT_EQ(leaf.m_name, "煙");
    EXPECT_EQ(leaf.m_texture.ID, 0);
    EXPECT_EQ(names(reopened->materials().list()), (std::vector<std::string>{"glow.png"}));
}

// Two nodes: node 1 with texture b.png, node 2 with texture c.png and the model s.
class EditorMaterialEdits : public EditorMaterials {
protected:
    void SetUp() override {
        editor->materials().importFiles(
            {image("b.png", 2, 2, Qt::red), image("c.png", 2, 2, Qt::blue), text("s.obj", kTriangle)});
        ASSERT_EQ(names(editor->materials().list()), (std::vector<std::string>{"b.png", "c.png", "s"}));
        ASSERT_TRUE(editor->addBelow().done());
        editor->editInt(*findNodeField("m_texture.ID"), 1);   // node 2: c.png
        editor->editInt(*findNodeField("m_shape.type"), 5);   // node 2: s
        editor->selectNode(1);
        editor->editInt(*findNodeField("m_texture.ID"), 0);   // node 1: b.png
    }
    const Node& node(std::int32_t id) { return *editor->state().tree.findById(id); }
    std::string label() { return editor->history().entry(editor->history().index()).label.sourceText(); }
    std::string bytes(const std::string& fileName) { return readFileBytes(work(fileName)).value_or("(none)"); }
};

TEST_F(EditorMaterialEdits, UndoingADeleteBringsTheFileAndItsNodesBack) {
    const std::string original = bytes("b.png.png");
    const int before = editor->history().index();
    test::PartSpy changes(*editor, DocumentPart::Materials);
    ASSERT_TRUE(editor->materials().remove(0));
    EXPECT_EQ(label(), "＜b.png＞を削除");
    EXPECT_FALSE(fs::exists(work("b.png.png")));
    EXPECT_EQ(node(1).m_texture.ID, -1);
    EXPECT_EQ(node(2).m_texture.ID, 0);

    editor->undo();
    EXPECT_EQ(editor->history().index(), before);
    EXPECT_EQ(bytes("b.png.png"), original);
    EXPECT_EQ(names(editor->materials().list()), (std::vector<std::string>{"b.png", "c.png", "s"}));
    EXPECT_EQ(node(1).m_texture.ID, 0);
    EXPECT_EQ(node(2).m_texture.ID, 1);
    EXPECT_EQ(changes.count(), 2);  // the panels and the preview reload the list

    editor->redo();
    EXPECT_FALSE(fs::exists(work("b.png.png")));
    EXPECT_EQ(node(1).m_texture.ID, -1);
    EXPECT_EQ(node(2).m_texture.ID, 0);

    // A model: its nodes take it again, wherever the list has put it.
    editor->jumpTo(before);
    ASSERT_TRUE(editor->materials().remove(2));
    editor->materials().importFiles({text("a.obj", kTriangle)});
    EXPECT_EQ(node(2).m_shape.type, 5);  // the shape stays, now naming a
    editor->undo();
    editor->undo();
    EXPECT_EQ(names(editor->materials().list()), (std::vector<std::string>{"b.png", "c.png", "s"}));
    EXPECT_EQ(node(2).m_shape.type, 5);
    editor->redo();
    editor->redo();
    editor->undo();  // the import only
    EXPECT_FALSE(fs::exists(work("s.obj")));
    editor->undo();  // the delete, with a.obj no longer there
    EXPECT_EQ(node(2).m_shape.type, 5);
    ASSERT_TRUE(editor->materials().importFiles({text("a.obj", kTriangle)}) == 1);
    EXPECT_EQ(node(2).m_shape.type, 6);  // s, now the second model
}

TEST_F(EditorMaterialEdits, ImportMirrorAndReplaceAreUndoneToTheOriginalBytes) {
    const std::string original = bytes("c.png.png");
    ASSERT_TRUE(editor->materials().mirror(1));
    EXPECT_EQ(label(), "＜c.png＞を反転");
    editor->undo();
    EXPECT_EQ(bytes("c.png.png"), original);

    ASSERT_EQ(editor->materials().importFiles({image("a.png", 2, 2, Qt::green)}), 1);
    EXPECT_EQ(label(), "＜a.png＞をインポート");
    EXPECT_EQ(node(1).m_texture.ID, 1);
    editor->undo();
    EXPECT_FALSE(fs::exists(work("a.png.png")));
    EXPECT_EQ(node(1).m_texture.ID, 0);
    editor->redo();
    EXPECT_TRUE(fs::exists(work("a.png.png")));
    EXPECT_EQ(node(1).m_texture.ID, 1);

    // Replace keeps the name and the users; only the bytes change.
    ASSERT_TRUE(editor->materials().replace(2, image("other.jpg", 6, 3, Qt::yellow)));
    EXPECT_EQ(label(), "＜c.png＞を置き換え");
    EXPECT_EQ(QImage(QString::fromStdString(work("c.png.png").string())).size(), QSize(6, 6));
    EXPECT_EQ(node(2).m_texture.ID, 2);
    editor->undo();
    EXPECT_EQ(bytes("c.png.png"), original);

    // An image for a model, a model for an image: a message, nothing changes.
    const int entries = editor->history().count();
    EXPECT_FALSE(editor->materials().replace(3, image("pic.png", 2, 2, Qt::red)));
    EXPECT_FALSE(editor->materials().replace(0, text("m.obj", kTriangle)));
    EXPECT_FALSE(editor->materials().replace(0, text("notes.txt", "x")));
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{"error 「s」は３Ｄモデルです。３Ｄモデルのファイルで置き換えてください。",
                                                       "error 「a.png」は画像です。画像ファイルで置き換えてください。",
                                                       "error 「a.png」は画像です。画像ファイルで置き換えてください。"}));
    EXPECT_EQ(editor->history().count(), entries);
}

TEST_F(EditorMaterialEdits, RenamedMaterialsKeepTheirNodesAndTheirExtension) {
    ASSERT_TRUE(editor->materials().rename(1, "smoke"));  // c.png
    EXPECT_EQ(label(), "＜c.png＞の名前を＜smoke＞に変更");
    EXPECT_TRUE(fs::exists(work("smoke.png")));
    EXPECT_FALSE(fs::exists(work("c.png.png")));
    EXPECT_EQ(names(editor->materials().list()), (std::vector<std::string>{"b.png", "smoke", "s"}));
    EXPECT_EQ(node(2).m_texture.ID, 1);
    ASSERT_TRUE(editor->materials().rename(2, "arrow"));  // the model
    EXPECT_TRUE(fs::exists(work("arrow.obj")));
    EXPECT_EQ(node(2).m_shape.type, 5);
    ASSERT_TRUE(editor->materials().rename(0, "z"));  // b.png sorts last now
    EXPECT_EQ(names(editor->materials().list()), (std::vector<std::string>{"smoke", "z", "arrow"}));
    EXPECT_EQ(node(1).m_texture.ID, 1);
    EXPECT_EQ(node(2).m_texture.ID, 0);

    // Undone one by one, and done again.
    editor->undo();
    editor->undo();
    editor->undo();
    EXPECT_EQ(names(editor->materials().list()), (std::vector<std::string>{"b.png", "c.png", "s"}));
    EXPECT_TRUE(fs::exists(work("c.png.png")));
    EXPECT_FALSE(fs::exists(work("smoke.png")));
    EXPECT_EQ(node(1).m_texture.ID, 0);
    EXPECT_EQ(node(2).m_texture.ID, 1);
    editor->jumpTo(editor->history().count() - 1);
    EXPECT_EQ(names(editor->materials().list()), (std::vector<std::string>{"smoke", "z", "arrow"}));
    EXPECT_EQ(node(1).m_texture.ID, 1);
    EXPECT_EQ(node(2).m_texture.ID, 0);

    // Names the project cannot hold, or that another material has.
    const int entries = editor->history().count();
    EXPECT_FALSE(editor->materials().rename(0, "a,b"));
    EXPECT_FALSE(editor->materials().rename(0, "x/y"));
    EXPECT_FALSE(editor->materials().rename(0, "z"));
    EXPECT_FALSE(editor->materials().rename(0, "arrow"));
    EXPECT_FALSE(editor->materials().rename(0, ""));
    EXPECT_FALSE(editor->materials().rename(0, "smoke"));  // unchanged: nothing to do
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{"error 「a,b」という名前は使えません。",
                                                       "error 「x/y」という名前は使えません。",
                                                       "error 「z」という名前の素材はすでにあります。",
                                                       "error 「arrow」という名前の素材はすでにあります。"}));
    EXPECT_EQ(editor->history().count(), entries);
}

TEST_F(EditorMaterialEdits, AUsedMaterialIsDeletedOnlyAfterTheQuestion) {
    editor->changeDocument({}, [](EditorState& g) { g.tree.findById(2)->m_texture.ID = 0; });
    EXPECT_FALSE(editor->materials().removeAsking(0));
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{"delete b.png used by 2?"}));
    EXPECT_TRUE(fs::exists(work("b.png.png")));
    EXPECT_EQ(node(1).m_texture.ID, 0);

    prompts.deleteUsedMaterial = true;
    EXPECT_TRUE(editor->materials().removeAsking(0));
    EXPECT_FALSE(fs::exists(work("b.png.png")));
    EXPECT_EQ(node(2).m_texture.ID, -1);

    // c.png is no node's texture any more: no question.
    prompts.asked.clear();
    EXPECT_TRUE(editor->materials().removeAsking(0));
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(names(editor->materials().list()), (std::vector<std::string>{"s"}));
    EXPECT_EQ(prompts.asked, std::vector<std::string>{});
}

TEST_F(EditorMaterialEdits, AChangedSourceFileCanBeReadAgainAfterTheQuestion) {
    const std::string source = home.file("b.png");
    EXPECT_FALSE(editor->materials().canReload(0));
    EXPECT_FALSE(editor->materials().canReload(2));
    image("b.png", 4, 2, Qt::green);
    ASSERT_TRUE(editor->materials().canReload(0));
    const int entries = editor->history().count();
    EXPECT_FALSE(editor->materials().reload(0));
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{"reload b.png?"}));
    EXPECT_EQ(QImage(QString::fromStdString(work("b.png.png").string())).size(), QSize(2, 2));

    prompts.reloadMaterial = true;
    EXPECT_TRUE(editor->materials().reload(0));
    EXPECT_EQ(label(), "＜b.png＞を再読み込み");
    EXPECT_EQ(editor->history().count(), entries + 1);
    EXPECT_EQ(QImage(QString::fromStdString(work("b.png.png").string())).pixel(1, 1), qRgba(0, 255, 0, 255));
    EXPECT_EQ(node(1).m_texture.ID, 0);
    EXPECT_FALSE(editor->materials().canReload(0));

    // The source gone: nothing to read again.
    image("b.png", 8, 8, Qt::blue);
    fs::remove(source);
    EXPECT_FALSE(editor->materials().canReload(0));
}

}  // namespace
}  // namespace fg
