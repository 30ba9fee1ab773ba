// Frames composed straight from the renderer write the same files, byte for
// byte, as frames written to the workspace's render folder and read back:
// sheets, separate files, padded and extruded cells with their metadata,
// animations. Composing in memory leaves no intermediate file behind.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "RendererTest.h"
#include "model/EditorState.h"
#include "persistence/FileBytes.h"
#include "persistence/OpenProject.h"
#include "persistence/Workspace.h"
#include "render/EglContext.h"
#include "render/Renderer.h"
#include "render/WorkspaceMaterials.h"
#include "render/export/ExportFormat.h"
#include "render/export/ExportFrames.h"
#include "render/export/ExportPipeline.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ComposeRouteTest : public test::RendererTest<> {
protected:
    void SetUp() override {
        RendererTest::SetUp();
        std::string error;
        m_workspace = ScopedWorkspace::createForTool(&error);
        ASSERT_TRUE(m_workspace) << error;
        m_g.workDir = m_workspace->path().string();
        const char* source = std::getenv("FULGRANE3D_SOURCE_DIR");
        ASSERT_NE(source, nullptr);
        const OpenProjectResult opened =
            openProjectForTool(m_g, (fs::path(source) / "resources" / "samples" / "fire.nbx").string());
        ASSERT_TRUE(opened.ok) << opened.message;
        const std::vector<std::string> problems = loadWorkspaceMaterials(s_renderer->assets(), m_g.workDir);
        ASSERT_TRUE(problems.empty()) << problems.front();
        m_g.project.width = 48;
        m_g.project.height = 40;
        m_g.write.start = 2;
        m_g.write.end = 30;
        m_g.write.step = 4;
        m_g.write.width = 3;
    }
    void TearDown() override {
        std::vector<std::string> ignored;
        s_renderer->assets().setMaterials({}, {}, &ignored);
    }

    fs::path renderFolder() const { return exportRenderFolder(m_g.workDir); }

    struct Files {
        std::vector<std::string> names;  // relative to the route's folder
        std::vector<std::string> bytes;
    };

    // One export along `route` into a folder of its own named after it.
    Files exportAlong(ComposeRoute route, const EngineExportOptions& engine, const std::string& file) {
        ExportRequest request;
        EXPECT_FALSE(acceptExportSettings(m_g.write, m_g.project, request.plan));
        request.plan.engine = engine;
        const fs::path folder = m_workspace->path() / (route == ComposeRoute::InMemory ? "memory" : "files");
        fs::create_directories(folder);
        request.destination = (folder / file).string();
        fs::remove_all(renderFolder());
        bool intermediatesWhileExporting = false;
        const ExportOutcome outcome = runExportPipeline(*s_renderer, m_g, request, route, [&](int, int) {
            intermediatesWhileExporting = intermediatesWhileExporting || fs::exists(renderFolder());
            return true;
        });
        EXPECT_TRUE(outcome.ok()) << outcome.error.sourceText();
        // The file route is the control: it really goes through the folder.
        EXPECT_EQ(intermediatesWhileExporting, route == ComposeRoute::IntermediateFiles);
        EXPECT_EQ(fs::exists(renderFolder()), route == ComposeRoute::IntermediateFiles);
        Files files;
        for (const std::string& path : outcome.written) {
            files.names.push_back(fs::relative(path, folder).string());
            files.bytes.push_back(bytesOf(path));
        }
        return files;
    }

    // Both routes: the same files with the same bytes.
    void expectSameFiles(const EngineExportOptions& engine, const std::string& file, std::size_t expectedFiles) {
        const Files fromFiles = exportAlong(ComposeRoute::IntermediateFiles, engine, file);
        const Files fromMemory = exportAlong(ComposeRoute::InMemory, engine, file);
        EXPECT_EQ(fromMemory.names, fromFiles.names);
        EXPECT_EQ(fromFiles.names.size(), expectedFiles);
        ASSERT_EQ(fromMemory.bytes.size(), fromFiles.bytes.size());
        for (std::size_t i = 0; i < fromFiles.bytes.size(); ++i) {
            EXPECT_GT(fromFiles.bytes[i].size(), 40u) << fromFiles.names[i];
            EXPECT_TRUE(fromMemory.bytes[i] == fromFiles.bytes[i]) << fromFiles.names[i] << " differs";
        }
    }

    std::optional<ScopedWorkspace> m_workspace;
    EditorState m_g;
};

