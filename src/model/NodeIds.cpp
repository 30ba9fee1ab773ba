#include "model/NodeIds.h"

#include <limits>

namespace fg {
namespace {

void gatherIds(const Node& node, std::set<std::int32_t>& ids) {
    ids.insert(node.m_ID);
    for (const auto& child : node.m_children) gatherIds(*child, ids);
}

}  // namespace

NodeIdAllocator::NodeIdAllocator(const Node& root) : m_root(root), m_highest(root.highestId(0)) {}

std::int32_t NodeIdAllocator::take() {
    if (m_highest < std::numeric_limits<std::int32_t>::max()) return ++m_highest;
    if (!m_gathered) {
        gatherIds(m_root, m_used);
        m_gathered = true;
    }
    // A tree holds far fewer than 2^31 nodes, so a free ID comes long before
    // the candidate could reach the top.
    do {
        ++m_lowestCandidate;
    } while (m_used.count(m_lowestCandidate) != 0);
    m_used.insert(m_lowestCandidate);
    return m_lowestCandidate;
}

}  // namespace fg
