#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "TempDir.h"
#include "model/Cp932.h"
#include "persistence/Archive.h"
#include "persistence/FileBytes.h"
#include "persistence/Messages.h"
#include "persistence/ProjectDocument.h"
#include "persistence/SaveIni.h"
#include "persistence/Workspace.h"

namespace fg {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

const std::string kIni = "[0]\r\ng.project.frame=60\r\n";

std::string archiveOf(const std::string& header, const std::string& saveIni = kIni) {
    return header + "save.ini," + std::to_string(saveIni.size()) + "," + saveIni;
}

// Every file below `dir`, as paths relative to it.
std::set<std::string> filesIn(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        names.insert(fs::relative(entry.path(), dir).string());
    }
    return names;
}

TEST(ArchiveFormat, AProjectWithoutMaterialsPacksAsHeaderThenSaveIni) {
    EXPECT_EQ(buildArchive({}, kIni), "NebrixData,3,0,save.ini,25," + kIni);
}

TEST(ArchiveFormat, MaterialsComeInListOrderWithCp932NamesAndSaveIniLast) {
    const std::vector<PackInput> materials{{"炎.png", std::string("\x89PNG\0\n,", 7)}, {"rock.obj", "v 0 0 0\n"}};
    const std::string bytes = buildArchive(materials, kIni);
    EXPECT_EQ(bytes, "NebrixData,3,2," + utf8ToCp932("炎.png") + ",7," + std::string("\x89PNG\0\n,", 7) +
                         "rock.obj,8,v 0 0 0\nsave.ini,25," + kIni);
    const ParsedArchive parsed = parseArchive(bytes);
    ASSERT_EQ(parsed.error, ArchiveError::None);
    EXPECT_EQ(parsed.version, 3);
    ASSERT_EQ(parsed.records.size(), 3u);
    EXPECT_EQ(parsed.records[0].name, "炎.png");
    EXPECT_EQ(parsed.records[0].content, std::string("\x89PNG\0\n,", 7));
    EXPECT_EQ(parsed.records[1].name, "rock.obj");
    EXPECT_EQ(parsed.records[2].name, "save.ini");
    EXPECT_EQ(parsed.records[2].content, kIni);
}

TEST(ArchiveFormat, VersionsZeroToThreeAreAccepted) {
    for (int version = 0; version <= 3; ++version) {
        const ParsedArchive parsed = parseArchive(archiveOf("NebrixData," + std::to_string(version) + ",0,"));
        EXPECT_EQ(parsed.error, ArchiveError::None) << version;
        EXPECT_EQ(parsed.version, version);
    }
    // The field reader also stops at a line feed or NUL.
    EXPECT_EQ(parseArchive("NebrixData\n2\n0\nsave.ini\n3\nabc").error, ArchiveError::None);
}

TEST(ArchiveFormat, WrongMagicEmptyOrNewerFilesAreRefused) {
    EXPECT_EQ(parseArchive("").error, ArchiveError::Broken);
    EXPECT_EQ(parseArchive("NebrixData").error, ArchiveError::Broken);
    EXPECT_EQ(parseArchive(archiveOf("NebrixDat,3,0,")).error, ArchiveError::Broken);
    EXPECT_EQ(parseArchive(archiveOf("nebrixdata,3,0,")).error, ArchiveError::Broken);
    EXPECT_EQ(parseArchive(archiveOf("PK\x03\x04,3,0,")).error, ArchiveError::Broken);
    EXPECT_EQ(parseArchive(archiveOf("NebrixData,4,0,")).error, ArchiveError::Newer);
    EXPECT_EQ(parseArchive(archiveOf("NebrixData,-1,0,")).error, ArchiveError::Newer);
    EXPECT_EQ(parseArchive(archiveOf("NebrixData,99999999999,0,")).error, ArchiveError::Newer);
}

