#pragma once
// The straightforward way to hold particles, kept as the yardstick of the
// step benchmark: one heap object per particle in a doubly linked list, and
// parent links cleared by scanning the whole list at every death. It runs
// the plain-billboard workload only (the same spawn, the same per-particle
// arithmetic for a node without gravity, attraction or turns).

#include <cstdint>
#include <list>
#include <memory>

#include "simulation/EffectTable.h"
#include "simulation/Particle.h"
#include "simulation/Random.h"

namespace fg::bench {

class LinkedListBaseline {
public:
    // `effect` holds the root and one top-level node emitting from the root.
    explicit LinkedListBaseline(const EffectTable& effect);
    void step();
    std::size_t size() const { return m_particles.size(); }

private:
    struct Entry {
        Particle particle;
        Entry* parent = nullptr;
    };
    bool update(Entry& entry);
    void emitFromRoot(Entry& root);

    const EffectTable& m_effect;
    std::list<std::unique_ptr<Entry>> m_particles;
    Random m_random;
    std::uint32_t m_frame = 1;
};

}  // namespace fg::bench
