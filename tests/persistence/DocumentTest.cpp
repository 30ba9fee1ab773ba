#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "TempDir.h"
#include "persistence/FileBytes.h"
#include "persistence/Messages.h"
#include "persistence/OpenProject.h"
#include "persistence/ProjectDocument.h"
#include "persistence/SaveIni.h"

namespace fg {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

// The editor's view of a session: a state, its workspace and the hook calls.
struct Session {
    explicit Session(const fs::path& root) : workspace(*ScopedWorkspace::create(root)) {
        g.workDir = workspace.path().string();
        hooks.stopSimulation = [this] { calls.push_back("stop"); };
        hooks.releaseMaterials = [this] { calls.push_back("release"); };
    }
    EditorState g;
    ScopedWorkspace workspace;
    DocumentHooks hooks;
    std::vector<std::string> calls;
};

std::set<std::string> filesIn(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename().string());
    return names;
}

TEST(DocumentState, TitleShowsTheFileNameAndTheModifiedMark) {
    EditorState g;
    EXPECT_EQ(g.fileName, "無題.nbx");
    EXPECT_FALSE(g.hasFileName);
    EXPECT_EQ(titleText(g), "無題.nbx - Fulgrane3D");
    g.isModified = true;
    EXPECT_EQ(titleText(g), "無題.nbx* - Fulgrane3D");
    g.fileName = "/home/u/effects/炎.nbx";
    g.isModified = false;
    EXPECT_EQ(titleText(g), "炎.nbx - Fulgrane3D");
}

TEST(DocumentSave, WritesPacksRemovesSaveIniAndMarksTheDocumentSaved) {
    TempDir root;
    Session session(root / "ws");
    EditorState& g = session.g;
    ASSERT_TRUE(writeFileBytes(fs::path(g.workDir) / "fire.png", "png bytes"));
    g.isModified = true;
    const std::string target = (root / "out.nbx").string();
    const IoResult saved = saveProjectTo(g, target);
    ASSERT_TRUE(saved.ok) << saved.message;
    EXPECT_TRUE(g.hasFileName);
    EXPECT_FALSE(g.isModified);
    EXPECT_EQ(g.fileName, target);
    EXPECT_FALSE(fs::exists(fs::path(g.workDir) / "save.ini"));
    const auto bytes = readFileBytes(target);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->rfind("NebrixData,3,1,fire.png,9,png bytessave.ini,", 0), 0u);
    EXPECT_EQ(bytes->find("__dummy__"), std::string::npos);

    // Saving again without a change gives the same bytes.
    ASSERT_TRUE(saveProjectTo(g, target).ok);
    EXPECT_EQ(readFileBytes(target), bytes);
}

TEST(DocumentSnapshot, PacksTheBytesASaveWritesAndTouchesNothing) {
    TempDir root;
    Session session(root / "ws");
    EditorState& g = session.g;
    ASSERT_TRUE(writeFileBytes(fs::path(g.workDir) / "fire.png", "png bytes"));
    g.pSelNode()->setName("炎");
    g.isModified = true;
    const std::set<std::string> before = filesIn(g.workDir);

    const std::optional<ProjectSnapshot> snapshot = snapshotProject(g);
    ASSERT_TRUE(snapshot);
    EXPECT_EQ(filesIn(g.workDir), before);  // no save.ini written
    EXPECT_TRUE(g.isModified);
    const PackedProject packed = packSnapshot(*snapshot);
    ASSERT_TRUE(packed.result.ok) << packed.result.message;

    const std::string target = (root / "out.nbx").string();
    ASSERT_TRUE(saveProjectTo(g, target).ok);
    EXPECT_EQ(readFileBytes(target), packed.bytes);

    // A material deleted before the pack runs: a failure that names it.
    ASSERT_TRUE(fs::remove(fs::path(g.workDir) / "fire.png"));
    const PackedProject failed = packSnapshot(*snapshot);
    EXPECT_FALSE(failed.result.ok);
    EXPECT_NE(failed.result.message.sourceText().find("fire.png"), std::string::npos) << failed.result.message;
    EXPECT_TRUE(failed.bytes.empty());
}

