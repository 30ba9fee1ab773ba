// An edit on a page reaches the running preview at its next step, without a
// restart, while the worker thread runs (run this program under
// ThreadSanitizer to check that nothing races).

#include <QCheckBox>
#include <atomic>
#include <chrono>
#include <thread>

#include "PageTestSupport.h"
#include "app/Editor.h"
#include "simulation/Worker.h"
#include "ui/pages/CurveWindow.h"
#include "ui/pages/CurveThumbnail.h"

namespace fg {
namespace {

// Steps the preview without drawing anything.
class CountingView : public WorkerView {
public:
    void drawPreview(const PreviewTime&) override { ++passes; }
    std::atomic<int> passes{0};
};

class PreviewEdit : public test::PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        editor->attachView(&view);
        editor->startWorker();
    }
    void TearDown() override {
        editor->stopWorker();
        editor->attachView(nullptr);
        PageTest::TearDown();
    }
    // Lets the worker run a few passes; fails when it does not within `wait`.
    ::testing::AssertionResult runFrames(std::chrono::milliseconds wait = std::chrono::seconds(10)) {
        const int start = view.passes.load();
        const auto until = std::chrono::steady_clock::now() + wait;
        while (view.passes.load() < start + 5 && std::chrono::steady_clock::now() < until) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        const int ran = view.passes.load() - start;
        if (ran >= 5) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the worker ran " << ran << " passes in " << wait.count()
                                             << " ms, not 5";
    }
    const EffectNode& simulated() {
        const EffectTable& table = editor->simulation().effect();
        const NodeIndex index = table.find(node().m_ID, 0);
        EXPECT_NE(index, kNoNode);
        return table[index];
    }

    CountingView view;
};

TEST_F(PreviewEdit, FieldsAndCurvesReachTheRunningSimulation) {
    ASSERT_TRUE(editor->workerRunning());
    choose(Page::Source);
    typeInto(control<QSpinBox>("m_emitter.pos.y"), "25");
    choose(Page::Spawn);
    typeInto(control<QSpinBox>("m_timing.num"), "7");
    choose(Page::Color);
    QTest::mouseClick(control<CurveThumbnail>("curve8"), Qt::LeftButton);
    CurveWindow* curve = host().curveWindow();
    ASSERT_NE(curve, nullptr);
    curve->resize(230, 230);
    const QPoint middle(15 + 4 + 96, 15 + 4 + 96);
    QTest::mousePress(curve, Qt::LeftButton, {}, middle);
    QTest::mouseRelease(curve, Qt::LeftButton, {}, middle);
    ASSERT_TRUE(runFrames());
    ASSERT_TRUE(editor->workerRunning());
    editor->stopWorker();  // the table is the worker's while it runs

    EXPECT_FLOAT_EQ(simulated().params.m_emitter.pos.y, 2.5f);
    EXPECT_EQ(simulated().params.m_timing.num, 7);
    EXPECT_EQ(simulated().curves[kCurveOpacity].samples, node().curve(kCurveOpacity).samples());
    EXPECT_EQ(node().curve(kCurveOpacity).pointCount(), 3);
}

// The wait above is a check of its own: a worker that does not run fails it.
TEST_F(PreviewEdit, AWorkerThatDoesNotRunFailsTheWait) {
    editor->stopWorker();
    EXPECT_FALSE(runFrames(std::chrono::milliseconds(100)));
    editor->startWorker();
    EXPECT_TRUE(runFrames());
}

}  // namespace
}  // namespace fg
