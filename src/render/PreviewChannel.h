#pragma once
// The hand-over between the preview worker and the view: the view publishes
// its camera eye, the selected node and which shapes have meshes; the worker,
// after each step, settles the simulation as drawn from that eye and
// publishes an immutable snapshot that the view draws whenever it paints.
// Neither side waits on the other beyond a pointer swap.
//
// A snapshot holds every drawn particle, so with a huge effect each one is
// large: the worker takes the next only once the view has taken the last
// (a copy the view could not draw yet would only wait beside it). At most
// two exist at a time: the one the view draws and the one being taken.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "model/Vec3.h"
#include "render/FrameSnapshot.h"
#include "simulation/Worker.h"

namespace fg {

class PreviewChannel {
public:
    // UI side.
    void setEye(Vec3f eye);
    void setSelectedNode(std::int32_t nodeId);
    // One entry per shape type: whether the renderer has a mesh for it.
    void setShapeMeshes(std::vector<bool> meshes);
    // Asks for a fresh snapshot even without a step (a restart, new materials).
    void invalidate();
    // Called on the worker thread after each snapshot is published (the view
    // asks for a repaint there). Set it before the worker starts.
    void setPublishedCallback(std::function<void()> published);
    // The newest snapshot; null before the first one.
    std::shared_ptr<const FrameSnapshot> latest() const;
    // latest() for drawing it: from now on the worker may take the next one.
    std::shared_ptr<const FrameSnapshot> take();
    // Snapshots published so far.
    std::uint64_t published() const;

    // Worker side: settles `simulation` as drawn from the published eye when
    // the simulation moved or the UI changed anything since the last settle,
    // and publishes a snapshot of what changed once the view has taken the
    // one before. `time` is where the preview stands.
    void publishFrom(Simulation& simulation, const PreviewTime& time = {});
    // Worker side: settles `simulation` as drawn from the published eye (a
    // step of a jump, which publishes nothing).
    void settle(Simulation& simulation);
    // Changes whenever the published eye does.
    std::uint64_t eyeVersion() const;
    // This channel's snapshots alive now (published, drawn or held elsewhere).
    int snapshotsAlive() const;

private:
    struct Inputs {
        Vec3f eye{0.0f, 5.0f, -10.0f};
        std::int32_t selectedNode = -1;
        std::vector<bool> meshes;
        std::uint64_t generation = 0;  // bumped by every UI change
        std::uint64_t eyeVersion = 0;  // bumped by every move of the eye
    };

    mutable std::mutex m_mutex;
    Inputs m_inputs;
    std::shared_ptr<const FrameSnapshot> m_latest;
    bool m_latestTaken = false;  // the view has taken m_latest to draw
    std::uint64_t m_published = 0;
    std::function<void()> m_onPublished;
    // Worker thread only: what the simulation was last settled for, and
    // whether that state still waits for its snapshot.
    std::uint64_t m_settledGeneration = ~std::uint64_t{0};
    std::uint32_t m_settledFrame = 0;
    PreviewTime m_settledTime{~0u, false, ~std::uint64_t{0}};
    bool m_unpublished = false;
    std::shared_ptr<std::atomic<int>> m_alive = std::make_shared<std::atomic<int>>(0);
};

// The worker's view for the editor: publishes a snapshot on every pass
// that has something new. No GL on the worker thread.
class SnapshotWorkerView : public WorkerView {
public:
    SnapshotWorkerView(PreviewChannel& channel, Simulation& simulation)
        : m_channel(channel), m_simulation(simulation) {}
    void drawPreview(const PreviewTime& time) override { m_channel.publishFrom(m_simulation, time); }
    void settle() override { m_channel.settle(m_simulation); }
    std::uint64_t settleKey() const override { return m_channel.eyeVersion(); }

private:
    PreviewChannel& m_channel;
    Simulation& m_simulation;
};

}  // namespace fg
