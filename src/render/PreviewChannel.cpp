#include "render/PreviewChannel.h"

#include "render/ParticleDraws.h"

namespace fg {

void PreviewChannel::setEye(Vec3f eye) {
    const std::lock_guard lock(m_mutex);
    m_inputs.eye = eye;
    ++m_inputs.generation;
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

std::uint64_t PreviewChannel::published() const {
    const std::lock_guard lock(m_mutex);
    return m_published;
}

void PreviewChannel::publishFrom(Simulation& simulation) {
    Inputs inputs;
    {
        const std::lock_guard lock(m_mutex);
        if (m_inputs.generation == m_takenGeneration && simulation.frame() == m_takenFrame) return;
        inputs = m_inputs;
    }
    const ShapeHasMesh hasMesh = [&inputs](int type) {
        return type >= 0 && static_cast<std::size_t>(type) < inputs.meshes.size() &&
               inputs.meshes[static_cast<std::size_t>(type)];
    };
    settleAsDrawn(simulation, inputs.eye, hasMesh);
    auto snapshot = std::make_shared<const FrameSnapshot>(takeSnapshot(simulation, inputs.selectedNode, hasMesh));
    m_takenGeneration = inputs.generation;
    m_takenFrame = simulation.frame();
    std::function<void()> published;
    {
        const std::lock_guard lock(m_mutex);
        m_latest = std::move(snapshot);
        ++m_published;
        published = m_onPublished;
    }
    if (published) published();
}

}  // namespace fg
