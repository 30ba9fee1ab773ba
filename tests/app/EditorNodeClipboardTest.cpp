// The node clipboard between two editors: a subtree with its fields, curves
// and materials goes out as bytes and comes into another project as one
// add entry; clashing material names keep both; broken bytes and full
// parents paste nothing.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <filesystem>

#include "EditorTestSupport.h"
#include "model/NodeFields.h"
#include "persistence/NodeClipboard.h"

namespace fg {
namespace {

namespace fs = std::filesystem;
using test::ScratchHome;
using test::ScriptedPrompts;

std::vector<std::string> materialNames(const Editor& editor) {
    std::vector<std::string> names;
    for (const MaterialFile& material : editor.materials().list()) names.push_back(material.name);
    return names;
}

class EditorNodeClipboard : public ::testing::Test {
protected:
    std::string image(const std::string& name, QColor colour) {
        QImage picture(8, 8, QImage::Format_ARGB32);
        picture.fill(colour);
        const std::string path = home.file(name);
        EXPECT_TRUE(picture.save(QString::fromStdString(path)));
        return path;
    }
    QColor textureColour(const Editor& editor, const Node& node) {
        const std::vector<MaterialFile> list = editor.materials().list();
        const auto& file = list.at(static_cast<std::size_t>(node.m_texture.ID)).fileName;
        return QImage(QString::fromStdString((fs::path(editor.state().workDir) / file).string())).pixelColor(4, 4);
    }
    // In `source`: ノード1 with a child ノード2 textured "fire.png" (red), a
    // curve of its own and a changed parameter; ノード1 selected.
    void buildSource() {
        ASSERT_EQ(source->materials().importFiles({image("fire.png", QColor(255, 0, 0))}), 1);
        ASSERT_TRUE(source->addChild().done());
        source->editInt(*findNodeField("m_texture.ID"), 0);
        source->editInt(*findNodeField("m_kill.span"), 77);
        source->beginGraphEdit(kCurveOpacity);
        source->setGraphPoints(kCurveOpacity, {{0.0f, 0.25f}, {40.0f, 1.0f}, {100.0f, 0.0f}});
        ASSERT_TRUE(source->renameSelected("火花"));
        source->selectNode(1);
    }

    ScratchHome home;
    ScriptedPrompts prompts;
    std::unique_ptr<Editor> source = test::makeEditor(&prompts);
    std::unique_ptr<Editor> target = test::makeEditor(&prompts);
};

TEST_F(EditorNodeClipboard, ASubtreeComesIntoAnotherProjectWithItsFieldsCurvesAndMaterials) {
    buildSource();
    const std::string bytes = source->copyNodeBytes();
    ASSERT_FALSE(bytes.empty());
    // The target has a different image under the same name.
    ASSERT_EQ(target->materials().importFiles({image("fire.png", QColor(0, 0, 255))}), 1);
    const int entries = target->history().count();

    ASSERT_TRUE(target->pasteNodeBytes(bytes).done());
    const Node& root = target->state().tree.root();
    ASSERT_EQ(root.childCount(), 2);  // beside ノード1, below it
    const Node& pasted = *root.childAt(1);
    EXPECT_EQ(pasted.m_name, "ノード1");
    EXPECT_EQ(target->state().pSelNode(), &pasted);
    ASSERT_EQ(pasted.childCount(), 1);
    const Node& spark = *pasted.childAt(0);
    const Node& original = *source->state().tree.findById(2);
    EXPECT_EQ(spark.m_name, "火花");
    EXPECT_EQ(spark.m_kill.span, 77);
    EXPECT_EQ(spark.curve(kCurveOpacity).points(), original.curve(kCurveOpacity).points());
    // New IDs, unique in the target.
    EXPECT_NE(pasted.m_ID, 1);
    EXPECT_NE(spark.m_ID, pasted.m_ID);
    // Both images stay (in list order); the pasted node uses the one it brought.
    EXPECT_EQ(materialNames(*target), (std::vector<std::string>{"fire.png (2)", "fire.png"}));
    EXPECT_EQ(textureColour(*target, spark), QColor(255, 0, 0));
    EXPECT_EQ(root.childAt(0)->m_texture.ID, -1);
    ASSERT_EQ(target->history().count(), entries + 1);
    EXPECT_EQ(target->history().entry(entries).label.sourceText(), "＜ノード1＞を追加");
    EXPECT_TRUE(target->isModified());

    target->undo();
    EXPECT_EQ(target->state().tree.root().childCount(), 1);
    target->redo();
    ASSERT_EQ(target->state().tree.root().childCount(), 2);
    EXPECT_EQ(textureColour(*target, *target->state().tree.root().childAt(1)->childAt(0)), QColor(255, 0, 0));
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(EditorNodeClipboard, TheSameImageAgainIsTheOneAlreadyThere) {
    buildSource();
    const std::string bytes = source->copyNodeBytes();
    ASSERT_TRUE(source->pasteNodeBytes(bytes).done());
    EXPECT_EQ(materialNames(*source), (std::vector<std::string>{"fire.png"}));
    const Node& pasted = *source->state().tree.root().childAt(1);
    EXPECT_EQ(pasted.childAt(0)->m_texture.ID, 0);
}

TEST_F(EditorNodeClipboard, BrokenBytesShowAMessageAndPasteNothing) {
    buildSource();
    std::string bytes = source->copyNodeBytes();
    const int entries = target->history().count();
    for (const std::string& broken :
         {std::string("not a payload"), bytes.substr(0, bytes.size() / 2), std::string(), std::string("NebrixData,3,0,")}) {
        prompts.asked.clear();
        EXPECT_EQ(target->pasteNodeBytes(broken).outcome, TreeEditResult::Outcome::Refused);
        EXPECT_EQ(prompts.asked, (std::vector<std::string>{"error クリップボードのノードを読み込めませんでした。"}));
    }
    EXPECT_EQ(target->history().count(), entries);
    EXPECT_EQ(target->state().tree.root().childCount(), 1);
    EXPECT_TRUE(materialNames(*target).empty());
}

TEST_F(EditorNodeClipboard, AFullParentRefusesWithItsMessageAndTakesNoMaterial) {
    buildSource();
    const std::string bytes = source->copyNodeBytes();
    for (int i = 0; i < 8; ++i) ASSERT_TRUE(target->addBelow().done());  // nine top-level nodes
    const int entries = target->history().count();
    EXPECT_EQ(target->pasteNodeBytes(bytes).outcome, TreeEditResult::Outcome::Refused);
    EXPECT_EQ(prompts.asked.back(), "error これ以上ノードを追加できません。\n一つのノードに置ける子ノードは9個までです。");
    EXPECT_EQ(target->history().count(), entries);
    EXPECT_TRUE(materialNames(*target).empty());
}

}  // namespace
}  // namespace fg
