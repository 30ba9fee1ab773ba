#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempDir.h"
#include "model/Cp932.h"
#include "model/NodeFields.h"
#include "persistence/FileBytes.h"
#include "persistence/Ini.h"
#include "persistence/SaveIni.h"

namespace fg {
namespace {

using test::TempDir;

// Section names in file order.
std::vector<std::string> sectionOrder(const std::string& text) {
    std::vector<std::string> names;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        if (text[at] == '[') names.push_back(text.substr(at + 1, text.find(']', at) - at - 1));
        at = end == std::string::npos ? text.size() : end + 2;
    }
    return names;
}

// Keys of one section in file order.
std::vector<std::string> keysOf(const std::string& text, const std::string& section) {
    std::vector<std::string> keys;
    std::size_t at = text.find("[" + section + "]\r\n");
    if (at == std::string::npos) return keys;
    at = text.find("\r\n", at) + 2;
    while (at < text.size() && text[at] != '[') {
        const std::size_t end = text.find("\r\n", at);
        const std::string line = text.substr(at, end - at);
        keys.push_back(line.substr(0, line.find('=')));
        at = end + 2;
    }
    return keys;
}

std::string saveText(const EditorState& g) {
    IniDocument ini;
    EXPECT_FALSE(buildSaveIni(g, ini).has_value());
    return ini.serialize();
}

// Writes g, reads it back into a fresh state with the given version.
EditorState roundTrip(const EditorState& g, int version = 3) {
    EditorState back;
    back.fileVersion = version;
    const IniDocument ini = IniDocument::parse(saveText(g));
    readSettings(back, ini);
    readNodeTree(back, ini);
    return back;
}

TEST(SaveIniWrite, ThreeTopLevelNodesGiveSections1_2_21_22_3) {
    EditorState g;
    Node& second = g.tree.addChild(g.tree.root());
    g.tree.addChild(g.tree.root());
    g.tree.addChild(second);
    g.tree.addChild(second);
    const std::vector<std::string> expected{"0",  "ViewList0", "ViewList1", "ViewList2", "ViewList3",
                                            "1",  "2",         "21",        "22",        "3"};
    EXPECT_EQ(sectionOrder(saveText(g)), expected);
}

TEST(SaveIniWrite, SettingsSectionHasEveryKeyInOrder) {
    EditorState g;
    g.project.backColor = {10.5f, 20.0f, 30.25f};
    const std::string text = saveText(g);
    const std::vector<std::string> expected{
        "g.project.frame", "g.project.fps",   "g.project.backColor.x", "g.project.backColor.y",
        "g.project.backColor.z", "g.project.width", "g.project.height", "g.project.reverse",
        "g.project.randomSeed", "g.project.sort", "g.write.start", "g.write.end", "g.write.step",
        "g.write.width", "g.write.height", "g.write.type", "g.write.isAlpha", "g.write.smooth",
        "camPos.x", "camPos.y", "camPos.z", "camTarget.x", "camTarget.y", "camTarget.z"};
    EXPECT_EQ(keysOf(text, "0"), expected);
    EXPECT_EQ(text.rfind("[0]\r\ng.project.frame=60\r\ng.project.fps=60\r\ng.project.backColor.x=10.500000\r\n"
                         "g.project.backColor.y=20.000000\r\ng.project.backColor.z=30.250000\r\n"
                         "g.project.width=128\r\n",
                         0),
              0u);
}

TEST(SaveIniWrite, NodeSectionHasEveryKeyInOrderThenTheCurves) {
    EditorState g;
    const std::string text = saveText(g);
    const std::vector<std::string> fields{
        "m_name", "m_isDraw", "m_ID", "m_emitter.type", "m_emitter.size.x", "m_emitter.size.y", "m_emitter.size.z",
        "m_emitter.pos.x", "m_emitter.pos.y", "m_emitter.pos.z", "m_emitter.scope", "m_emitter.err",
        "m_emitter.fix", "m_emitter.scaleFix", "m_emitter.isEvenInterval", "m_timing.type", "m_timing.start",
        "m_timing.end", "m_timing.often", "m_timing.often_err", "m_timing.num", "m_timing.num_err",
        "m_kill.span", "m_kill.span_err", "m_kill.isFrame", "m_kill.frame", "m_kill.frame_err", "m_kill.isLand",
        "m_move.isOneWay", "m_move.oneway_err", "m_move.dirX", "m_move.dirY", "m_move.speed",
        "m_move.speed_err", "m_move.isFollow", "m_move.gravity", "m_move.absorbPawer", "m_move.absorbPos.x",
        "m_move.absorbPos.y", "m_move.absorbPos.z", "m_shape.type", "m_shape.dir", "m_shape.isDir",
        "m_shape.isUnderCut", "m_texture.ID", "m_texture.isAdd", "m_texture.isAnim", "m_texture.w",
        "m_texture.h", "m_texture.speed", "m_texture.isLoop", "m_scale.max", "m_scale.max_err",
        "m_scale.trailLength", "m_scale.trailThickChange", "m_color.isAlphaParent", "m_color.brigRnd",
        "m_color.alphaRnd", "m_rotate.axis", "m_rotate.angle", "m_rotate.angle_err", "m_rotate.dir",
        "m_rotate.isSameParent", "m_rotate.revAxis", "m_rotate.revAngle", "m_rotate.revAngle_err",
        "m_rotate.revDir"};
    std::vector<std::string> expected = fields;
    for (int c = 0; c < kCurveCount; ++c) {
        expected.push_back("graphPointNum" + std::to_string(c));
        for (int j = 0; j < 2; ++j) {
            expected.push_back("graphPoint" + std::to_string(c) + "-" + std::to_string(j) + "_X");
            expected.push_back("graphPoint" + std::to_string(c) + "-" + std::to_string(j) + "_Y");
        }
    }
    EXPECT_EQ(keysOf(text, "1"), expected);
    EXPECT_NE(text.find("[1]\r\nm_name=ノード1\r\nm_isDraw=1\r\nm_ID=1\r\nm_emitter.type=5\r\n"
                        "m_emitter.size.x=0.000000\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("graphPointNum3=2\r\ngraphPoint3-0_X=0.000000\r\ngraphPoint3-0_Y=100.000000\r\n"),
              std::string::npos);
}

TEST(SaveIniViews, PositionsAreStoredTimesTenTruncated) {
    EditorState g;
    g.viewList = {ViewEntry{{1.25f, 0.0f, -8.0f}, {-0.19f, 2.0f, 0.0f}, 45.9f, "A"}, viewListPlaceholder()};
    const std::string text = saveText(g);
    EXPECT_NE(text.find("[ViewList0]\r\nTitle=A\r\nPosX=12\r\nPosY=0\r\nPosZ=-80\r\nTargetX=-1\r\nTargetY=20\r\n"
                        "TargetZ=0\r\nAngle=45\r\n[ViewList1]\r\nTitle=＜追加＞\r\n"),
              std::string::npos);
    const EditorState back = roundTrip(g);
    ASSERT_EQ(back.viewList.size(), 2u);
    EXPECT_FLOAT_EQ(back.viewList[0].pos.x, 1.2f);
    EXPECT_FLOAT_EQ(back.viewList[0].pos.z, -8.0f);
    EXPECT_FLOAT_EQ(back.viewList[0].target.x, -0.1f);
    EXPECT_FLOAT_EQ(back.viewList[0].angle, 45.0f);
    EXPECT_EQ(back.viewList[1].title, kViewListPlaceholder);
}

TEST(SaveIniViews, RepeatedSavesDoNotMoveAView) {
    // -0.7 is a hair above -0.7 as a float; times ten truncated naively gives -6.
    EditorState g;
    g.viewList = {ViewEntry{{-0.7f, 0.7f, 2.3f}, {-1.9f, 0.0f, 9.7f}, 60.0f, "v"}, viewListPlaceholder()};
    for (int save = 0; save < 3; ++save) {
        const std::string text = saveText(g);
        EXPECT_NE(text.find("PosX=-7\r\nPosY=7\r\nPosZ=23\r\nTargetX=-19\r\nTargetY=0\r\nTargetZ=97\r\n"),
                  std::string::npos)
            << save;
        g = roundTrip(g);
    }
    // Only a float that is exactly some k / 10 stores k; near misses truncate.
    g.viewList = {ViewEntry{{1234.599f, 0.25f, -0.06f}, {}, 60.0f, "w"}, viewListPlaceholder()};
    EXPECT_NE(saveText(g).find("PosX=12345\r\nPosY=2\r\nPosZ=0\r\n"), std::string::npos);
}

TEST(SaveIniViews, ReadingStopsAtTheFirstEmptyTitleAndAddsThePlaceholderToAnEmptyList) {
    EditorState g;
    readSettings(g, IniDocument::parse("[ViewList0]\nTitle=a\n[ViewList1]\nTitle=\n[ViewList2]\nTitle=c\n"));
    ASSERT_EQ(g.viewList.size(), 1u);
    EXPECT_EQ(g.viewList[0].title, "a");
    readSettings(g, IniDocument::parse("[0]\ng.project.fps=30\n"));
    ASSERT_EQ(g.viewList.size(), 1u);
    EXPECT_EQ(g.viewList[0].title, kViewListPlaceholder);
    EXPECT_EQ(g.project.fps, 30);
}

TEST(SaveIniViews, LongTitlesAreReadWhole) {
    EditorState g;
    const std::string title = "(1000000,1000000,1000000)－(1000000,1000000,1000000)視点";
    g.viewList = {ViewEntry{{}, {}, 60.0f, title}, viewListPlaceholder()};
    EXPECT_EQ(roundTrip(g).viewList[0].title, title);
}

TEST(SaveIniRead, MissingKeysReadZeroNotTheDefaults) {
    EditorState g;
    readSettings(g, IniDocument::parse("[0]\ng.project.frame=90\n"));
    readNodeTree(g, IniDocument::parse("[1]\nm_name=x\nm_kill.span=abc\nm_move.dirX=12.5junk\n"));
    EXPECT_EQ(g.project.frame, 90);
    EXPECT_EQ(g.project.fps, 0);
    EXPECT_EQ(g.write.smooth, 0);
    EXPECT_EQ(g.camera.eye.z, 0.0f);
    ASSERT_EQ(g.tree.root().childCount(), 1);
    const Node& node = *g.tree.root().childAt(0);
    EXPECT_EQ(node.m_name, "x");
    EXPECT_EQ(node.m_kill.span, 0);
    EXPECT_EQ(node.m_scale.max, 0);
    EXPECT_EQ(node.m_texture.ID, 0);
    EXPECT_FLOAT_EQ(node.m_move.dirX, 12.5f);
    EXPECT_EQ(node.m_isDraw, 0);
    EXPECT_EQ(g.tree.selected(), &node);
}

TEST(SaveIniRead, MissingOrRepeatedIdsGetFreshOnesAndUniqueIdsAreKept) {
    EditorState g;
    readNodeTree(g, IniDocument::parse("[1]\nm_name=a\nm_ID=7\n[11]\nm_name=a1\n[12]\nm_name=a2\nm_ID=7\n"
                                       "[2]\nm_name=b\nm_ID=3\n"));
    const Node& a = *g.tree.root().childAt(0);
    EXPECT_EQ(a.m_ID, 7);
    EXPECT_EQ(g.tree.root().childAt(1)->m_ID, 3);
    EXPECT_EQ(a.childAt(0)->m_ID, 8);  // was missing, so 0: the root's ID
    EXPECT_EQ(a.childAt(1)->m_ID, 9);  // repeated 7
    EXPECT_EQ(g.tree.findById(0), &g.tree.root());
}

TEST(SaveIniRead, TheHighest32BitIdIsKeptAndFreshIdsComeFromBelow) {
    EditorState g;
    readNodeTree(g, IniDocument::parse("[1]\nm_name=a\nm_ID=2147483647\n[2]\nm_name=b\n"
                                       "[3]\nm_name=c\nm_ID=2147483647\n[4]\nm_name=d\nm_ID=1\n"));
    const Node& root = g.tree.root();
    EXPECT_EQ(root.childAt(0)->m_ID, 2147483647);
    EXPECT_EQ(root.childAt(1)->m_ID, 2);  // was missing
    EXPECT_EQ(root.childAt(2)->m_ID, 3);  // repeated the top
    EXPECT_EQ(root.childAt(3)->m_ID, 1);
    g.tree.select(g.tree.root().childAt(3));
    ASSERT_TRUE(g.tree.addChildToSelected().done());
    EXPECT_EQ(g.tree.selected()->m_ID, 4);
}

TEST(SaveIniRead, AMissingSectionEndsTheSiblings) {
    EditorState g;
    readNodeTree(g, IniDocument::parse("[1]\nm_name=a\n[3]\nm_name=c\n[11]\nm_name=a1\n[13]\nm_name=a3\n"));
    ASSERT_EQ(g.tree.root().childCount(), 1);
    EXPECT_EQ(g.tree.root().childAt(0)->childCount(), 1);
    EXPECT_EQ(g.tree.root().childAt(0)->childAt(0)->m_name, "a1");
}

TEST(SaveIniRead, NoNodesLeavesNothingSelected) {
    EditorState g;
    readNodeTree(g, IniDocument::parse("[0]\ng.project.frame=1\n"));
    EXPECT_EQ(g.tree.root().childCount(), 0);
    EXPECT_EQ(g.tree.selected(), nullptr);
}

void setEveryField(Node& node, int seed) {
    int k = seed;
    for (const NodeField& field : nodeFields()) {
        ++k;
        switch (field.type) {
        case FieldType::Text: setTextField(node, field, "名前" + std::to_string(seed)); break;
        case FieldType::Int: intField(node, field) = 1000 + k * 7; break;
        case FieldType::Float: floatField(node, field) = -3.25f + static_cast<float>(k) * 0.5f; break;
        }
    }
    for (int c = 0; c < kCurveCount; ++c) {
        const auto shift = static_cast<float>(c);
        node.curve(c).setPoints({{0.0f, 10.0f + shift}, {35.5f, 42.0f}, {70.0f, static_cast<float>(seed % 100)},
                                 {100.0f, 90.0f - shift}});
        node.curve(c).rebuild();
    }
}

TEST(SaveIniRoundTrip, EveryFieldAndCurveOfEveryNodeComesBack) {
    EditorState g;
    Node& a = *g.tree.root().childAt(0);
    Node& b = g.tree.addChild(g.tree.root());
    Node& a1 = g.tree.addChild(a);
    setEveryField(a, 1);
    setEveryField(b, 2);
    setEveryField(a1, 3);
    g.project = ProjectSettings{24, 30, 640, 480, {1.5f, 2.5f, 255.0f}, 77, 1, 1};
    g.write = WriteSettings{3, 50, 2, 5, 4, 1, 0, 4};
    g.camera = CameraPlacement{{1.5f, -2.25f, 3.0f}, {0.5f, 0.25f, -1.0f}};

    EditorState back = roundTrip(g);
    EXPECT_EQ(back.project.frame, 24);
    EXPECT_EQ(back.project.fps, 30);
    EXPECT_EQ(back.project.width, 640);
    EXPECT_EQ(back.project.height, 480);
    EXPECT_EQ(back.project.backColor, (Vec3f{1.5f, 2.5f, 255.0f}));
    EXPECT_EQ(back.project.randomSeed, 77);
    EXPECT_EQ(back.project.reverse, 1);
    EXPECT_EQ(back.project.sort, 1);
    EXPECT_EQ(back.write.start, 3);
    EXPECT_EQ(back.write.end, 50);
    EXPECT_EQ(back.write.step, 2);
    EXPECT_EQ(back.write.width, 5);
    EXPECT_EQ(back.write.height, 4);
    EXPECT_EQ(back.write.type, 1);
    EXPECT_EQ(back.write.isAlpha, 0);
    EXPECT_EQ(back.write.smooth, 4);
    EXPECT_EQ(back.camera.eye, g.camera.eye);
    EXPECT_EQ(back.camera.target, g.camera.target);

    ASSERT_EQ(back.tree.root().childCount(), 2);
    ASSERT_EQ(back.tree.root().childAt(0)->childCount(), 1);
    const std::vector<std::pair<Node*, Node*>> pairs{
        {&a, back.tree.root().childAt(0)}, {&b, back.tree.root().childAt(1)},
        {&a1, back.tree.root().childAt(0)->childAt(0)}};
    for (const auto& [original, read] : pairs) {
        for (const NodeField& field : nodeFields()) {
            switch (field.type) {
            case FieldType::Text: EXPECT_EQ(textField(*read, field), textField(*original, field)) << field.key; break;
            case FieldType::Int: EXPECT_EQ(intField(*read, field), intField(*original, field)) << field.key; break;
            case FieldType::Float:
                EXPECT_EQ(floatField(*read, field), floatField(*original, field)) << field.key;
                break;
            }
        }
        for (int c = 0; c < kCurveCount; ++c) {
            EXPECT_EQ(read->curve(c).points(), original->curve(c).points()) << c;
            EXPECT_EQ(read->curve(c).samples(), original->curve(c).samples()) << c;
            EXPECT_EQ(read->curve(c).name(), original->curve(c).name()) << c;
        }
        EXPECT_EQ(read->m_pParent == &back.tree.root(), original->m_pParent == &g.tree.root());
    }
    EXPECT_EQ(back.tree.root().childAt(0)->childAt(0)->m_pParent, back.tree.root().childAt(0));
    EXPECT_EQ(back.tree.root().childAt(1)->m_index, 1);
}

TEST(SaveIniRoundTrip, SavingTheReadStateGivesTheSameText) {
    EditorState g;
    setEveryField(*g.tree.root().childAt(0), 5);
    g.tree.addChild(*g.tree.root().childAt(0));
    const std::string first = saveText(g);
    EXPECT_EQ(saveText(roundTrip(g)), first);
}

TEST(SaveIniNames, LongNamesAreReadWholeUpToTheFieldSize) {
    EditorState g;
    const std::string hundred(100, 'n');
    g.tree.root().childAt(0)->setName(hundred);
    EXPECT_EQ(roundTrip(g).tree.root().childAt(0)->m_name, hundred);

    // A file with a name longer than the field keeps its first 255 cp932 bytes, whole characters only.
    std::string longName = "a";
    for (int i = 0; i < 200; ++i) longName += "炎";
    EditorState read;
    readNodeTree(read, IniDocument::parse("[1]\nm_name=" + longName + "\n"));
    const std::string& name = read.tree.root().childAt(0)->m_name;
    EXPECT_EQ(utf8ToCp932(name).size(), 255u);
    EXPECT_EQ(name, longName.substr(0, 1 + 127 * 3));
}

TEST(SaveIniNames, ANodeNamedLikeTheMissingValueMarkerIsKept) {
    EditorState g;
    g.tree.root().childAt(0)->setName("__NO_DATA_");
    g.tree.addChild(g.tree.root());
    const EditorState back = roundTrip(g);
    ASSERT_EQ(back.tree.root().childCount(), 2);
    EXPECT_EQ(back.tree.root().childAt(0)->m_name, "__NO_DATA_");
}

TEST(SaveIniNames, ANameCutAfterALeadByteKeepsTheNextKey) {
    // A cp932 name cut in the middle of a character, in a file with LF line
    // ends: the lone lead byte must not swallow the line feed.
    TempDir dir;
    const std::string bytes = "[1]\nm_name=abc\x83\nm_isDraw=1\nm_ID=4\n[2]\nm_name=\x82\nm_isDraw=0\n";
    ASSERT_TRUE(writeFileBytes(dir / "save.ini", bytes));
    EditorState g;
    ASSERT_TRUE(readSaveIniFile(g, dir / "save.ini"));
    ASSERT_EQ(g.tree.root().childCount(), 2);
    const Node& first = *g.tree.root().childAt(0);
    EXPECT_EQ(first.m_name, "abc\xEF\xBF\xBD");
    EXPECT_EQ(first.m_isDraw, 1);
    EXPECT_EQ(first.m_ID, 4);
    EXPECT_EQ(g.tree.root().childAt(1)->m_name, "\xEF\xBF\xBD");
    EXPECT_EQ(g.tree.root().childAt(1)->m_isDraw, 0);
}

// `text` with every `from` replaced by `to`.
std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// Saves `g` into `folder` and rewrites the file as a Windows tool may have
// written it: 髙 in NEC's row (ee e0) instead of the preferred fb fc.
void saveWithNecCodes(const EditorState& g, const TempDir& folder, std::string& preferred, std::string& stored) {
    ASSERT_TRUE(writeSaveIniFile(g).ok);
    const auto bytes = readFileBytes(folder / "save.ini");
    ASSERT_TRUE(bytes);
    preferred = *bytes;
    stored = replaced(preferred, "\xFB\xFC", "\xEE\xE0");
    ASSERT_NE(stored, preferred);
    ASSERT_TRUE(writeFileBytes(folder / "save.ini", stored));
}

TEST(SaveIniNames, ANameStoredWithTheOtherCodesIsSavedBackByteForByteUntilRenamed) {
    TempDir first, second;
    EditorState g;
    g.workDir = first.path().string();
    g.tree.root().childAt(0)->setName("髙橋");
    g.tree.addChild(*g.tree.root().childAt(0)).setName("炎");
    std::string preferred, stored;
    ASSERT_NO_FATAL_FAILURE(saveWithNecCodes(g, first, preferred, stored));

    EditorState read;
    ASSERT_TRUE(readSaveIniFile(read, first / "save.ini"));
    Node& node = *read.tree.root().childAt(0);
    EXPECT_EQ(node.m_name, "髙橋");
    read.workDir = second.path().string();
    ASSERT_TRUE(writeSaveIniFile(read).ok);
    EXPECT_EQ(readFileBytes(second / "save.ini"), stored);
    // A copy of the state (an export's) keeps them too.
    const EditorState copy = copyOf(read);
    IniDocument copied;
    ASSERT_FALSE(buildSaveIni(copy, copied).has_value());
    EXPECT_EQ(copied.serializeCp932(), stored);

    // Renamed: the new name in the codes Windows prefers.
    node.setName("髙田");
    ASSERT_TRUE(writeSaveIniFile(read).ok);
    const auto renamed = readFileBytes(second / "save.ini");
    EXPECT_EQ(renamed, replaced(preferred, "\xFB\xFC\x8B\xB4", "\xFB\xFC\x93\x63"));
    // The old name back (an undone rename): its bytes apply again.
    node.setName("髙橋");
    ASSERT_TRUE(writeSaveIniFile(read).ok);
    EXPECT_EQ(readFileBytes(second / "save.ini"), stored);
}

TEST(SaveIniNames, AViewTitleStoredWithTheOtherCodesIsSavedBackByteForByte) {
    TempDir first, second;
    EditorState g;
    g.workDir = first.path().string();
    g.viewList = {ViewEntry{{0.0f, 3.0f, -8.0f}, {}, 60.0f, "髙い所"}, viewListPlaceholder()};
    std::string preferred, stored;
    ASSERT_NO_FATAL_FAILURE(saveWithNecCodes(g, first, preferred, stored));

    EditorState read;
    ASSERT_TRUE(readSaveIniFile(read, first / "save.ini"));
    ASSERT_EQ(read.viewList.size(), 2u);
    EXPECT_EQ(read.viewList[0].title, "髙い所");
    read.workDir = second.path().string();
    ASSERT_TRUE(writeSaveIniFile(read).ok);
    EXPECT_EQ(readFileBytes(second / "save.ini"), stored);

    // A title that no longer matches its bytes is written in the preferred codes.
    read.viewList[0].title = "髙い山";
    ASSERT_TRUE(writeSaveIniFile(read).ok);
    const auto changed = readFileBytes(second / "save.ini");
    ASSERT_TRUE(changed);
    EXPECT_EQ(changed->find("\xEE\xE0"), std::string::npos);
    EXPECT_NE(changed->find("\xFB\xFC"), std::string::npos);
}

TEST(SaveIniUpgrades, Version1TurnsHemisphereEmittersIntoBoxesAndResetsTheSizeCurve) {
    const std::string file =
        "[1]\nm_name=a\nm_emitter.type=3\nm_shape.type=4\n"
        "graphPointNum0=2\ngraphPoint0-0_X=0\ngraphPoint0-0_Y=20\ngraphPoint0-1_X=100\ngraphPoint0-1_Y=20\n"
        "graphPointNum10=2\ngraphPoint10-0_X=0\ngraphPoint10-0_Y=70\ngraphPoint10-1_X=100\ngraphPoint10-1_Y=70\n"
        "[2]\nm_name=b\nm_emitter.type=2\n";
    EditorState g;
    g.fileVersion = 1;
    readNodeTree(g, IniDocument::parse(file));
    const Node& a = *g.tree.root().childAt(0);
    EXPECT_EQ(a.m_emitter.type, kEmitterBox);
    EXPECT_EQ(g.tree.root().childAt(1)->m_emitter.type, kEmitterSphere);
    // Curve 10 was (0,1),(100,1) and, being a trail, traded places with curve 0.
    EXPECT_EQ(a.curve(kCurveWidth).points(), (GraphPoints{{0.0f, 1.0f}, {100.0f, 1.0f}}));
    EXPECT_EQ(a.curve(kCurveWidth).name(), "サイズ【全体】");
    EXPECT_EQ(a.curve(kCurveSize).points(), (GraphPoints{{0.0f, 20.0f}, {100.0f, 20.0f}}));
    EXPECT_EQ(a.curve(kCurveSize).name(), "サイズ【幅】");
    EXPECT_FLOAT_EQ(a.curve(kCurveWidth).evaluate(5, 10), 0.99f);
}

TEST(SaveIniUpgrades, Version2SwapsTrailCurvesAndVersion3ReadsAsStored) {
    const std::string file =
        "[1]\nm_name=trail\nm_emitter.type=3\nm_shape.type=4\n"
        "graphPointNum0=2\ngraphPoint0-0_X=0\ngraphPoint0-0_Y=20\ngraphPoint0-1_X=100\ngraphPoint0-1_Y=20\n"
        "graphPointNum10=3\ngraphPoint10-0_X=0\ngraphPoint10-0_Y=70\ngraphPoint10-1_X=50\ngraphPoint10-1_Y=0\n"
        "graphPoint10-2_X=100\ngraphPoint10-2_Y=70\n"
        "[2]\nm_name=sprite\nm_shape.type=0\n"
        "graphPointNum0=2\ngraphPoint0-0_X=0\ngraphPoint0-0_Y=20\ngraphPoint0-1_X=100\ngraphPoint0-1_Y=20\n";
    const GraphPoints stored0{{0.0f, 20.0f}, {100.0f, 20.0f}};
    const GraphPoints stored10{{0.0f, 70.0f}, {50.0f, 0.0f}, {100.0f, 70.0f}};
    for (int version : {2, 3}) {
        EditorState g;
        g.fileVersion = version;
        readNodeTree(g, IniDocument::parse(file));
        const Node& trail = *g.tree.root().childAt(0);
        const Node& sprite = *g.tree.root().childAt(1);
        EXPECT_EQ(trail.m_emitter.type, kEmitterHemisphere) << version;
        EXPECT_EQ(trail.curve(kCurveWidth).points(), version == 2 ? stored10 : stored0) << version;
        EXPECT_EQ(trail.curve(kCurveSize).points(), version == 2 ? stored0 : stored10) << version;
        EXPECT_EQ(trail.curve(kCurveSize).name(), version == 2 ? "サイズ【幅】" : "サイズ【全体】");
        EXPECT_EQ(sprite.curve(kCurveWidth).points(), stored0) << version;
    }
}

TEST(SaveIniCurves, TooFewTooManyOrUnusablePointsGiveTheInitialCurve) {
    const std::string file =
        "[1]\nm_name=a\n"
        "graphPointNum0=1\ngraphPoint0-0_X=0\ngraphPoint0-0_Y=20\n"
        "graphPointNum1=0\n"
        "graphPointNum3=2000000000\n"
        "graphPointNum4=-5\n"
        "graphPointNum5=10001\n"
        "graphPointNum6=2\ngraphPoint6-0_X=nan\ngraphPoint6-0_Y=3\n"  // both points read as (0, …)
        "graphPointNum7=3\ngraphPoint7-0_X=100\ngraphPoint7-0_Y=5\ngraphPoint7-1_X=0\ngraphPoint7-1_Y=9\n"
        "graphPoint7-2_X=40\ngraphPoint7-2_Y=30\n";
    EditorState g;
    readNodeTree(g, IniDocument::parse(file));
    const Node& a = *g.tree.root().childAt(0);
    for (int c : {0, 1, 2, 3, 4, 5, 6, 8, 9, 10}) {
        EXPECT_EQ(a.curve(c).points(), makeInitialCurve(c)->points()) << c;
        EXPECT_EQ(a.curve(c).samples(), makeInitialCurve(c)->samples()) << c;
    }
    // Out of order but usable: put in order, not thrown away.
    EXPECT_EQ(a.curve(7).points(), (GraphPoints{{0.0f, 9.0f}, {40.0f, 30.0f}, {100.0f, 5.0f}}));
}

TEST(SaveIniCurves, PointsSharingAnXSurviveLoadSaveLoad) {
    // As the curve editor writes them: a vertical jump at x = 50 on the
    // opacity curve.
    const std::string file =
        "[1]\nm_name=a\n"
        "graphPointNum8=4\n"
        "graphPoint8-0_X=0.000000\ngraphPoint8-0_Y=0.000000\n"
        "graphPoint8-1_X=50.000000\ngraphPoint8-1_Y=10.000000\n"
        "graphPoint8-2_X=50.000000\ngraphPoint8-2_Y=90.000000\n"
        "graphPoint8-3_X=100.000000\ngraphPoint8-3_Y=0.000000\n";
    const GraphPoints stored{{0.0f, 0.0f}, {50.0f, 10.0f}, {50.0f, 90.0f}, {100.0f, 0.0f}};
    EditorState g;
    g.fileVersion = 3;
    readNodeTree(g, IniDocument::parse(file));
    const Graph& opacity = g.tree.root().childAt(0)->curve(kCurveOpacity);
    EXPECT_EQ(opacity.points(), stored);
    EXPECT_FLOAT_EQ(opacity.samples()[50], 90.0f);
    EXPECT_LT(opacity.samples()[49], 11.0f);  // the jump lies between 49 and 50

    const std::string saved = saveText(g);
    EXPECT_NE(saved.find("graphPointNum8=4\r\n"
                         "graphPoint8-0_X=0.000000\r\ngraphPoint8-0_Y=0.000000\r\n"
                         "graphPoint8-1_X=50.000000\r\ngraphPoint8-1_Y=10.000000\r\n"
                         "graphPoint8-2_X=50.000000\r\ngraphPoint8-2_Y=90.000000\r\n"
                         "graphPoint8-3_X=100.000000\r\ngraphPoint8-3_Y=0.000000\r\n"),
              std::string::npos);
    const EditorState back = roundTrip(g);
    const Graph& again = back.tree.root().childAt(0)->curve(kCurveOpacity);
    EXPECT_EQ(again.points(), stored);
    EXPECT_EQ(again.samples(), opacity.samples());
    EXPECT_EQ(saveText(back), saved);
}

TEST(SaveIniSections, NumbersBeyondThirtyTwoBitsAreComputedInSixtyFourBits) {
    EXPECT_EQ(childSection(0, 0), 1);
    EXPECT_EQ(childSection(2, 1), 22);
    EXPECT_EQ(childSection(111111111, 8), 1111111119);
    EXPECT_EQ(childSection(999999999, 0), 9999999991LL);
    EXPECT_FALSE(childSection(1, kMaxSectionChildren).has_value());
    EXPECT_FALSE(childSection(999999999999999999LL, 0).has_value());

    EditorState g;
    Node* node = g.tree.root().childAt(0);
    for (int level = 0; level < 11; ++level) node = &g.tree.addChild(*node);
    const std::string text = saveText(g);
    EXPECT_NE(text.find("[111111111111]\r\n"), std::string::npos);
    const EditorState back = roundTrip(g);
    const Node* walk = back.tree.root().childAt(0);
    int depth = 1;
    while (walk->childCount() > 0) {
        walk = walk->childAt(0);
        ++depth;
    }
    EXPECT_EQ(depth, 12);
    EXPECT_EQ(walk->m_ID, 12);
}

TEST(SaveIniSections, ATenthChildTakesTheNumberEndingInZeroAndAnEleventhIsRefused) {
    EditorState g;
    Node& first = *g.tree.root().childAt(0);
    for (int i = 0; i < 10; ++i) g.tree.addChild(first);
    const std::string text = saveText(g);
    EXPECT_NE(text.find("[20]\r\nm_name=ノード11\r\n"), std::string::npos);
    EXPECT_EQ(roundTrip(g).tree.root().childAt(0)->childCount(), 10);

    g.tree.addChild(first);
    IniDocument ini;
    const auto refused = buildSaveIni(g, ini);
    ASSERT_TRUE(refused.has_value());
    EXPECT_FALSE(refused->ok);
    EXPECT_FALSE(refused->message.empty());
}

TEST(SaveIniSections, AnEleventhSectionOfAnOldFileIsNotReadAsADuplicate) {
    // Written by a program that let a node have eleven children: "[21]" is
    // both its eleventh child and node 2's first child.
    std::string file = "[1]\nm_name=a\n[2]\nm_name=b\n";
    for (int i = 11; i <= 21; ++i) file += "[" + std::to_string(i) + "]\nm_name=c" + std::to_string(i) + "\n";
    EditorState g;
    readNodeTree(g, IniDocument::parse(file));
    EXPECT_EQ(g.tree.root().childAt(0)->childCount(), 10);
    EXPECT_EQ(g.tree.root().childAt(1)->childCount(), 1);
}

}  // namespace
}  // namespace fg
