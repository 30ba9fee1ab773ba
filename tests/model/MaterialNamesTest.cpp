#include <gtest/gtest.h>

#include "model/EffectTree.h"
#include "model/MaterialNames.h"

namespace fg {
namespace {

// Runs the four walks around a change of the material list.
void changeMaterials(EffectTree& tree, const MaterialNameList& before, const MaterialNameList& after) {
    rememberTextureNames(tree.root(), before);
    rememberModelNames(tree.root(), before);
    relinkTextures(tree.root(), after);
    relinkModels(tree.root(), after);
}

TEST(MaterialNames, RelinkFollowsNamesAcrossAReorder) {
    EffectTree tree = EffectTree::startup();
    Node& a = *tree.selected();
    Node& b = tree.addChild(tree.root());
    a.m_texture.ID = 1;    // spark.png
    a.m_shape.type = 6;    // second model: ring.obj
    b.m_texture.ID = -1;
    b.m_shape.type = 5;    // first model: cone.obj
    const MaterialNameList before{{"fire.png", "spark.png", "cone.obj", "ring.obj"}, 2};
    const MaterialNameList after{{"new.png", "spark.png", "fire.png", "ring.obj", "cone.obj"}, 3};
    changeMaterials(tree, before, after);
    EXPECT_EQ(a.m_texture.name, "spark.png");
    EXPECT_EQ(a.m_texture.ID, 1);
    EXPECT_EQ(a.m_shape.type, 5);  // ring.obj is now the first model
    EXPECT_EQ(b.m_texture.ID, -1);
    EXPECT_EQ(b.m_shape.type, 6);
}

TEST(MaterialNames, RemovedMaterials) {
    EffectTree tree = EffectTree::startup();
    Node& n = *tree.selected();
    n.m_texture.ID = 0;
    n.m_shape.type = 5;
    const MaterialNameList before{{"fire.png", "cone.obj"}, 1};
    const MaterialNameList after{{}, 0};
    changeMaterials(tree, before, after);
    EXPECT_EQ(n.m_texture.ID, -1);  // the image went: no texture
    EXPECT_EQ(n.m_shape.type, 5);   // the model went: the shape number stays
    EXPECT_EQ(n.m_shape.objName, "cone.obj");
}

TEST(MaterialNames, RootIsSkippedForTexturesAndOutOfRangeIndicesReadEmpty) {
    EffectTree tree = EffectTree::startup();
    tree.root().m_texture.ID = 0;
    Node& n = *tree.selected();
    n.m_texture.ID = 7;   // no such image
    n.m_shape.type = 9;   // no such model
    n.m_shape.objName = "stale";
    const MaterialNameList list{{"a.png", "b.obj"}, 1};
    rememberTextureNames(tree.root(), list);
    rememberModelNames(tree.root(), list);
    EXPECT_TRUE(tree.root().m_texture.name.empty());
    EXPECT_TRUE(n.m_texture.name.empty());
    EXPECT_TRUE(n.m_shape.objName.empty());
    relinkTextures(tree.root(), list);
    relinkModels(tree.root(), list);
    EXPECT_EQ(tree.root().m_texture.ID, 0);
    EXPECT_EQ(n.m_texture.ID, -1);
    EXPECT_EQ(n.m_shape.type, 9);
    // A model name that now belongs to an image position never gives a type below 5.
    n.m_shape.objName = "a.png";
    relinkModels(tree.root(), list);
    EXPECT_EQ(n.m_shape.type, 9);
}

}  // namespace
}  // namespace fg
