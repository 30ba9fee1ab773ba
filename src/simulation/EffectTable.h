#pragma once
// The simulation's own view of the effect: the nodes in tree order with a
// copy of their parameters and of their curves' sample tables. The worker
// reads only this copy, never the editor's nodes, so the editor can change,
// replace or delete nodes while the effect runs; edits reach the copy
// through the parameter channel.

#include <array>
#include <cassert>
#include <cstdint>
#include <vector>

#include "model/Node.h"
#include "model/NodeParams.h"
#include "simulation/Particle.h"

namespace fg {

inline constexpr NodeIndex kNoNode = 0xFFFFFFFFu;

// One curve as the simulation reads it: its sample table and its kind.
// `zero` caches curve::isZero(samples); curvesOf() sets all three together.
struct CurveSamples {
    SampleArray samples{};
    bool speed = false;
    bool zero = true;
};
using NodeCurves = std::array<CurveSamples, kCurveCount>;
// The sample tables of a node's curves, as they are now.
NodeCurves curvesOf(const Node& node);

struct EffectNode {
    std::int32_t id = 0;           // m_ID
    NodeParams params;             // the simulation's copy of the parameters
    NodeCurves curves;             // and of the curves
    NodeIndex parent = kNoNode;
    std::vector<NodeIndex> children;  // in the node's child order
    bool isRoot = false;

    // Curve `index` at (age, life); a life of 0 reads the curve's last sample.
    float curve(int index, std::uint32_t age, std::uint32_t life) const {
        const CurveSamples& c = curves[static_cast<std::size_t>(index)];
        // Most curves stay at their default: no lookup for those.
        if (c.zero) return curve::kZeroCurveFactor;
        return curve::evaluateSamples(c.samples, c.speed, static_cast<int>(age), static_cast<int>(life));
    }
};

class EffectTable {
public:
    // Rebuilds the table from a tree (pre-order, the root first). The root's
    // life becomes the effect's length in frames.
    void load(const Node& root, std::int32_t effectFrames);

    std::size_t size() const { return m_nodes.size(); }
    bool empty() const { return m_nodes.empty(); }
    EffectNode& operator[](NodeIndex index) {
        assert(index < m_nodes.size());
        return m_nodes[index];
    }
    const EffectNode& operator[](NodeIndex index) const {
        assert(index < m_nodes.size());
        return m_nodes[index];
    }
    static constexpr NodeIndex kRoot = 0;  // the root node comes first
    // Position of the node with this m_ID, trying `hint` first; kNoNode when absent.
    NodeIndex find(std::int32_t id, NodeIndex hint) const;

private:
    void add(const Node& node, NodeIndex parent);

    std::vector<EffectNode> m_nodes;
};

}  // namespace fg