TEST(ArchiveFormat, TruncatedOrLyingRecordsAreBrokenWithoutReadingPastTheEnd) {
    const std::string good = archiveOf("NebrixData,3,1,a.png,3,abc");
    ASSERT_EQ(parseArchive(good).error, ArchiveError::None);
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        // A copy of exactly `cut` bytes, so that a read past it is caught by the sanitizers.
        const std::string prefix = good.substr(0, cut);
        EXPECT_NE(parseArchive(prefix).error, ArchiveError::None) << cut;
    }
    const std::vector<std::string> bad{
        archiveOf("NebrixData,3,-1,"),                       // negative count
        archiveOf("NebrixData,3,,"),                         // missing count
        archiveOf("NebrixData,3,x,"),                        // not a number
        archiveOf("NebrixData,3,1,"),                        // fewer records than counted
        archiveOf("NebrixData,3,4000000000,"),               // absurd count
        "NebrixData,3,0,save.ini,99999999999999,abc",        // length past the end
        "NebrixData,3,0,save.ini,-3,abc",                    // negative length
        "NebrixData,3,0,save.ini,18446744073709551615,abc",  // length that wraps
        archiveOf("NebrixData,3,1,a.png,3,abc", ""),         // fine so far ...
    };
    for (std::size_t i = 0; i + 1 < bad.size(); ++i) EXPECT_EQ(parseArchive(bad[i]).error, ArchiveError::Broken) << i;
    EXPECT_EQ(parseArchive(bad.back()).error, ArchiveError::None);
    // ... but the last record has to be the settings file.
    EXPECT_EQ(parseArchive("NebrixData,3,0,a.png,3,abc").error, ArchiveError::Broken);
}

TEST(ArchiveFormat, RecordNamesThatAreNotPlainFileNamesAreBroken) {
    for (const std::string name : {"../evil.png", "..", ".", "/etc/passwd", "sub/x.png", "a\\b.png", "..\\x.png",
                                   "", "__dummy__dummy.png", "__instance__.lock"}) {
        const std::string bytes = archiveOf("NebrixData,3,1," + name + ",1,x");
        EXPECT_EQ(parseArchive(bytes).error, ArchiveError::Broken) << name;
        EXPECT_FALSE(isSafeRecordName(name)) << name;
    }
    EXPECT_TRUE(isSafeRecordName("..x.png"));
    EXPECT_TRUE(isSafeRecordName("炎.png"));
}

TEST(ArchiveFormat, RecordNamesAreCheckedAsTheFileNamesTheyBecome) {
    // 255 bytes is the longest file name; the limit counts the UTF-8 form.
    const std::string longest = std::string(251, 'n') + ".png";
    EXPECT_EQ(parseArchive(archiveOf("NebrixData,3,1," + longest + ",1,x")).error, ArchiveError::None);
    EXPECT_TRUE(isSafeRecordName(longest));
    EXPECT_FALSE(isSafeRecordName(longest + "x"));
    std::string fire;
    for (int i = 0; i < 84; ++i) fire += "炎";
    EXPECT_TRUE(isSafeRecordName(fire + "炎"));  // 255 bytes
    EXPECT_FALSE(isSafeRecordName(fire + "炎n"));
    EXPECT_EQ(parseArchive(archiveOf("NebrixData,3,1," + utf8ToCp932(fire + "炎.p") + ",1,x")).error,
              ArchiveError::Broken);  // 172 bytes in the file, 257 as a file name

    // The same name twice stays what it was: the later record wins.
    const ParsedArchive twice = parseArchive(archiveOf("NebrixData,3,2,a.png,1,xa.png,1,y"));
    ASSERT_EQ(twice.error, ArchiveError::None);
    ASSERT_EQ(twice.records.size(), 3u);
    EXPECT_EQ(twice.records[1].content, "y");
    // Different stored names that decode to the same file name do not.
    EXPECT_EQ(cp932ToUtf8("\xA0.png"), cp932ToUtf8("\xFD.png"));
    EXPECT_EQ(parseArchive(archiveOf("NebrixData,3,2,\xA0.png,1,x\xFD.png,1,y")).error, ArchiveError::Broken);
    EXPECT_EQ(parseArchive(archiveOf("NebrixData,3,2,\xA0.png,1,x\xA0.png,1,y")).error, ArchiveError::None);
}

