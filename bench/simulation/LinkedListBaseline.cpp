#include "LinkedListBaseline.h"

#include "simulation/Spawn.h"

namespace fg::bench {

LinkedListBaseline::LinkedListBaseline(const EffectTable& effect) : m_effect(effect) {
    auto root = std::make_unique<Entry>();
    root->particle = spawnParticle(m_effect, m_random, EffectTable::kRoot, nullptr, kDirFront);
    m_particles.push_back(std::move(root));
}

void LinkedListBaseline::emitFromRoot(Entry& root) {
    const NodeParams& params = m_effect[1].params;
    const std::int32_t n = params.m_timing.num;
    root.particle.emitCount = static_cast<std::uint32_t>(n);
    for (std::int32_t i = 0; i < n; ++i) {
        root.particle.emitIndex = static_cast<std::uint32_t>(i);
        auto child = std::make_unique<Entry>();
        child->particle = spawnParticle(m_effect, m_random, 1, &root.particle, kDirFront);
        child->parent = &root;
        m_particles.push_back(std::move(child));
    }
}

bool LinkedListBaseline::update(Entry& entry) {
    Particle& p = entry.particle;
    const EffectNode& node = m_effect[p.node];
    p.previousPosition = p.position;
    if (!node.isRoot) {
        const MoveParams& move = node.params.m_move;
        p.position = p.position + p.gravityVelocity;
        p.position = p.position + p.absorbVelocity;
        const float v = node.curve(kCurveSpeed, p.age, p.life) * static_cast<float>(move.speed) * p.speedFactor / 50.0f;
        p.position = p.position + normalize(p.direction) * v;
        const float size = static_cast<float>(node.params.m_scale.max) / 10.0f;
        const float overall = node.curve(kCurveSize, p.age, p.life);
        p.scale.x = node.curve(kCurveWidth, p.age, p.life) * size * overall * p.sizeFactor;
        p.scale.y = node.curve(kCurveHeight, p.age, p.life) * size * overall * p.sizeFactor;
        p.scale.z = node.curve(kCurveDepth, p.age, p.life) * size * overall * p.sizeFactor;
        p.selfAngle = node.curve(kCurveSelfAngle, p.age, p.life) * 0.0f * p.selfAngleFactor;
    }
    if (p.age >= p.life) return true;
    if (node.isRoot) emitFromRoot(entry);
    ++p.age;
    p.revolutionAngle = node.curve(kCurveRevolutionAngle, p.age, p.life) * 0.0f;
    p.colour.r = node.curve(kCurveRed, p.age, p.life) * p.brightnessFactor;
    p.colour.g = node.curve(kCurveGreen, p.age, p.life) * p.brightnessFactor;
    p.colour.b = node.curve(kCurveBlue, p.age, p.life) * p.brightnessFactor;
    p.colour.a = node.curve(kCurveOpacity, p.age, p.life) * p.alphaFactor;
    p.displacement = p.position - p.previousPosition;
    return false;
}

void LinkedListBaseline::step() {
    if (m_frame == 1) m_random.seed(0);
    for (auto it = m_particles.begin(); it != m_particles.end();) {
        if (!update(**it)) {
            ++it;
            continue;
        }
        for (auto& other : m_particles)
            if (other->parent == it->get()) other->parent = nullptr;
        it = m_particles.erase(it);
    }
    ++m_frame;
}

}  // namespace fg::bench
