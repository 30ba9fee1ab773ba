// Texture and model-shape entries keep their material by name: undo and
// redo find it wherever the list has moved it, and a material that is gone
// never turns into another one. Material edits change the files through a
// store and carry every reference across, a delete's users included.

#include <gtest/gtest.h>

#include <map>

#include "HistoryTestSupport.h"
#include "model/MaterialNames.h"

namespace fg {
namespace {

using test::row;

// Images first, then models.
MaterialNameList list(std::vector<std::string> images, std::vector<std::string> models) {
    MaterialNameList materials;
    materials.imageCount = static_cast<int>(images.size());
    materials.names = std::move(images);
    materials.names.insert(materials.names.end(), models.begin(), models.end());
    return materials;
}

class MaterialHistory : public ::testing::Test {
protected:
    EffectTree tree = EffectTree::startup();
    EditHistory history;
    Node& node() { return *tree.root().childAt(0); }
};

TEST_F(MaterialHistory, ATextureChoiceComesBackByNameAfterAnImportMovedTheList) {
    const MaterialNameList before = list({"fire", "spark"}, {});
    node().m_texture.ID = 0;  // fire
    ASSERT_TRUE(history.push(tree, Edit::setInt(node(), row("m_texture.ID"), 1, before), before));  // spark

    // A file sorting first arrives: fire is at 1, spark at 2.
    const MaterialNameList after = list({"mixed", "fire", "spark"}, {});
    node().m_texture.ID = 2;  // the list change kept the node on spark
    ASSERT_TRUE(history.undo(tree, after));
    EXPECT_EQ(node().m_texture.ID, 1);  // fire, not "mixed"
    ASSERT_TRUE(history.redo(tree, after));
    EXPECT_EQ(node().m_texture.ID, 2);  // spark

    // Undo once more, import again, and redo: still spark by name.
    ASSERT_TRUE(history.undo(tree, after));
    const MaterialNameList third = list({"a", "mixed", "fire", "spark"}, {});
    node().m_texture.ID = 2;  // fire, moved by the list change
    ASSERT_TRUE(history.redo(tree, third));
    EXPECT_EQ(node().m_texture.ID, 3);
}

TEST_F(MaterialHistory, ATextureThatIsGoneBecomesNoneNeverAnotherOne) {
    const MaterialNameList before = list({"fire", "spark"}, {});
    node().m_texture.ID = 0;
    ASSERT_TRUE(history.push(tree, Edit::setInt(node(), row("m_texture.ID"), 1, before), before));

    const MaterialNameList fireDeleted = list({"spark"}, {});
    node().m_texture.ID = 0;  // spark, moved down
    ASSERT_TRUE(history.undo(tree, fireDeleted));
    EXPECT_EQ(node().m_texture.ID, -1);
    ASSERT_TRUE(history.redo(tree, fireDeleted));
    EXPECT_EQ(node().m_texture.ID, 0);

    // "なし" recorded stays none whatever the list holds.
    ASSERT_TRUE(history.push(tree, Edit::setInt(node(), row("m_texture.ID"), -1, fireDeleted), fireDeleted));
    ASSERT_TRUE(history.undo(tree, list({}, {})));
    EXPECT_EQ(node().m_texture.ID, -1);  // spark is gone too
    ASSERT_TRUE(history.redo(tree, list({"spark"}, {})));
    EXPECT_EQ(node().m_texture.ID, -1);
}

TEST_F(MaterialHistory, AModelShapeFollowsItsModelAndStaysWhenTheModelIsGone) {
    const MaterialNameList before = list({"fire"}, {"cube", "ring"});
    ASSERT_TRUE(history.push(tree, Edit::setInt(node(), row("m_shape.type"), 6, before), before));  // ring
    ASSERT_TRUE(history.push(tree, Edit::setInt(node(), row("m_shape.type"), 2, before), before));  // merges: still one entry
    ASSERT_EQ(history.count(), 2);
    ASSERT_TRUE(history.push(tree, Edit::setInt(node(), row("m_texture.ID"), 0, before), before));
    ASSERT_TRUE(history.push(tree, Edit::setInt(node(), row("m_shape.type"), 5, before), before));  // cube

    // A model sorting first: cube is the second model now.
    const MaterialNameList imported = list({"fire"}, {"arc", "cube", "ring"});
    node().m_shape.type = 6;
    ASSERT_TRUE(history.undo(tree, imported));
    EXPECT_EQ(node().m_shape.type, 2);  // a built-in shape is a plain number
    ASSERT_TRUE(history.redo(tree, imported));
    EXPECT_EQ(node().m_shape.type, 6);  // cube

    // Away from cube, then cube deleted: ring now sits at cube's old
    // number. Undo cannot find cube and leaves the shape as it is, as
    // deleting a model does, rather than picking ring.
    ASSERT_TRUE(history.push(tree, Edit::setInt(node(), row("m_texture.w"), 2, imported), imported));
    ASSERT_TRUE(history.push(tree, Edit::setInt(node(), row("m_shape.type"), 1, imported), imported));
    const MaterialNameList deleted = list({"fire"}, {"arc", "ring"});
    ASSERT_TRUE(history.undo(tree, deleted));
    EXPECT_EQ(node().m_shape.type, 1);
    ASSERT_TRUE(history.redo(tree, deleted));
    EXPECT_EQ(node().m_shape.type, 1);
    ASSERT_TRUE(history.jumpTo(tree, 2, deleted));
    EXPECT_EQ(node().m_shape.type, 2);
}

TEST_F(MaterialHistory, OtherParametersAreNumbersWhateverTheList) {
    ASSERT_TRUE(history.push(tree, Edit::setInt(node(), row("m_texture.w"), 2, list({"a"}, {})), list({"a"}, {})));
    ASSERT_TRUE(history.undo(tree, list({}, {})));
    EXPECT_EQ(node().m_texture.w, 4);
    EXPECT_TRUE(selectsMaterial(row("m_texture.ID")));
    EXPECT_TRUE(selectsMaterial(row("m_shape.type")));
    EXPECT_FALSE(selectsMaterial(row("m_texture.w")));
}

TEST_F(MaterialHistory, SavedSubtreesFollowTheMaterialList) {
    ASSERT_TRUE(tree.addChildToSelected().done());
    Node& child = *node().childAt(0);
    node().m_texture.ID = 1;
    child.m_shape.type = 5;
    // A second top-level node, so that the first may go.
    tree.addChild(tree.root());
    tree.finish();
    tree.select(&node());
    ASSERT_TRUE(test::command(history, tree, TreeCommand::Delete));
    ASSERT_EQ(history.savedSubtrees().size(), 1u);
    Node& saved = *history.savedSubtrees().front();

    const MaterialNameList before = list({"a", "b"}, {"m"});
    const MaterialNameList after = list({"0", "a", "b"}, {"k", "m"});
    rememberSubtreeMaterials(saved, before);
    relinkSubtreeMaterials(saved, after);
    EXPECT_EQ(saved.m_texture.ID, 2);
    EXPECT_EQ(saved.childAt(0)->m_shape.type, 6);
}

// Material files in memory: "*.png" are the images, "*.obj" the models,
// each kind in name order.
class MemoryStore : public MaterialStore {
public:
    std::map<std::string, std::string> files;