TEST(ArchiveFormat, NamesThatCannotBeReadBackAreNotStorable) {
    EXPECT_TRUE(isStorableRecordName("炎.png"));
    EXPECT_FALSE(isStorableRecordName("a,b.png"));
    EXPECT_FALSE(isStorableRecordName("a\nb.png"));
    EXPECT_FALSE(isStorableRecordName("😀.png"));  // no cp932 form
    EXPECT_FALSE(isStorableRecordName("x/y.png"));
}

TEST(ArchiveFiles, PackThenUnpackRestoresEveryFileByteForByte) {
    TempDir work, other, out;
    const std::string png = dummyTexturePng() + std::string("\0\n,tail", 7);
    ASSERT_TRUE(writeFileBytes(work / "炎.png", png));
    ASSERT_TRUE(writeFileBytes(work / "rock.obj", "v 1 2 3\n"));
    ASSERT_TRUE(writeFileBytes(work / "save.ini", kIni));
    const std::vector<std::string> materials{"炎.png", "rock.obj"};
    ASSERT_TRUE(packProject(work.path(), materials, out / "p.nbx").ok);
    const auto packed = readFileBytes(out / "p.nbx");
    ASSERT_TRUE(packed);
    EXPECT_EQ(packed->rfind("NebrixData,3,2," + utf8ToCp932("炎.png") + ",", 0), 0u);
    EXPECT_EQ(filesIn(out.path()), (std::set<std::string>{"p.nbx"}));  // no temporary left behind

    const UnpackResult unpacked = unpackProject(out / "p.nbx", other.path(), "p.nbx");
    ASSERT_TRUE(unpacked.result.ok) << unpacked.result.message;
    EXPECT_EQ(unpacked.version, 3);
    EXPECT_EQ(readFileBytes(other / "炎.png"), png);
    EXPECT_EQ(readFileBytes(other / "rock.obj"), "v 1 2 3\n");
    EXPECT_EQ(readFileBytes(other / "save.ini"), kIni);
}

TEST(ArchiveFiles, AProjectWithNamesInTheOtherCp932CodesSavesBackByteForByte) {
    TempDir root;
    const std::string original = (root / "made.nbx").string();
    {
        EditorState g;
        ScopedWorkspace workspace = *ScopedWorkspace::create(root / "ws");
        g.workDir = workspace.path().string();
        g.tree.root().childAt(0)->setName("髙");
        ASSERT_TRUE(writeFileBytes(workspace.path() / "髙.png", "png bytes"));
        ASSERT_TRUE(saveProjectTo(g, original).ok);
    }
    // As a Windows tool may have stored the node's and the material's name:
    // NEC's codes ee e0, not fb fc (the same length, so lengths stay right).
    auto bytes = readFileBytes(original);
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->rfind("NebrixData,3,1,\xFB\xFC.png,9,png bytes", 0), 0u);
    bytes->replace(15, 2, "\xEE\xE0");
    const std::size_t at = bytes->find("m_name=\xFB\xFC\r\n");
    ASSERT_NE(at, std::string::npos);
    bytes->replace(at + 7, 2, "\xEE\xE0");
    const std::string stored = (root / "stored.nbx").string();
    ASSERT_TRUE(writeFileBytes(stored, *bytes));

    EditorState g;
    ScopedWorkspace workspace = *ScopedWorkspace::create(root / "ws");
    g.workDir = workspace.path().string();
    ASSERT_TRUE(loadProject(g, workspace, stored, DocumentHooks{[] {}, [] {}}).ok);
    ASSERT_EQ(g.tree.selected()->m_name, "髙");
    EXPECT_TRUE(fs::exists(workspace.path() / "髙.png"));
    const std::string again = (root / "again.nbx").string();
    ASSERT_TRUE(saveProjectTo(g, again).ok);
    EXPECT_EQ(readFileBytes(again), bytes);
}

