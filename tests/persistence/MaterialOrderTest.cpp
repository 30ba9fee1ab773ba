#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TempDir.h"
#include "model/Cp932.h"
#include "persistence/FileBytes.h"
#include "persistence/MaterialFiles.h"
#include "persistence/OpenProject.h"
#include "persistence/ProjectDocument.h"
#include "persistence/SaveIni.h"
#include "persistence/Workspace.h"

namespace fg {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

std::vector<std::string> listedFiles(const fs::path& dir) {
    std::vector<std::string> files;
    for (const MaterialFile& material : listMaterialFiles(dir)) files.push_back(material.fileName);
    return files;
}

std::vector<std::string> listedAfterWriting(const std::vector<std::string>& names) {
    TempDir work;
    for (const std::string& name : names) EXPECT_TRUE(writeFileBytes(work / name, "x"));
    return listedFiles(work.path());
}

TEST(MaterialOrder, LettersBeyondAsciiAreUpperCasedBeforeComparing) {
    // Ｂ (U+FF22) is below ａ (U+FF41) as it stands; upper-cased, ａ is Ａ (U+FF21).
    EXPECT_EQ(listedAfterWriting({"Ｂ.png", "ａ.png"}), (std::vector<std::string>{"ａ.png", "Ｂ.png"}));
    EXPECT_EQ(listedAfterWriting({"Β.png", "α.png", "Ｃ.png", "ｂ.png"}),
              (std::vector<std::string>{"α.png", "Β.png", "ｂ.png", "Ｃ.png"}));
    EXPECT_EQ(listedAfterWriting({"Б.png", "а.png", "ё.png", "Д.png"}),
              (std::vector<std::string>{"ё.png", "а.png", "Б.png", "Д.png"}));  // Ё is U+0401
    EXPECT_EQ(listedAfterWriting({"Ⅲ.png", "ⅱ.png"}), (std::vector<std::string>{"ⅱ.png", "Ⅲ.png"}));
}

TEST(MaterialOrder, CodeUnitsAreComparedAsUtf16) {
    // U+1F600 is the surrogate pair D83D DE00 and lists before U+FF41; its
    // UTF-8 bytes (F0 …) would sort after those of ａ (EF …).
    EXPECT_EQ(listedAfterWriting({"ａ.png", "\xF0\x9F\x98\x80.png"}),
              (std::vector<std::string>{"\xF0\x9F\x98\x80.png", "ａ.png"}));
    // Names equal once upper-cased keep a fixed order: their bytes.
    EXPECT_EQ(listedAfterWriting({"ａ.png", "Ａ.png"}), (std::vector<std::string>{"Ａ.png", "ａ.png"}));
}

// The archive of a project made on Windows: ａ.png, then Ｂ.png, as NTFS
// lists them; node 1 uses texture 0 (ａ), node 2 texture 1 (Ｂ).
std::string windowsProject() {
    EditorState made;
    Node& first = *made.tree.root().childAt(0);
    first.m_texture.ID = 0;
    made.tree.addChild(made.tree.root()).m_texture.ID = 1;
    IniDocument ini;
    EXPECT_FALSE(buildSaveIni(made, ini).has_value());
    const std::string settings = utf8ToCp932(ini.serialize());
    return "NebrixData,3,2," + utf8ToCp932("ａ.png") + ",1,a" + utf8ToCp932("Ｂ.png") + ",1,b" + "save.ini," +
           std::to_string(settings.size()) + "," + settings;
}

TEST(MaterialOrder, FullWidthNamesKeepEachNodesTextureThroughASave) {
    TempDir root;
    const std::string original = windowsProject();
    ASSERT_TRUE(writeFileBytes(root / "p.nbx", original));
    auto workspace = ScopedWorkspace::create(root / "ws");
    ASSERT_TRUE(workspace);
    EditorState g;
    g.workDir = workspace->path().string();
    ASSERT_TRUE(openProjectForTool(g, (root / "p.nbx").string()).ok);

    const MaterialPaths paths = materialPaths(g.workDir);
    ASSERT_EQ(paths.images.size(), 2u);
    const Node& first = *g.tree.root().childAt(0);
    const Node& second = *g.tree.root().childAt(1);
    EXPECT_EQ(readFileBytes(paths.images[static_cast<std::size_t>(first.m_texture.ID)]), "a");
    EXPECT_EQ(readFileBytes(paths.images[static_cast<std::size_t>(second.m_texture.ID)]), "b");

    // Saving writes the records in the same order: the file comes back unchanged.
    const std::string saved = (root / "saved.nbx").string();
    ASSERT_TRUE(saveProjectTo(g, saved).ok);
    EXPECT_EQ(readFileBytes(saved), original);
}

}  // namespace
}  // namespace fg
