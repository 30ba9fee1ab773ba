// The simulate command's JSON lines, and the same lines from a project that
// went through the settings file.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "SimulationTestSupport.h"
#include "persistence/OpenProject.h"
#include "persistence/SaveIni.h"

namespace fg {
namespace {

TEST(SimulateOutput, RootOnlyEffectPrintsTheRootParticle) {
    EditorState g = test::rootOnlyState();
    Simulation sim(g);
    sim.step();
    // Age 1 of 60; no direction, no size; white and opaque; the revolution
    // angle is 0 × factor × −1, a negative zero.
    EXPECT_EQ(test::outputLine(sim),
              "{\"frame\":1,\"particles\":[[0,-1,1,60,0,0,0,0,0,0,0,0,0,1,1,1,1,0,-0]]}\n");
}

TEST(SimulateOutput, ParentIsTheIndexInTheSameArrayAndFloatsHaveNineDigits) {
    EditorState g = test::rootOnlyState();
    g.project.frame = 10;
    Node& node = test::addQuietNode(g, g.tree.root(), 7, {0.1f, 0.0f, 0.0f});
    node.m_timing.start = 2;
    node.m_timing.end = 2;
    node.m_move.isOneWay = 1;
    node.m_move.dirX = 0.0f;  // straight up, turned by exactly nothing
    Simulation sim(g);
    sim.step();
    sim.step();
    // 0.1f is 0.100000001 to nine digits; the self angle is 0 × 1 × −1.
    EXPECT_EQ(test::outputLine(sim),
              "{\"frame\":2,\"particles\":[[0,-1,2,10,0,0,0,0,0,0,0,0,0,1,1,1,1,0,-0],"
              "[1,0,1,7,0.100000001,0,0,0,1,0,1,1,1,1,1,1,1,-0,-0]]}\n");
}

TEST(SimulateOutput, DeadSlotsDoNotShiftParentIndices) {
    EditorState g = test::rootOnlyState();
    Node& brief = test::addQuietNode(g, g.tree.root(), 1);
    brief.m_timing.num = 3;
    Node& parent = test::addQuietNode(g, g.tree.root(), 50);
    parent.m_timing.start = 2;
    parent.m_timing.end = 2;
    Node& child = test::addQuietNode(g, parent, 50);
    child.m_timing.start = 2;
    child.m_timing.end = 2;
    Simulation sim(g);
    sim.step();
    sim.step();  // the three brief particles die here; the parent and child are born
    const std::string line = test::outputLine(sim);
    EXPECT_EQ(line.find("[1,"), std::string::npos);
    EXPECT_NE(line.find("],[3,1,1,50,"), std::string::npos) << line;  // the child points at array index 1
}

TEST(SimulateOutput, NonFiniteValuesPrintAsNull) {
    EditorState g = test::rootOnlyState();
    Node& node = test::addQuietNode(g, g.tree.root());
    // Points beyond the float range: positions overflow, directions become NaN.
    node.m_emitter.pos = {3e38f, 0.0f, 0.0f};
    node.m_emitter.size = {3e38f, 3e38f, 3e38f};
    node.m_emitter.scope = kScopeSurface;
    node.m_timing.num = 10;
    Simulation sim(g);
    sim.step();
    EXPECT_NE(test::outputLine(sim).find("null"), std::string::npos);
    EXPECT_EQ(test::outputLine(sim).find("inf"), std::string::npos);
    EXPECT_EQ(test::outputLine(sim).find("nan"), std::string::npos);
}

TEST(SimulateOutput, AProjectWrittenToDiskSimulatesLikeTheOneInMemory) {
    EditorState g = test::rootOnlyState();
    g.project.randomSeed = 42;
    Node& a = g.tree.addChild(g.tree.root());
    a.m_timing.end = 30;
    a.m_timing.num = 2;
    a.m_timing.num_err = 30;
    a.m_emitter.type = kEmitterCylinder;
    a.m_emitter.size = {1.5f, 0.5f, 1.0f};
    a.m_move.speed = 3;
    a.m_move.gravity = 15;
    a.m_rotate.revAngle = 90;
    a.m_kill.span = 12;
    Node& b = g.tree.addChild(a);
    b.m_timing.type = kTimingParentDeath;
    b.m_emitter.type = kEmitterSphere;
    b.m_emitter.size = {0.2f, 0.2f, 0.2f};
    b.curve(kCurveOpacity).setPoints({{0, 0}, {50, 20}, {100, 100}});
    b.curve(kCurveOpacity).rebuild();

    const auto dir = std::filesystem::temp_directory_path() /
                     ("fg-sim-output-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                      std::to_string(reinterpret_cast<std::uintptr_t>(&g)));
    std::filesystem::create_directories(dir);
    g.workDir = dir.string();
    ASSERT_TRUE(writeSaveIniFile(g).ok);

    EditorState opened;
    const OpenProjectResult result = openProjectForTool(opened, (dir / "save.ini").string());
    ASSERT_TRUE(result.ok) << result.message;
    Simulation fromMemory(g);
    Simulation fromDisk(opened);
    for (int i = 0; i < 40; ++i) {
        fromMemory.step();
        fromDisk.step();
        ASSERT_EQ(test::outputLine(fromDisk), test::outputLine(fromMemory)) << "frame " << i + 1;
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace fg
