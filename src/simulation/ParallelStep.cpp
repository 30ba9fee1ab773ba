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
    m_fixed = true;
    count = std::max(count, 1u);
    if (count == m_threads) return;
    m_threads = count;
    m_pool.reset();
    m_choice.reset();
}

ParticleIndex ParallelStep::chunkBegin(std::size_t chunk) const {
    return static_cast<ParticleIndex>(static_cast<std::uint64_t>(m_count) * chunk / m_chunks.size());
}

std::size_t ParallelStep::chunkOf(ParticleIndex index) const {
    std::size_t chunk = static_cast<std::size_t>(static_cast<std::uint64_t>(index) * m_chunks.size() / m_count);
    // The rounding of the bounds may put an index one chunk off.
    while (chunk + 1 < m_chunks.size() && chunkBegin(chunk + 1) <= index) ++chunk;
    while (chunk > 0 && chunkBegin(chunk) > index) --chunk;
    return chunk;
}

void ParallelStep::runRound(std::uint32_t work, const std::function<void(std::size_t)>& job) {
    if (work < std::min(kSmallRound, m_minimum) || m_pool == nullptr) {
        for (std::size_t chunk = 0; chunk < m_chunks.size(); ++chunk) job(chunk);
        return;
    }
    std::atomic<std::size_t> next{0};
    m_pool->run([&](unsigned) {
        for (std::size_t chunk = next.fetch_add(1); chunk < m_chunks.size(); chunk = next.fetch_add(1)) job(chunk);
    });
}

void ParallelStep::sortByDepth(const ParticleList& list, std::size_t chunk) {
    Chunk& mine = m_chunks[chunk];
    for (auto& indices : mine.byDepth) indices.clear();
    for (auto& copies : mine.copies) copies.clear();
    mine.copiesWanted = false;
    const ParticleIndex end = chunk + 1 < m_chunks.size() ? chunkBegin(chunk + 1) : m_count;
    for (ParticleIndex i = chunkBegin(chunk); i < end; ++i) {
        const Particle& p = list[i];
        if (!p.alive) {
            m_outcome[i] = Outcome::Empty;
            continue;
        }
        mine.byDepth[m_nodeDepth[p.node]].push_back(i);
        // A parent later in the list is read as it was before this step:
        // whoever moves it keeps a copy first.
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
    return &m_chunks[chunkOf(parent)].copies[m_nodeDepth[q.node]][m_copySlot[parent]];
}

void ParallelStep::update(ParticleList& list, const EffectTable& effect, const StepFrames& frames,
                          std::size_t chunk, std::size_t depth, ParticleIndex index) {
    Particle& p = list[index];
    if (m_anyCopies && std::atomic_ref(m_copyMark[index]).load(std::memory_order_relaxed) == m_mark) {
        std::vector<Particle>& copies = m_chunks[chunk].copies[depth];
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
    // A few chunks per thread, so that a thread left waiting by the system
    // holds up little; not so many that a chunk is shorter than a few pages.
    const std::size_t chunks = std::clamp<std::size_t>(m_count / 1024, 1, std::size_t{8} * m_threads);
    m_chunks.resize(chunks);
    for (Chunk& chunk : m_chunks) {
        chunk.byDepth.resize(depths);
        chunk.copies.resize(depths);
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

    runRound(m_count, [&](std::size_t chunk) { sortByDepth(list, chunk); });
    m_anyCopies = std::any_of(m_chunks.begin(), m_chunks.end(), [](const Chunk& chunk) { return chunk.copiesWanted; });
    for (std::size_t depth = 0; depth < depths; ++depth) {
        std::uint32_t work = 0;
        for (const Chunk& chunk : m_chunks) work += static_cast<std::uint32_t>(chunk.byDepth[depth].size());
        if (work == 0) continue;
        runRound(work, [&](std::size_t chunk) {
            for (ParticleIndex index : m_chunks[chunk].byDepth[depth]) update(list, effect, frames, chunk, depth, index);
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
