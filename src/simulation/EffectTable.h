#pragma once
// The simulation's own view of the effect: the nodes in tree order with a
// copy of their parameters. The worker thread reads only this copy (and the
// curves, whose tables are safe to read while the editor rebuilds them), so
// the editor can change a node while the effect runs.

#include <cstdint>
#include <vector>

#include "model/Node.h"
#include "model/NodeParams.h"
#include "simulation/Particle.h"

namespace fg {

inline constexpr NodeIndex kNoNode = 0xFFFFFFFFu;

struct EffectNode {
    const Node* source = nullptr;  // for its curves; the structure is fixed until the next load
    std::int32_t id = 0;           // m_ID
    NodeParams params;             // the simulation's copy of the parameters
    NodeIndex parent = kNoNode;
    std::vector<NodeIndex> children;  // in the node's child order
    bool isRoot = false;

    // Curve `index` at (age, life); a life of 0 reads the curve's last sample.
    float curve(int index, std::uint32_t age, std::uint32_t life) const {
        return source->curve(index).evaluate(static_cast<int>(age), static_cast<int>(life));
    }
};

class EffectTable {
public:
    // Rebuilds the table from a tree (pre-order, the root first). The root's
    // life becomes the effect's length in frames.
    void load(const Node& root, std::int32_t effectFrames);

    std::size_t size() const { return m_nodes.size(); }
    bool empty() const { return m_nodes.empty(); }
    EffectNode& operator[](NodeIndex index) { return m_nodes[index]; }
    const EffectNode& operator[](NodeIndex index) const { return m_nodes[index]; }
    static constexpr NodeIndex kRoot = 0;  // the root node comes first
    // Position of the node with this m_ID, trying `hint` first; kNoNode when absent.
    NodeIndex find(std::int32_t id, NodeIndex hint) const;

private:
    void add(const Node& node, NodeIndex parent);

    std::vector<EffectNode> m_nodes;
};

}  // namespace fg
