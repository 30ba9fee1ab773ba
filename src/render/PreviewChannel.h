#pragma once
// The hand-over between the preview worker and the view: the view publishes
// its camera eye, the selected node and which shapes have meshes; the worker,
// after each step, settles the simulation as drawn from that eye and
// publishes an immutable snapshot that the view draws whenever it paints.
// Neither side waits on the other beyond a pointer swap.

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
    // Snapshots published so far.
    std::uint64_t published() const;

    // Worker side: settles `simulation` as drawn from the published eye and
    // publishes its snapshot when anything it shows changed since the last one.
    void publishFrom(Simulation& simulation);

private:
    struct Inputs {
        Vec3f eye{0.0f, 5.0f, -10.0f};
        std::int32_t selectedNode = -1;
        std::vector<bool> meshes;
        std::uint64_t generation = 0;  // bumped by every UI change
    };

    mutable std::mutex m_mutex;
    Inputs m_inputs;
    std::shared_ptr<const FrameSnapshot> m_latest;
    std::uint64_t m_published = 0;
    std::function<void()> m_onPublished;
    // Worker thread only: what the last snapshot was taken for.
    std::uint64_t m_takenGeneration = ~std::uint64_t{0};
    std::uint32_t m_takenFrame = 0;
};

// The worker's view for the editor: publishes a snapshot on every pass
// that has something new. No GL on the worker thread.
class SnapshotWorkerView : public WorkerView {
public:
    SnapshotWorkerView(PreviewChannel& channel, Simulation& simulation)
        : m_channel(channel), m_simulation(simulation) {}
    void drawPreview() override { m_channel.publishFrom(m_simulation); }
    void runExport() override {}

private:
    PreviewChannel& m_channel;
    Simulation& m_simulation;
};

}  // namespace fg
