#include "simulation/ParameterChannel.h"

#include <cassert>

#include "simulation/EffectTable.h"

namespace fg {

void ParameterChannel::publish(const Node& root) {
    std::lock_guard lock(m_mutex);
    std::size_t count = 0;
    for (const auto& child : root.m_children) collect(*child, count);
    m_count = count;
    m_fresh = true;
}

void ParameterChannel::collect(const Node& node, std::size_t& count) {
    if (count == m_pending.size()) m_pending.emplace_back();
    Entry& entry = m_pending[count++];
    entry.id = node.m_ID;
    entry.params = node;  // assignment reuses the strings' storage
    entry.curves = curvesOf(node);
    for (const auto& child : node.m_children) collect(*child, count);
}

bool ParameterChannel::takeNewest(EffectTable& table) {
    std::lock_guard lock(m_mutex);
    if (!m_fresh) return false;
    m_fresh = false;
    assert(m_count <= m_pending.size());
    // Entries come in tree order without the root, so entry k is usually
    // table row k + 1; a node the table does not know is skipped.
    for (std::size_t k = 0; k < m_count; ++k) {
        const Entry& entry = m_pending[k];
        const NodeIndex row = table.find(entry.id, static_cast<NodeIndex>(k + 1));
        if (row == kNoNode || table[row].isRoot) continue;
        table[row].params = entry.params;
        table[row].curves = entry.curves;
    }
    return true;
}

bool ParameterChannel::hasNewest() const {
    std::lock_guard lock(m_mutex);
    return m_fresh;
}

void ParameterChannel::discard() {
    std::lock_guard lock(m_mutex);
    m_fresh = false;
}

}  // namespace fg
