#include "simulation/ParallelStep.h"

#include <algorithm>
#include <atomic>
#include <cassert>
#include <thread>

#include "simulation/Motion.h"
#include "simulation/Simulation.h"
#include "simulation/StepThreads.h"

namespace fg {
namespace {

// Rounds with this few particles (or fewer than the minimum, when that is
// lower) run on the calling thread alone.
constexpr std::uint32_t kSmallRound = 256;

}  // namespace

unsigned ParallelStep::defaultThreads() { return std::thread::hardware_concurrency() >= 2 ? 2u : 1u; }

ParallelStep::ParallelStep() : m_threads(defaultThreads()) {}

ParallelStep::~ParallelStep() = default;

void ParallelStep::setThreads(unsigned count) {
    count = std::max(count, 1u);
    if (count == m_threads) return;
    m_threads = count;
    m_pool.reset();
}

unsigned ParallelStep::ownerOf(ParticleIndex index) const {
    // Part k holds [m_count·k / parts, m_count·(k + 1) / parts).
    const auto parts = static_cast<std::uint64_t>(m_parts.size());
    auto owner = static_cast<unsigned>(static_cast<std::uint64_t>(index) * parts / m_count);
    // The rounding of the bounds may put an index one part off.
    while (owner + 1 < parts && static_cast<std::uint64_t>(m_count) * (owner + 1) / parts <= index) ++owner;
    while (owner > 0 && static_cast<std::uint64_t>(m_count) * owner / parts > index) --owner;
    return owner;
}

void ParallelStep::runRound(std::uint32_t work, const std::function<void(unsigned)>& job) {
    if (work < std::min(kSmallRound, m_minimum) || m_pool == nullptr) {
        for (unsigned part = 0; part < m_parts.size(); ++part) job(part);
        return;
    }
    m_pool->run(job);
}

void ParallelStep::sortByDepth(const ParticleList& list, unsigned part) {
    Part& mine = m_parts[part];
    for (auto& indices : mine.byDepth) indices.clear();
    for (auto& copies : mine.copies) copies.clear();
    mine.copiesWanted = false;
    const auto parts = static_cast<std::uint64_t>(m_parts.size());
    const auto begin = static_cast<ParticleIndex>(static_cast<std::uint64_t>(m_count) * part / parts);
    const auto end = static_cast<ParticleIndex>(static_cast<std::uint64_t>(m_count) * (part + 1) / parts);
    for (ParticleIndex i = begin; i < end; ++i) {
        const Particle& p = list[i];
        if (!p.alive) {
            m_outcome[i] = Outcome::Empty;
            continue;
        }
        mine.byDepth[m_nodeDepth[p.node]].push_back(i);
        // A parent later in the list is read as it was before this step:
        // its owner keeps a copy before moving it.
        const ParticleIndex parent = p.parent;
        if (parent != kNoParticle && parent > i && list[parent].alive) {
            std::atomic_ref(m_copyMark[parent]).store(m_mark, std::memory_order_relaxed);
            mine.copiesWanted = true;
        }
    }
}

const Particle* ParallelStep::parentFor(const ParticleList& list, ParticleIndex index, const Particle& p) const {
    const ParticleIndex parent = p.parent;
    if (parent == kNoParticle || !list[parent].alive) return nullptr;
    // Earlier in the list: updated already in the one-thread walk (a depth
    // up, so in an earlier round here), or removed if it died.
    const Particle& q = list[parent];
    assert(m_nodeDepth[q.node] + 1 == m_nodeDepth[p.node]);
    if (parent < index) return m_outcome[parent] == Outcome::Dies ? nullptr : &q;
    // Later: not reached yet, so as it was before this step.
    return &m_parts[ownerOf(parent)].copies[m_nodeDepth[q.node]][m_copySlot[parent]];
}

void ParallelStep::update(ParticleList& list, const EffectTable& effect, const StepFrames& frames, unsigned part,
                          std::size_t depth, ParticleIndex index) {
    Particle& p = list[index];
    if (m_anyCopies && std::atomic_ref(m_copyMark[index]).load(std::memory_order_relaxed) == m_mark) {
        std::vector<Particle>& copies = m_parts[part].copies[depth];
        m_copySlot[index] = static_cast<std::uint32_t>(copies.size());
        copies.push_back(p);
    }
    const EffectNode& node = effect[p.node];
    const Particle* parent = parentFor(list, index, p);
    const bool dies = moveParticle(p, node, parent, frames.of(p.cycle));
    if (dies) {
        m_outcome[index] = Outcome::Dies;
        return;
    }
    m_outcome[index] = node.children.empty() ? Outcome::Quiet : Outcome::Emits;
    if (!node.children.empty()) m_moved[index] = {p.position, p.displacement, p.age};
    finishParticle(p, node, parent);
}

void ParallelStep::move(ParticleList& list, const EffectTable& effect, const StepFrames& frames) {
    if (m_pool == nullptr && m_threads > 1) m_pool = std::make_unique<StepThreads>(m_threads);
    ++m_moves;
    m_count = list.slotCount();
    if (m_count == 0) return;

    // The effect table lists parents before their children.
    m_nodeDepth.assign(effect.size(), 0);
    std::size_t depths = 1;
    for (NodeIndex n = 0; n < effect.size(); ++n) {
        const NodeIndex parent = effect[n].parent;
        if (parent != kNoNode) m_nodeDepth[n] = m_nodeDepth[parent] + 1;
        depths = std::max<std::size_t>(depths, m_nodeDepth[n] + 1);
    }
    m_parts.resize(m_threads);
    for (Part& part : m_parts) {
        part.byDepth.resize(depths);
        part.copies.resize(depths);
    }
    if (m_outcome.size() < m_count) {
        m_outcome.resize(m_count);
        m_moved.resize(m_count);
        m_copyMark.resize(m_count, 0);
        m_copySlot.resize(m_count);
    }
    if (++m_mark == 0) {  // a mark never seen before: clear the old ones once it wraps
        std::fill(m_copyMark.begin(), m_copyMark.end(), 0u);
        m_mark = 1;
    }

    runRound(m_count, [&](unsigned part) { sortByDepth(list, part); });
    m_anyCopies = std::any_of(m_parts.begin(), m_parts.end(), [](const Part& part) { return part.copiesWanted; });
    for (std::size_t depth = 0; depth < depths; ++depth) {
        std::uint32_t work = 0;
        for (const Part& part : m_parts) work += static_cast<std::uint32_t>(part.byDepth[depth].size());
        if (work == 0) continue;
        runRound(work, [&](unsigned part) {
            for (ParticleIndex index : m_parts[part].byDepth[depth]) update(list, effect, frames, part, depth, index);
        });
    }
}

void ParallelStep::emitFrom(Simulation& simulation, ParticleIndex index) {
    ParticleList& list = simulation.particles();
    assert(index < m_count && outcome(index) == Outcome::Emits);
    Particle& p = list[index];
    const MovedState finished{p.position, p.displacement, p.age};
    const MovedState& moved = m_moved[index];
    p.position = moved.position;
    p.displacement = moved.displacement;
    p.age = moved.age;
    emitFromParticle(simulation, index);
    Particle& q = list[index];  // emission may have moved the list
    q.position = finished.position;
    q.displacement = finished.displacement;
    q.age = finished.age;
}

}  // namespace fg