TEST(DocumentSave, AFailedSaveKeepsTheDocumentStateAndTheOldFile) {
    TempDir root;
    Session session(root / "ws");
    EditorState& g = session.g;
    g.isModified = true;
    ASSERT_TRUE(writeFileBytes(root / "old.nbx", "old"));
    ASSERT_TRUE(writeFileBytes(fs::path(g.workDir) / "a,b.png", "x"));  // a name the archive cannot hold
    const IoResult saved = saveProjectTo(g, (root / "old.nbx").string());
    EXPECT_FALSE(saved.ok);
    EXPECT_TRUE(g.isModified);
    EXPECT_FALSE(g.hasFileName);
    EXPECT_EQ(readFileBytes(root / "old.nbx"), "old");
    EXPECT_FALSE(fs::exists(fs::path(g.workDir) / "save.ini"));
}

// The message names the file and then why it could not be written.
TEST(DocumentSave, TheMessageSaysWhyTheSaveFailed) {
    TempDir root;
    Session session(root / "ws");
    EditorState& g = session.g;
    g.isModified = true;

    // A full disk: the project's name leads to a device that is always full.
    fs::create_symlink("/dev/full", root / "full.nbx");
    IoResult saved = saveProjectTo(g, (root / "full.nbx").string());
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message.sourceText(), "「" + (root / "full.nbx").string() + "」に保存できませんでした。\n" +
                                 persistence_text::kDiskFull);
    EXPECT_EQ(saved.caption.sourceText(), persistence_text::kWriteErrorCaption);
    EXPECT_TRUE(g.isModified);

    // A path through a file, which even the superuser cannot write.
    ASSERT_TRUE(writeFileBytes(root / "notes.txt", "a file"));
    saved = saveProjectTo(g, (root / "notes.txt" / "p.nbx").string());
    EXPECT_EQ(saved.message, persistence_text::cannotWrite((root / "notes.txt" / "p.nbx").string(), ENOTDIR));
    EXPECT_NE(saved.message.sourceText().find(persistence_text::kNotAFolder), std::string::npos);

    // A folder without write permission (not for the superuser, who may write anyway).
    if (::geteuid() != 0) {
        fs::create_directory(root / "locked");
        fs::permissions(root / "locked", fs::perms::owner_read | fs::perms::owner_exec);
        saved = saveProjectTo(g, (root / "locked" / "p.nbx").string());
        fs::permissions(root / "locked", fs::perms::owner_all);
        EXPECT_EQ(saved.message, persistence_text::cannotWrite((root / "locked" / "p.nbx").string(), EACCES));
        EXPECT_EQ(filesIn(root / "locked"), std::set<std::string>{});
    }
    EXPECT_FALSE(g.hasFileName);
}

// A save killed between writing and renaming leaves "<name>.tmp-<pid>-…";
// the next save or open of that project clears what ended processes left.
TEST(DocumentSave, TemporariesOfKilledSavesGoAtTheNextSaveOrOpen) {
    TempDir root;
    Session session(root / "ws");
    const fs::path target = root / "fire.nbx";
    const auto leaveTemporary = [&] {
        // A process that has ended: a child that exited and was reaped.
        const pid_t child = ::fork();
        if (child == 0) ::_exit(0);
        int status = 0;
        ::waitpid(child, &status, 0);
        const fs::path temporary = root / ("fire.nbx.tmp-" + std::to_string(child) + "-123-0");
        EXPECT_TRUE(writeFileBytes(temporary, "half a project"));
        return temporary;
    };
    const fs::path running = root / ("fire.nbx.tmp-" + std::to_string(::getpid()) + "-1-0");
    ASSERT_TRUE(writeFileBytes(running, "a save going on now"));

    fs::path stale = leaveTemporary();
    ASSERT_TRUE(saveProjectTo(session.g, target.string()).ok);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(running));

    stale = leaveTemporary();
    Session reader(root / "ws2");
    ASSERT_TRUE(loadProject(reader.g, reader.workspace, target.string(), reader.hooks).ok);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_EQ(filesIn(root.path()), (std::set<std::string>{"fire.nbx", running.filename().string(), "ws", "ws2"}));
}