    MaterialNameList names() const override {
        std::vector<std::string> images;
        std::vector<std::string> models;
        for (const auto& [fileName, bytes] : files) {
            const std::string name = fileName.substr(0, fileName.rfind('.'));
            (fileName.ends_with(".obj") ? models : images).push_back(name);
        }
        return list(images, models);
    }
    bool write(const std::string& fileName, const std::optional<std::string>& bytes) override {
        if (bytes) {
            files[fileName] = *bytes;
        } else {
            files.erase(fileName);
        }
        return true;
    }
};

class MaterialFileHistory : public MaterialHistory {
protected:
    void SetUp() override {
        store.files = {{"a.png", "A"}, {"b.png", "B"}, {"m.obj", "M"}};
        ASSERT_TRUE(tree.addChildToSelected().done());
        node().m_texture.ID = 1;              // b
        node().childAt(0)->m_texture.ID = 1;  // b
        node().childAt(0)->m_shape.type = 5;  // m
    }
    Edit deleting(int index) {
        const MaterialNameList names = store.names();
        MaterialEdit change;
        const std::string name = names.names[static_cast<std::size_t>(index)];
        const std::string fileName = name + (index >= names.imageCount ? ".obj" : ".png");
        change.files.push_back({fileName, store.files.at(fileName), std::nullopt});
        change.deleted = name;
        change.users = materialUsers(tree, names, index);
        return Edit::material(Message::verbatim("delete " + name), std::move(change));
    }
    Node& child() { return *node().childAt(0); }
    MemoryStore store;
};

TEST_F(MaterialFileHistory, ADeleteIsUndoneWithItsFileAndItsUsers) {
    Edit edit = deleting(1);
    ASSERT_EQ(edit.as<MaterialEdit>().users.size(), 2u);
    ASSERT_TRUE(history.push(tree, std::move(edit), store));
    EXPECT_FALSE(store.files.contains("b.png"));
    EXPECT_EQ(node().m_texture.ID, -1);
    EXPECT_EQ(child().m_shape.type, 5);

    // A file sorting first arrived meanwhile (outside the history): b comes
    // back at its place by name.
    store.files["0.png"] = "0";
    ASSERT_TRUE(history.undo(tree, store));
    EXPECT_EQ(store.files.at("b.png"), "B");
    EXPECT_EQ(node().m_texture.ID, 2);
    EXPECT_EQ(child().m_texture.ID, 2);
    ASSERT_TRUE(history.redo(tree, store));
    EXPECT_EQ(node().m_texture.ID, -1);
    EXPECT_EQ(child().m_texture.ID, -1);
    EXPECT_TRUE(history.changesMaterials(1));
    EXPECT_FALSE(history.changesMaterials(0));
}

TEST_F(MaterialFileHistory, AModelDeleteGivesTheShapeBackWhereverTheModelSits) {
    ASSERT_TRUE(history.push(tree, deleting(2), store));
    store.files["k.obj"] = "K";  // the only model now, at shape 5
    ASSERT_TRUE(history.undo(tree, store));
    EXPECT_EQ(child().m_shape.type, 6);  // m sorts after k
}

TEST_F(MaterialFileHistory, ARenameCarriesTheReferencesBothWays) {
    MaterialEdit change;
    change.files.push_back({"b.png", "B", std::nullopt});
    change.files.push_back({"0.png", std::nullopt, "B"});
    change.renamedFrom = "b";
    change.renamedTo = "0";
    ASSERT_TRUE(history.push(tree, Edit::material(Message::verbatim("rename"), std::move(change)), store));
    EXPECT_EQ(store.names().names, (std::vector<std::string>{"0", "a", "m"}));
    EXPECT_EQ(node().m_texture.ID, 0);
    EXPECT_EQ(child().m_texture.ID, 0);
    ASSERT_TRUE(history.undo(tree, store));
    EXPECT_EQ(store.names().names, (std::vector<std::string>{"a", "b", "m"}));
    EXPECT_EQ(node().m_texture.ID, 1);
    EXPECT_EQ(child().m_shape.type, 5);
}

TEST_F(MaterialFileHistory, ADeletedNodeHeldByTheHistoryFollowsTooAndAFixedListStepsOver) {
    tree.addChild(tree.root());
    tree.finish();
    tree.select(&child());
    ASSERT_TRUE(test::command(history, tree, TreeCommand::Delete));  // the child, using b and m
    ASSERT_TRUE(history.push(tree, deleting(0), store));              // a: b moves to 0
    EXPECT_EQ(node().m_texture.ID, 0);
    ASSERT_TRUE(history.undo(tree, store));
    ASSERT_TRUE(history.undo(tree, store));
    EXPECT_EQ(child().m_texture.ID, 1);

    // Without a store the files cannot change: the entry is stepped over.
    ASSERT_TRUE(history.redo(tree, list({"a", "b"}, {"m"})));
    ASSERT_TRUE(history.redo(tree, list({"a", "b"}, {"m"})));
    EXPECT_TRUE(store.files.contains("a.png"));
}

}  // namespace
}  // namespace fg