TEST_F(ComposeRouteTest, SheetsGiveTheSameBytesWithoutIntermediateFiles) {
    for (const int smooth : {1, 2, 3}) {
        SCOPED_TRACE(smooth);
        m_g.write.smooth = smooth;
        expectSameFiles({}, "sheet.png", 1);
    }
    m_g.write.isAlpha = 0;
    expectSameFiles({}, "opaque.png", 1);
    expectSameFiles({}, "sheet.jpg", 1);
    expectSameFiles({}, "sheet.bmp", 1);
}

TEST_F(ComposeRouteTest, SeparateFilesGiveTheSameBytesWithoutIntermediateFiles) {
    m_g.write.type = 1;
    expectSameFiles({}, "fire.png", 8);  // frames 2, 6, … 30
    expectSameFiles({}, "fire.tif", 8);
}

TEST_F(ComposeRouteTest, EngineLayoutsAndAnimationsGiveTheSameBytes) {
    EngineExportOptions engine;
    engine.metaJson = true;
    engine.padding = 3;
    engine.extrude = true;
    engine.pow2 = true;
    expectSameFiles(engine, "padded.png", 2);  // the sheet and its metadata
    m_g.write.type = 1;
    expectSameFiles(engine, "padded.png", 9);
    EngineExportOptions animated;
    animated.animated = true;
    expectSameFiles(animated, "fire.gif", 1);
    expectSameFiles(animated, "fire.webp", 1);
}

// A cancelled sheet writes nothing, and leaves no intermediate file either.
TEST_F(ComposeRouteTest, ACancelledSheetWritesNothing) {
    ExportRequest request;
    ASSERT_FALSE(acceptExportSettings(m_g.write, m_g.project, request.plan));
    request.destination = (m_workspace->path() / "cancelled.png").string();
    const ExportOutcome outcome =
        runExportPipeline(*s_renderer, m_g, request, ComposeRoute::InMemory, [](int done, int) { return done < 3; });
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_TRUE(outcome.written.empty());
    EXPECT_FALSE(fs::exists(request.destination));
    EXPECT_FALSE(fs::exists(renderFolder()));
}

// A cancelled export of separate files leaves the files of the same names
// that were there before exactly as they were.
TEST_F(ComposeRouteTest, ACancelledExportOfSeparateFilesLeavesEarlierFilesAlone) {
    m_g.write.type = 1;
    ExportRequest request;
    ASSERT_FALSE(acceptExportSettings(m_g.write, m_g.project, request.plan));
    request.destination = (m_workspace->path() / "kept.png").string();
    const std::string first = numberedFileName(request.destination, 0);
    const std::string second = numberedFileName(request.destination, 1);
    ASSERT_TRUE(writeFileBytes(first, "earlier 0"));
    ASSERT_TRUE(writeFileBytes(second, "earlier 1"));
    const ExportOutcome outcome = runExportPipeline(*s_renderer, m_g, request, composeRouteFor(request.plan),
                                                    [](int done, int) { return done < 5; });
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_TRUE(outcome.written.empty());
    EXPECT_EQ(bytesOf(first), "earlier 0");
    EXPECT_EQ(bytesOf(second), "earlier 1");
    EXPECT_FALSE(fs::exists(numberedFileName(request.destination, 2)));
}

// Only a sheet too large to sit beside the render stage, and separate files,
// go through the files; animations hold one picture.
TEST(ComposeRoute, OnlyHugeSheetsGoThroughFiles) {
    ExportPlan plan;
    plan.frameWidth = 256;
    plan.frameHeight = 256;
    plan.smooth = 2;
    plan.columns = 8;
    plan.rows = 8;
    plan.imageCount = 64;
    EXPECT_EQ(composeRouteFor(plan), ComposeRoute::InMemory);
    plan.frameWidth = 2048;  // the largest frame at the largest smoothing: a large render, a small sheet
    plan.frameHeight = 2048;
    plan.smooth = 6;
    plan.columns = 2;
    plan.rows = 1;
    plan.imageCount = 2;
    EXPECT_EQ(composeRouteFor(plan), ComposeRoute::InMemory);
    plan.columns = 8;
    plan.rows = 8;
    plan.imageCount = 64;
    EXPECT_EQ(composeRouteFor(plan), ComposeRoute::IntermediateFiles);  // a 1 GiB sheet
    plan.separateFiles = true;
    EXPECT_EQ(composeRouteFor(plan), ComposeRoute::IntermediateFiles);
    plan.columns = 2;
    plan.rows = 1;
    plan.imageCount = 2;
    EXPECT_EQ(composeRouteFor(plan), ComposeRoute::IntermediateFiles);  // however small
    plan.separateFiles = false;
    plan.engine.animated = true;
    EXPECT_EQ(composeRouteFor(plan), ComposeRoute::InMemory);
}

}  // namespace
}  // namespace fg