TEST(ArchiveFormat, RecordNamesInTheOtherCp932CodesAreKeptWhereAsked) {
    const std::vector<PackInput> materials{{"髙.png", "a"}, {"炎.png", "b"}};
    EXPECT_EQ(buildArchive(materials, kIni).rfind("NebrixData,3,2,\xFB\xFC.png,1,a\x89\x8A.png,1,bsave.ini,", 0), 0u);
    // Stored bytes that do not spell the name are not used.
    const StoredNames stored{{"髙.png", "\xEE\xE0.png"}, {"炎.png", "\xEE\xE0.png"}};
    const std::string archive = buildArchive(materials, kIni, stored);
    EXPECT_EQ(archive.rfind("NebrixData,3,2,\xEE\xE0.png,1,a\x89\x8A.png,1,bsave.ini,", 0), 0u);
    const ParsedArchive parsed = parseArchive(archive);
    ASSERT_EQ(parsed.error, ArchiveError::None);
    EXPECT_EQ(parsed.records[0].name, "髙.png");
    EXPECT_EQ(parsed.records[0].storedName, "\xEE\xE0.png");
    EXPECT_FALSE(isSafeRecordName(kStoredNamesFile));
}

TEST(ArchiveFiles, UnpackRemembersRecordNamesInTheOtherCodesForTheNextPack) {
    TempDir out, work;
    const std::string archive =
        archiveOf("NebrixData,3,2,\xEE\xE0.png,1,a\x89\x8A.png,1,b");  // 髙 in NEC's codes, 炎 as encoded
    ASSERT_TRUE(writeFileBytes(out / "in.nbx", archive));
    ASSERT_TRUE(unpackProject(out / "in.nbx", work.path(), "in.nbx").result.ok);
    EXPECT_EQ(readFileBytes(work / "髙.png"), "a");
    EXPECT_EQ(readFileBytes(work.path() / kStoredNamesFile), "\xEE\xE0.png\n");
    const std::vector<std::string> materials{"髙.png", "炎.png"};
    ASSERT_TRUE(packProject(work.path(), materials, out / "again.nbx").ok);
    EXPECT_EQ(readFileBytes(out / "again.nbx"), archive);

    // A project whose names all read back as stored leaves no such file.
    TempDir plain;
    ASSERT_TRUE(writeFileBytes(out / "plain.nbx", archiveOf("NebrixData,3,1,\x89\x8A.png,1,b")));
    ASSERT_TRUE(unpackProject(out / "plain.nbx", plain.path(), "plain.nbx").result.ok);
    EXPECT_EQ(filesIn(plain.path()), (std::set<std::string>{"炎.png", "save.ini"}));
}

TEST(ArchiveFiles, PackingTwiceGivesIdenticalBytes) {
    TempDir work, out;
    ASSERT_TRUE(writeFileBytes(work / "a.png", "pixels"));
    ASSERT_TRUE(writeFileBytes(work / "save.ini", kIni));
    const std::vector<std::string> materials{"a.png"};
    ASSERT_TRUE(packProject(work.path(), materials, out / "1.nbx").ok);
    ASSERT_TRUE(packProject(work.path(), materials, out / "2.nbx").ok);
    EXPECT_EQ(readFileBytes(out / "1.nbx"), readFileBytes(out / "2.nbx"));
}

TEST(ArchiveFiles, AFailedPackLeavesThePreviousFileIntact) {
    TempDir work, out;
    ASSERT_TRUE(writeFileBytes(out / "p.nbx", "previous project"));
    ASSERT_TRUE(writeFileBytes(work / "save.ini", kIni));
    fs::create_symlink(work / "gone.png", work / "dangling.png");  // listed but cannot be read
    const std::vector<std::string> materials{"dangling.png"};
    const IoResult result = packProject(work.path(), materials, out / "p.nbx");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.sourceText().find("dangling.png"), std::string::npos);
    EXPECT_EQ(readFileBytes(out / "p.nbx"), "previous project");
    EXPECT_EQ(filesIn(out.path()), (std::set<std::string>{"p.nbx"}));

    const std::vector<std::string> unstorable{"a,b.png"};
    ASSERT_TRUE(writeFileBytes(work / "a,b.png", "x"));
    EXPECT_FALSE(packProject(work.path(), unstorable, out / "p.nbx").ok);
    EXPECT_FALSE(packProject(work.path(), {}, out / "missing-folder" / "p.nbx").ok);
    EXPECT_EQ(readFileBytes(out / "p.nbx"), "previous project");
}

