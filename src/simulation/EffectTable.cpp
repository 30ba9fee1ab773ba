#include "simulation/EffectTable.h"

#include <cassert>

namespace fg {

NodeCurves curvesOf(const Node& node) {
    NodeCurves curves;
    for (int i = 0; i < kCurveCount; ++i) {
        const Graph& graph = node.curve(i);
        const SampleArray samples = graph.samples();
        curves[static_cast<std::size_t>(i)] = {samples, graph.isSpeed(), curve::isZero(samples)};
    }
    return curves;
}

void EffectTable::load(const Node& root, std::int32_t effectFrames) {
    m_nodes.clear();
    add(root, kNoNode);
    EffectNode& top = m_nodes[kRoot];
    top.isRoot = true;
    // The root particle lives exactly as long as the effect. Only the copy
    // changes: the root node itself stays at its defaults.
    top.params.m_kill.span = effectFrames;
#ifndef NDEBUG
    // Pre-order: every node after its parent, children in range and after
    // their parent; the parameter channel and the emitters rely on it.
    for (NodeIndex i = 0; i < m_nodes.size(); ++i) {
        assert((i == kRoot) == (m_nodes[i].parent == kNoNode));
        assert(i == kRoot || m_nodes[i].parent < i);
        for (NodeIndex child : m_nodes[i].children)
            assert(child > i && child < m_nodes.size() && m_nodes[child].parent == i);
    }
#endif
}

void EffectTable::add(const Node& node, NodeIndex parent) {
    const auto index = static_cast<NodeIndex>(m_nodes.size());
    EffectNode entry;
    entry.curves = curvesOf(node);
    entry.id = node.m_ID;
    entry.params = node;  // the NodeParams part
    entry.parent = parent;
    m_nodes.push_back(std::move(entry));
    if (parent != kNoNode) m_nodes[parent].children.push_back(index);
    for (const auto& child : node.m_children) add(*child, index);
}

NodeIndex EffectTable::find(std::int32_t id, NodeIndex hint) const {
    if (hint < m_nodes.size() && m_nodes[hint].id == id) return hint;
    for (NodeIndex i = 0; i < m_nodes.size(); ++i) {
        if (m_nodes[i].id == id) return i;
    }
    return kNoNode;
}

}  // namespace fg
