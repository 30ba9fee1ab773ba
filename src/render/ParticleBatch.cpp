#include "render/ParticleBatch.h"

namespace fg {

ParticleBatch::ParticleBatch(PolyProgram& program, InstanceBuffer& instances, const MeshDraw& shared, bool instancing)
    : m_program(program), m_instances(instances), m_shared(shared), m_instancing(instancing && !shared.exportMode) {}

bool ParticleBatch::sameCall(const ParticleDraw& a, const ParticleDraw& b) const {
    return m_instancing && a.mesh == b.mesh && a.mesh->instanceable() && a.texture == b.texture &&
           a.isAdd == b.isAdd && a.underCut == b.underCut;
}

void ParticleBatch::flush() {
    if (m_draws.empty()) return;
    m_upload.clear();
    m_upload.reserve(m_draws.size());
    for (const ParticleDraw& draw : m_draws) m_upload.push_back(draw.instance);
    m_instances.upload(m_upload);

    std::size_t first = 0;
    while (first < m_draws.size()) {
        std::size_t count = 1;
        while (first + count < m_draws.size() && sameCall(m_draws[first], m_draws[first + count])) ++count;
        issue(first, count);
        first += count;
    }
    m_draws.clear();
}

void ParticleBatch::issue(std::size_t first, std::size_t count) {
    const ParticleDraw& lead = m_draws[first];
    MeshDraw call = m_shared;
    call.texture = lead.texture;
    call.isAdd = lead.isAdd;
    call.underCut = lead.underCut;
    // The export programs blend in the shader against the copy; the pipeline
    // then replaces, as the export set it up.
    if (!m_shared.exportMode) applyBlend(lead.isAdd ? BlendMode::Additive : BlendMode::Alpha);
    ++m_calls;
    if (auto* trail = dynamic_cast<Trail*>(lead.mesh)) {
        trail->drawTrail(m_program, call, lead.trail, lead.changingThickness, m_instances.run(first, 1));
        return;
    }
    lead.mesh->drawInstances(m_program, call, m_instances.run(first, static_cast<int>(count)));
}

}  // namespace fg
