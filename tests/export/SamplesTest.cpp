#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>
#include <cstdlib>
#include <filesystem>

#include "model/EditorState.h"
#include "persistence/MaterialFiles.h"
#include "persistence/OpenProject.h"
#include "persistence/Workspace.h"
#include "render/EglContext.h"
#include "render/Renderer.h"
#include "render/export/ExportFrames.h"
#include "render/export/SheetComposer.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

fs::path samplePath(const char* name) {
    const char* source = std::getenv("FULGRANE3D_SOURCE_DIR");
    return fs::path(source ? source : ".") / "resources" / "samples" / name;
}

struct SampleCase {
    const char* file;
    int nodes;      // top-level nodes
    int materials;  // images and models in the project
};

class SampleExport : public ::testing::TestWithParam<SampleCase> {};

// Each bundled sample opens, renders every exported frame with its own
// materials and composes a sheet that shows something on every cell it fills.
TEST_P(SampleExport, OpensAndExportsToASheet) {
    const SampleCase sample = GetParam();
    std::string error;
    std::optional<ScopedWorkspace> workspace = ScopedWorkspace::createForTool(&error);
    ASSERT_TRUE(workspace) << error;
    EditorState g;
    g.workDir = workspace->path().string();
    const OpenProjectResult opened = openProjectForTool(g, samplePath(sample.file).string());
    ASSERT_TRUE(opened.ok) << opened.message;
    EXPECT_EQ(g.tree.root().childCount(), sample.nodes);
    const MaterialPaths materials = materialPaths(g.workDir);
    EXPECT_EQ(static_cast<int>(materials.images.size() + materials.models.size()), sample.materials);

    std::unique_ptr<EglContext> context = EglContext::create(&error);
    ASSERT_TRUE(context) << error;
    RenderError failure;
    std::unique_ptr<Renderer> renderer = Renderer::create(&failure);
    ASSERT_TRUE(renderer) << failure.message;
    std::vector<std::string> problems;
    renderer->assets().setMaterials(materials.images, materials.models, &problems);
    EXPECT_TRUE(problems.empty()) << problems.front();

    ExportPlan plan;
    g.write.step = 6;  // every sixth frame keeps the test short
    ASSERT_FALSE(acceptExportSettings(g.write, g.project, plan));
    Simulation simulation(g);
    Camera camera;
    camera.eye = g.camera.eye;
    camera.target = g.camera.target;
    const ExportFramesResult frames = exportFrames(*renderer, simulation, camera, plan, g.workDir);
    ASSERT_TRUE(frames.ok()) << frames.error.sourceText();
    EXPECT_EQ(frames.lastIndex + 1, plan.imageCount);

    ComposeRequest request;
    request.renderDir = exportRenderFolder(g.workDir);
    request.lastIndex = frames.lastIndex;
    request.plan = plan;
    request.backColor = g.project.backColor;
    request.destination = (workspace->path() / "sheet.png").string();
    const ComposeResult composed = composeExport(request);
    ASSERT_TRUE(composed.ok()) << composed.error.sourceText();
    const QImage sheet(QString::fromStdString(request.destination));
    ASSERT_EQ(sheet.size(), QSize(plan.columns * plan.frameWidth, plan.rows * plan.frameHeight));

    // The images of the first half all show particles (a burst may have
    // faded out by the end): some pixels are far from clear.
    for (int i = 1; i <= frames.lastIndex / 2; ++i) {
        const int x0 = (i % plan.columns) * plan.frameWidth;
        const int y0 = (i / plan.columns) * plan.frameHeight;
        int visible = 0;
        for (int y = y0; y < y0 + plan.frameHeight; y += 2) {
            for (int x = x0; x < x0 + plan.frameWidth; x += 2) visible += sheet.pixelColor(x, y).alpha() > 64;
        }
        EXPECT_GT(visible, 10) << sample.file << " image " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Bundled, SampleExport,
                         ::testing::Values(SampleCase{"fire.nbx", 2, 2}, SampleCase{"sparkle.nbx", 2, 2},
                                           SampleCase{"magic_circle.nbx", 3, 3}),
                         [](const auto& sampleInfo) {
                             std::string name = sampleInfo.param.file;
                             return name.substr(0, name.find('.'));
                         });

}  // namespace
}  // namespace fg
