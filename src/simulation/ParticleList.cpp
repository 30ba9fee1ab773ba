#include "simulation/ParticleList.h"

#include <algorithm>
#include <cassert>

namespace fg {

ParticleIndex ParticleList::append(Particle particle) {
    // A parent is always in the list before its child.
    assert(particle.parent == kNoParticle || particle.parent < m_items.size());
    m_items.push_back(std::move(particle));
    ++m_live;
    return static_cast<ParticleIndex>(m_items.size() - 1);
}

ParticleIndex ParticleList::moveBehindItsChildren(ParticleIndex index) {
    const auto last = static_cast<ParticleIndex>(m_items.size() - 1);
    if (index == last) return index;
    assert(index < last);
    // Only the moved particle's children may come after it with a parent
    // among the moved ones; any other would be left pointing one slot off.
    assert(m_items[index].parent == kNoParticle || m_items[index].parent < index);
    std::rotate(m_items.begin() + index, m_items.begin() + index + 1, m_items.end());
    for (ParticleIndex i = index; i < last; ++i) {
        assert(m_items[i].parent == kNoParticle || m_items[i].parent <= index);
        if (m_items[i].parent == index) m_items[i].parent = last;
    }
    return last;
}

void ParticleList::remove(ParticleIndex index) {
    assert(index < m_items.size());
    Particle& p = m_items[index];
    if (!p.alive) return;
    p.alive = false;
    p.trail.release();
    --m_live;
}

void ParticleList::clear() {
    m_items.clear();
    m_live = 0;
}

void ParticleList::compact(bool force) {
    const std::size_t dead = m_items.size() - m_live;
    if (dead == 0) return;
    // A quarter of dead slots keeps the walk cheap and each survivor moves
    // about once per three quarters of the list's turnover.
    if (!force && dead * 4 < m_items.size()) return;
    // In place, in one walk: every survivor moves towards the front in list
    // order. A parent usually comes before its children, so its new place is
    // known when they move; after a sort by distance it may come later, and
    // those children are re-pointed once the walk has placed everyone.
    m_newIndex.assign(m_items.size(), kNoParticle);  // a dead parent maps to none
    m_order.clear();  // new places of children whose parent comes later
    ParticleIndex next = 0;
    for (ParticleIndex i = 0; i < m_items.size(); ++i) {
        Particle& p = m_items[i];
        if (!p.alive) continue;
        m_newIndex[i] = next;
        if (p.parent != kNoParticle) {
            if (p.parent < i) p.parent = m_newIndex[p.parent];
            else m_order.push_back(next);  // still holds the parent's old index
        }
        if (next != i) m_items[next] = std::move(p);
        ++next;
    }
    for (ParticleIndex k : m_order) m_items[k].parent = m_newIndex[m_items[k].parent];
    m_items.erase(m_items.begin() + next, m_items.end());
    m_live = next;
#ifndef NDEBUG
    for (const Particle& p : m_items) assert(p.alive && (p.parent == kNoParticle || p.parent < m_items.size()));
#endif
}

void ParticleList::sortByCameraDistance() {
    m_order.clear();
    for (ParticleIndex i = 0; i < m_items.size(); ++i)
        if (m_items[i].alive) m_order.push_back(i);
    std::stable_sort(m_order.begin(), m_order.end(), [this](ParticleIndex a, ParticleIndex b) {
        return m_items[a].cameraDistance < m_items[b].cameraDistance;
    });
    applyOrder();
}

void ParticleList::applyOrder() {
    m_newIndex.assign(m_items.size(), kNoParticle);
    for (ParticleIndex k = 0; k < m_order.size(); ++k) m_newIndex[m_order[k]] = k;
    m_spare.clear();
    for (ParticleIndex old : m_order) {
        Particle& p = m_items[old];
        if (p.parent != kNoParticle) p.parent = m_newIndex[p.parent];  // a dead parent maps to none
        m_spare.push_back(std::move(p));
    }
    m_items.swap(m_spare);
    m_spare.clear();
    m_live = static_cast<std::uint32_t>(m_items.size());
#ifndef NDEBUG
    // Parents are remapped with the order; a dead one became none.
    for (const Particle& p : m_items) assert(p.alive && (p.parent == kNoParticle || p.parent < m_items.size()));
#endif
}

}  // namespace fg
