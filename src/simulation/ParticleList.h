#pragma once
// The simulation's particles in list order, stored contiguously. Removal
// marks a particle dead and leaves its slot until the next compaction, so a
// walk by index keeps its place, particles appended during a walk are
// reached by the same walk, and a child whose parent died sees no parent
// from that moment on without any scan of the list.

#include <cassert>
#include <cstdint>
#include <vector>

#include "simulation/Particle.h"

namespace fg {

class ParticleList {
public:
    // Slots in use, dead ones included (the bound of an index walk).
    std::uint32_t slotCount() const { return static_cast<std::uint32_t>(m_items.size()); }
    // Live particles.
    std::uint32_t size() const { return m_live; }
    bool empty() const { return m_live == 0; }

    // Debug builds check the index; release builds pay nothing per particle.
    Particle& operator[](ParticleIndex index) {
        assert(index < m_items.size());
        return m_items[index];
    }
    const Particle& operator[](ParticleIndex index) const {
        assert(index < m_items.size());
        return m_items[index];
    }

    // The live parent of a particle, or null (none, or it has died).
    Particle* parentOf(const Particle& particle) {
        assert(particle.parent == kNoParticle || particle.parent < m_items.size());
        return particle.parent == kNoParticle || !m_items[particle.parent].alive ? nullptr
                                                                                : &m_items[particle.parent];
    }
    const Particle* parentOf(const Particle& particle) const {
        return const_cast<ParticleList*>(this)->parentOf(particle);
    }

    // Appends at the end and returns the new index. References into the
    // list do not survive an append.
    ParticleIndex append(Particle particle);
    // Moves the particle at `index` behind everything appended after it and
    // points the particles appended after it, its own children, at its new
    // place. Returns that place.
    ParticleIndex moveBehindItsChildren(ParticleIndex index);
    // Removes a particle: frees what it owns and marks the slot dead.
    void remove(ParticleIndex index);
    void clear();

    // Drops dead slots when they make up a good part of the list (always
    // when `force`), keeping the order and re-pointing parents. Never during
    // a walk.
    void compact(bool force = false);
    // Stable ascending sort by cameraDistance; the order persists.
    void sortByCameraDistance();

    // Calls f(particle) for each live particle in list order.
    template <class F>
    void forEach(F&& f) {
        for (Particle& p : m_items)
            if (p.alive) f(p);
    }
    template <class F>
    void forEach(F&& f) const {
        for (const Particle& p : m_items)
            if (p.alive) f(p);
    }

private:
    // Rebuilds the list in the order of `m_order` (old indices, live only).
    void applyOrder();

    std::vector<Particle> m_items;
    std::uint32_t m_live = 0;
    // Scratch kept between calls so that compaction and sorting do not
    // allocate once the list has reached its size.
    std::vector<ParticleIndex> m_order;     // also: compaction's deferred re-pointing
    std::vector<ParticleIndex> m_newIndex;
    std::vector<Particle> m_spare;
};

}  // namespace fg