struct BadFile {
    const char* label;
    std::string bytes;
    std::string message;
};

TEST(ArchiveFiles, BadFilesGiveTheirMessageAndWriteNothing) {
    TempDir root;
    const fs::path work = root / "work";
    fs::create_directories(work);
    ASSERT_TRUE(writeFileBytes(work / "keep.png", "mine"));
    const std::string broken = persistence_text::kBrokenFile;
    const std::string newer = persistence_text::kNewerVersion;
    const std::vector<BadFile> files{
        {"empty", "", broken},
        {"other magic", archiveOf("RIFFData,3,0,"), broken},
        {"version 4", archiveOf("NebrixData,4,0,"), newer},
        {"version -1", archiveOf("NebrixData,-1,0,"), newer},
        {"record past the end", "NebrixData,3,1,a.png,500,abc" + archiveOf(""), broken},
        {"negative count", archiveOf("NebrixData,3,-2,"), broken},
        {"slash", archiveOf("NebrixData,3,1,../escape.png,1,x"), broken},
        {"dot dot", archiveOf("NebrixData,3,1,..,1,x"), broken},
        {"absolute", archiveOf("NebrixData,3,1," + (root / "escape.png").string() + ",1,x"), broken},
        {"empty name", archiveOf("NebrixData,3,1,,1,x"), broken},
        // Two names that are not cp932 and decode alike would give one file.
        {"names decoding alike", archiveOf("NebrixData,3,2,\xA0.png,1,x\xFD.png,1,y"), broken},
        {"name too long for a file", archiveOf("NebrixData,3,1," + std::string(252, 'n') + ".png,1,x"), broken},
    };
    for (const BadFile& file : files) {
        ASSERT_TRUE(writeFileBytes(root / "bad.nbx", file.bytes));
        const UnpackResult result = unpackProject(root / "bad.nbx", work, "bad.nbx");
        EXPECT_FALSE(result.result.ok) << file.label;
        EXPECT_EQ(result.result.message.sourceText(), file.message) << file.label;
        EXPECT_EQ(result.result.caption.sourceText(), "Fulgrane3D") << file.label;
        EXPECT_EQ(filesIn(root.path()), (std::set<std::string>{"bad.nbx", "work", "work/keep.png"})) << file.label;
    }
}

TEST(ArchiveFiles, AnUnreadableFileNamesItsPath) {
    TempDir root;
    const UnpackResult result = unpackProject(root / "nope.nbx", root.path(), "/x/nope.nbx");
    EXPECT_FALSE(result.result.ok);
    EXPECT_EQ(result.result.message.sourceText(),
              "「/x/nope.nbx」は存在しないか、他のアプリケーションで開いているため読み込めません。");
    EXPECT_EQ(result.result.caption.sourceText(), "ファイル読み込みエラー");
    EXPECT_FALSE(unpackProject(root.path(), root.path(), "folder").result.ok);
}

TEST(ArchiveFiles, AFailedWriteRemovesWhatTheUnpackWrote) {
    TempDir root;
    const fs::path work = root / "work";
    fs::create_directories(work / "save.ini");  // a folder where the settings file must go
    ASSERT_TRUE(writeFileBytes(root / "p.nbx", archiveOf("NebrixData,3,1,a.png,3,abc")));
    const UnpackResult result = unpackProject(root / "p.nbx", work, "p.nbx");
    EXPECT_FALSE(result.result.ok);
    EXPECT_FALSE(fs::exists(work / "a.png"));
}

}  // namespace
}  // namespace fg
