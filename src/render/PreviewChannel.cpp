#include "render/PreviewChannel.h"

#include <cassert>

#include "render/ParticleDraws.h"

namespace fg {

void PreviewChannel::setEye(Vec3f eye) {
    const std::lock_guard lock(m_mutex);
    if (eye.x != m_inputs.eye.x || eye.y != m_inputs.eye.y || eye.z != m_inputs.eye.z) ++m_inputs.eyeVersion;
    m_inputs.eye = eye;
    ++m_inputs.generation;
}

std::uint64_t PreviewChannel::eyeVersion() const {
    const std::lock_guard lock(m_mutex);
    return m_inputs.eyeVersion;
}

void PreviewChannel::setSelectedNode(std::int32_t nodeId) {
    const std::lock_guard lock(m_mutex);
    m_inputs.selectedNode = nodeId;
    ++m_inputs.generation;
}

void PreviewChannel::setShapeMeshes(std::vector<bool> meshes) {
    const std::lock_guard lock(m_mutex);
    m_inputs.meshes = std::move(meshes);
    ++m_inputs.generation;
}

void PreviewChannel::invalidate() {
    const std::lock_guard lock(m_mutex);
    ++m_inputs.generation;
}

void PreviewChannel::setPublishedCallback(std::function<void()> published) {
    const std::lock_guard lock(m_mutex);
    m_onPublished = std::move(published);
}

std::shared_ptr<const FrameSnapshot> PreviewChannel::latest() const {
    const std::lock_guard lock(m_mutex);
    return m_latest;
}

std::shared_ptr<const FrameSnapshot> PreviewChannel::take() {
    const std::lock_guard lock(m_mutex);
    m_latestTaken = true;
    return m_latest;
}

std::uint64_t PreviewChannel::published() const {
    const std::lock_guard lock(m_mutex);
    return m_published;
}

namespace {

// A snapshot that counts itself among its channel's while it lives.
struct CountedSnapshot {
    FrameSnapshot snapshot;
    std::shared_ptr<std::atomic<int>> alive;
    CountedSnapshot(FrameSnapshot taken, std::shared_ptr<std::atomic<int>> count)
        : snapshot(std::move(taken)), alive(std::move(count)) {
        ++*alive;
    }
    ~CountedSnapshot() { --*alive; }
    CountedSnapshot(const CountedSnapshot&) = delete;
    CountedSnapshot& operator=(const CountedSnapshot&) = delete;
};

}  // namespace

int PreviewChannel::snapshotsAlive() const { return m_alive->load(); }

void PreviewChannel::settle(Simulation& simulation) {
    Inputs inputs;
    {
        const std::lock_guard lock(m_mutex);
        inputs = m_inputs;
    }
    settleAsDrawn(simulation, inputs.eye, [&inputs](int type) {
        return type >= 0 && static_cast<std::size_t>(type) < inputs.meshes.size() &&
               inputs.meshes[static_cast<std::size_t>(type)];
    });
}

void PreviewChannel::publishFrom(Simulation& simulation, const PreviewTime& time) {
    Inputs inputs;
    bool changed = false;
    bool undrawn = false;
    {
        const std::lock_guard lock(m_mutex);
        changed = m_inputs.generation != m_settledGeneration || simulation.frame() != m_settledFrame ||
                  time != m_settledTime;
        if (!changed && !m_unpublished) return;
        inputs = m_inputs;
        undrawn = m_latest && !m_latestTaken;
    }
    const ShapeHasMesh hasMesh = [&inputs](int type) {
        return type >= 0 && static_cast<std::size_t>(type) < inputs.meshes.size() &&
               inputs.meshes[static_cast<std::size_t>(type)];
    };
    if (changed) {
        // Settled on every change as a drawing worker would, so the draw
        // order and texture cells do not depend on how fast the view draws.
        settleAsDrawn(simulation, inputs.eye, hasMesh);
        m_settledGeneration = inputs.generation;
        m_settledFrame = simulation.frame();
        m_settledTime = time;
        m_unpublished = true;
    }
    if (undrawn) return;
    FrameSnapshot taken = takeSnapshot(simulation, inputs.selectedNode, hasMesh);
    taken.timelineFrame = time.frame;
    taken.paused = time.paused;
    auto holder = std::make_shared<const CountedSnapshot>(std::move(taken), m_alive);
    std::shared_ptr<const FrameSnapshot> snapshot(holder, &holder->snapshot);
    holder.reset();
    m_unpublished = false;
    std::function<void()> published;
    {
        const std::lock_guard lock(m_mutex);
        // Never replaces one the view has not taken: at most two exist.
        assert(!m_latest || m_latestTaken);
        std::swap(m_latest, snapshot);  // the old one is let go outside the lock
        m_latestTaken = false;
        ++m_published;
        published = m_onPublished;
    }
    snapshot.reset();
    if (published) published();
}

}  // namespace fg