// Changes the current directory for the life of the object.
struct InDirectory {
    explicit InDirectory(const fs::path& dir) : previous(fs::current_path()) { fs::current_path(dir); }
    ~InDirectory() { fs::current_path(previous); }
    fs::path previous;
};

TEST(DocumentSave, WithoutAWorkFolderASaveIsRefusedAndTouchesNothing) {
    TempDir root;
    fs::create_directories(root / "cwd");
    ASSERT_TRUE(writeFileBytes(root / "cwd" / "save.ini", "a stranger's file"));
    const InDirectory inCwd(root / "cwd");
    Session session(root / "ws");
    EditorState& g = session.g;
    g.isModified = true;
    // The workspace root disappears: the renewal cannot make a new folder
    // and the old one is gone with the root.
    fs::rename(root / "ws", root / "elsewhere");
    const IoResult reset = resetWorkspace(g, session.workspace, session.hooks);
    EXPECT_FALSE(reset.ok);
    EXPECT_EQ(reset.message.sourceText(), persistence_text::kWorkspaceError);

    const std::string target = (root / "out.nbx").string();
    const IoResult saved = saveProjectTo(g, target);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message.sourceText(), persistence_text::kWorkspaceError);
    EXPECT_EQ(saved.caption.sourceText(), "Fulgrane3D");
    EXPECT_FALSE(fs::exists(target));
    EXPECT_TRUE(g.isModified);
    EXPECT_FALSE(g.hasFileName);
    EXPECT_EQ(readFileBytes(root / "cwd" / "save.ini"), "a stranger's file");
    EXPECT_EQ(filesIn(root / "cwd"), (std::set<std::string>{"save.ini"}));

    // A workspace that was removed outright refuses the same way.
    g.workDir.clear();
    EXPECT_EQ(saveProjectTo(g, target).message.sourceText(), persistence_text::kWorkspaceError);
    EXPECT_EQ(readFileBytes(root / "cwd" / "save.ini"), "a stranger's file");
}

TEST(DocumentLoad, ReadsTheProjectIntoAFreshWorkspaceAndSelectsTheFirstNode) {
    TempDir root;
    const std::string file = (root / "p.nbx").string();
    {
        Session writer(root / "ws");
        writer.g.project.fps = 24;
        writer.g.tree.root().childAt(0)->setName("炎");
        writer.g.tree.addChild(writer.g.tree.root()).setName("煙");
        ASSERT_TRUE(writeFileBytes(fs::path(writer.g.workDir) / "tex.png", "t"));
        ASSERT_TRUE(saveProjectTo(writer.g, file).ok);
    }
    Session session(root / "ws");
    const fs::path before = session.workspace.path();
    ASSERT_TRUE(writeFileBytes(before / "leftover.png", "old material"));
    session.g.fileVersion = 1;
    const IoResult loaded = loadProject(session.g, session.workspace, file, session.hooks);
    ASSERT_TRUE(loaded.ok) << loaded.message;
    EditorState& g = session.g;
    EXPECT_EQ(session.calls, (std::vector<std::string>{"stop", "release"}));
    EXPECT_NE(session.workspace.path(), before);
    EXPECT_FALSE(fs::exists(before));
    EXPECT_EQ(g.workDir, session.workspace.path().string());
    EXPECT_TRUE(fs::exists(session.workspace.path() / "tex.png"));
    EXPECT_FALSE(fs::exists(session.workspace.path() / "leftover.png"));
    EXPECT_EQ(g.fileVersion, 3);
    EXPECT_EQ(g.project.fps, 24);
    ASSERT_EQ(g.tree.root().childCount(), 2);
    EXPECT_EQ(g.tree.selected(), g.tree.root().childAt(0));
    EXPECT_EQ(g.tree.selected()->m_name, "炎");
    EXPECT_EQ(g.fileName, file);
    EXPECT_TRUE(g.hasFileName);
    EXPECT_FALSE(g.isModified);
}

