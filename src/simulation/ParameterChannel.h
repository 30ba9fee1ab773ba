#pragma once
// Hands parameter and curve edits from the editor thread to the running
// simulation.
// The editor changes a node and publishes; the worker takes the newest
// published copy at the start of its next step. The only shared data is the
// pending copy, behind a mutex held for a copy at either end.

#include <cstdint>
#include <mutex>
#include <vector>

#include "model/Node.h"
#include "model/NodeParams.h"
#include "simulation/EffectTable.h"

namespace fg {

class ParameterChannel {
public:
    // Editor thread: copies every node's parameters and curve tables (the
    // root's excepted: it keeps its defaults) as the newest version.
    void publish(const Node& root);
    // Worker thread: when a newer version was published, copies it into the
    // table by m_ID. Returns whether it did. Allocation-free once the table
    // has seen parameters of the same shape.
    bool takeNewest(EffectTable& table);
    // Drops a pending version (the table was just loaded from the tree).
    void discard();
    // Whether a version waits to be taken.
    bool hasNewest() const;

private:
    struct Entry {
        std::int32_t id = 0;
        NodeParams params;
        NodeCurves curves;
    };
    void collect(const Node& node, std::size_t& count);

    mutable std::mutex m_mutex;
    std::vector<Entry> m_pending;
    std::size_t m_count = 0;
    bool m_fresh = false;
};

}  // namespace fg
