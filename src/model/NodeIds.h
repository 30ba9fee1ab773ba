#pragma once
// The ID rule: a new node takes one more than the highest ID in the tree.
// A file may already hold the highest 32-bit ID; from there on, new nodes
// take the lowest positive IDs no node holds, so IDs stay unique and the
// count never overflows.

#include <cstdint>
#include <set>

#include "model/Node.h"

namespace fg {

class NodeIdAllocator {
public:
    // IDs free in the tree under `root` (the root's own ID included). Each
    // ID taken must be given to a node of that tree before the next take.
    explicit NodeIdAllocator(const Node& root);

    std::int32_t take();

private:
    const Node& m_root;
    std::int32_t m_highest;
    std::set<std::int32_t> m_used;  // gathered only once the top is reached
    bool m_gathered = false;
    std::int32_t m_lowestCandidate = 0;
};

}  // namespace fg