TEST(DocumentLoad, AFailedLoadLeavesAFreshWorkspaceAnEmptyTreeAndNoSelection) {
    TempDir root;
    ASSERT_TRUE(writeFileBytes(root / "bad.nbx", "NebrixData,3,1,a.png,1,x"));  // no settings record
    Session session(root / "ws");
    session.g.project.fps = 12;
    ASSERT_TRUE(writeFileBytes(session.workspace.path() / "m.png", "x"));
    const IoResult loaded = loadProject(session.g, session.workspace, (root / "bad.nbx").string(), session.hooks);
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded.message.sourceText(), persistence_text::kBrokenFile);
    EXPECT_EQ(session.g.tree.root().childCount(), 0);
    EXPECT_EQ(session.g.tree.selected(), nullptr);
    EXPECT_EQ(session.g.project.fps, 60);
    EXPECT_FALSE(session.g.hasFileName);
    EXPECT_EQ(filesIn(session.workspace.path()),
              (std::set<std::string>{std::string(kDummyTextureName), std::string(kWorkspaceLockName)}));

    const IoResult missing = loadProject(session.g, session.workspace, (root / "none.nbx").string(), session.hooks);
    EXPECT_EQ(missing.caption.sourceText(), "ファイル読み込みエラー");
}

TEST(DocumentReset, RestoresSettingsAndViewsButKeepsTheFieldsThatSurviveAReset) {
    TempDir root;
    Session session(root / "ws");
    EditorState& g = session.g;
    g.project.frame = 5;
    g.project.reverse = 1;
    g.write.height = 3;
    g.write.type = 1;
    g.write.smooth = 9;
    g.viewList.clear();
    ASSERT_TRUE(resetWorkspace(g, session.workspace, session.hooks).ok);
    EXPECT_EQ(g.project.frame, 60);
    EXPECT_EQ(g.project.reverse, 1);
    EXPECT_EQ(g.write.height, 3);
    EXPECT_EQ(g.write.type, 1);
    EXPECT_EQ(g.write.smooth, 2);
    ASSERT_EQ(g.viewList.size(), 4u);
    EXPECT_EQ(g.viewList[1].title, "斜め上");
    EXPECT_EQ(g.viewList[3].title, "＜追加＞");
}

TEST(OpenForTool, OpensAnArchiveAFolderOrASaveIni) {
    TempDir root;
    const std::string file = (root / "p.nbx").string();
    {
        Session writer(root / "ws");
        writer.g.tree.root().childAt(0)->m_shape.type = kShapeTrail;
        writer.g.tree.root().childAt(0)->curve(kCurveWidth).setPoints({{0.0f, 40.0f}, {100.0f, 40.0f}});
        ASSERT_TRUE(saveProjectTo(writer.g, file).ok);
        fs::create_directories(root / "folder");
        const auto loose = IniDocument::parse(
            "[1]\r\nm_name=loose\r\nm_shape.type=4\r\ngraphPointNum0=2\r\ngraphPoint0-0_X=0\r\n"
            "graphPoint0-0_Y=40\r\ngraphPoint0-1_X=100\r\ngraphPoint0-1_Y=40\r\n");
        ASSERT_TRUE(writeIniFile(loose, root / "folder" / "save.ini", IniEncoding::Cp932));
        ASSERT_TRUE(writeFileBytes(root / "folder" / "tex.png", "t"));
    }
    auto tool = ScopedWorkspace::create(root / "ws");
    ASSERT_TRUE(tool);

    EditorState fromArchive;
    fromArchive.workDir = tool->path().string();
    ASSERT_TRUE(openProjectForTool(fromArchive, file).ok);
    EXPECT_EQ(fromArchive.fileVersion, 3);
    EXPECT_EQ(fromArchive.tree.selected(), fromArchive.tree.root().childAt(0));
    EXPECT_EQ(fromArchive.tree.selected()->curve(kCurveWidth).points()[0].y, 40.0f);

    // The override makes the trail swap of version 2 files happen.
    EditorState asVersion2;
    asVersion2.workDir = tool->path().string();
    ASSERT_TRUE(openProjectForTool(asVersion2, file, 2).ok);
    EXPECT_EQ(asVersion2.fileVersion, 2);
    EXPECT_EQ(asVersion2.tree.selected()->curve(kCurveSize).points()[0].y, 40.0f);

    EditorState fromFolder;
    ASSERT_TRUE(openProjectForTool(fromFolder, (root / "folder").string()).ok);
    EXPECT_EQ(fromFolder.workDir, (root / "folder").string());
    EXPECT_EQ(fromFolder.tree.selected()->m_name, "loose");
    EXPECT_EQ(fromFolder.tree.selected()->curve(kCurveWidth).points()[0].y, 40.0f);

    EditorState fromIni;
    fromIni.workDir = tool->path().string();
    ASSERT_TRUE(openProjectForTool(fromIni, (root / "folder" / "save.ini").string(), 1).ok);
    EXPECT_EQ(fromIni.tree.selected()->curve(kCurveSize).points()[0].y, 40.0f);
    EXPECT_TRUE(fs::exists(tool->path() / "tex.png"));  // materials copied into the tool's workspace
}

TEST(OpenForTool, FailuresCarryTheEditorsMessageAndLeaveNoTree) {
    TempDir root;
    auto tool = ScopedWorkspace::create(root / "ws");
    ASSERT_TRUE(writeFileBytes(root / "v4.nbx", "NebrixData,4,0,save.ini,0,"));
    EditorState g;
    g.workDir = tool->path().string();
    const OpenProjectResult newer = openProjectForTool(g, (root / "v4.nbx").string());
    EXPECT_FALSE(newer.ok);
    EXPECT_EQ(newer.message.sourceText(), persistence_text::kNewerVersion);
    EXPECT_EQ(g.tree.root().childCount(), 0);
    EXPECT_EQ(g.tree.selected(), nullptr);

    const OpenProjectResult missing = openProjectForTool(g, (root / "empty-folder").string());
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.message.sourceText().find("empty-folder"), std::string::npos);
}

// The editor and the command-line tools open a project through one reader,
// so the same file gives the same document and the same message.
TEST(OpenForTool, ReadsAnArchiveExactlyAsTheEditorsLoad) {
    TempDir root;
    const char* source = std::getenv("FULGRANE3D_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const std::string sample = std::string(source) + "/resources/samples/fire.nbx";
    Session editor(root / "ws");
    ASSERT_TRUE(loadProject(editor.g, editor.workspace, sample, editor.hooks).ok);
    auto toolWorkspace = ScopedWorkspace::create(root / "ws");
    ASSERT_TRUE(toolWorkspace);
    EditorState tool;
    tool.workDir = toolWorkspace->path().string();
    ASSERT_TRUE(openProjectForTool(tool, sample).ok);

    IniDocument fromEditor;
    IniDocument fromTool;
    ASSERT_FALSE(buildSaveIni(editor.g, fromEditor).has_value());
    ASSERT_FALSE(buildSaveIni(tool, fromTool).has_value());
    EXPECT_EQ(fromTool.serialize(), fromEditor.serialize());
    EXPECT_EQ(tool.tree.selected()->m_ID, editor.g.tree.selected()->m_ID);
    EXPECT_EQ(tool.fileVersion, editor.g.fileVersion);
    EXPECT_EQ(filesIn(tool.workDir).size(), filesIn(editor.g.workDir).size());

    // A damaged archive: its one record is cut short.
    ASSERT_TRUE(writeFileBytes(root / "bad.nbx", "NebrixData,3,1,save.ini,99,abc"));
    const IoResult editorFailure =
        loadProject(editor.g, editor.workspace, (root / "bad.nbx").string(), editor.hooks);
    const OpenProjectResult toolFailure = openProjectForTool(tool, (root / "bad.nbx").string());
    EXPECT_FALSE(editorFailure.ok);
    EXPECT_FALSE(toolFailure.ok);
    EXPECT_EQ(toolFailure.message, editorFailure.message);
}

}  // namespace
}  // namespace fg
