#pragma once
// One emitter of the effect: its parameters, identity, tree links and the
// eleven curves that shape its particles over their life. Nodes are made by
// an EffectTree (which owns the ID rule) and owned by their parent's list.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/Graph.h"
#include "model/NodeParams.h"

namespace fg {

// Index into Node::m_graph; also the number in the settings file's curve keys.
enum CurveIndex : int {
    kCurveWidth = 0,
    kCurveHeight = 1,
    kCurveDepth = 2,
    kCurveSelfAngle = 3,
    kCurveRevolutionAngle = 4,
    kCurveRed = 5,
    kCurveGreen = 6,
    kCurveBlue = 7,
    kCurveOpacity = 8,
    kCurveSpeed = 9,
    kCurveSize = 10,
};
inline constexpr int kCurveCount = 11;

// A new curve of the given index, with its name, kind and initial points.
std::unique_ptr<Graph> makeInitialCurve(int index);

struct Node : NodeParams {
    // Name limit in cp932 bytes (the stored field holds 255 and the NUL).
    static constexpr std::size_t kNameBytes = 255;
    static constexpr std::int32_t kNotLaidOut = 999999;

    // A node with default parameters, the given ID and the name "ノード<ID>".
    // m_index becomes the parent's child count (the position the caller
    // appends it at); the node is not inserted anywhere.
    Node(Node* parent, std::int32_t id);
    ~Node();
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    std::vector<std::unique_ptr<Node>> m_children;
    Node* m_pParent = nullptr;
    std::string m_name;  // UTF-8, at most kNameBytes in cp932
    // The name's bytes as the settings file stored them, kept when they are
    // not the codes the encoder writes for these characters (cp932 has two
    // codes for some, and Windows prefers one). Not a parameter, not saved
    // on its own: it only lets an unedited name be written back unchanged.
    std::string m_storedName;
    std::int32_t m_ID = 0;
    std::int32_t m_dispDepth = 0;
    std::int32_t m_dispRow = kNotLaidOut;
    std::int32_t m_index = 0;
    std::array<std::unique_ptr<Graph>, kCurveCount> m_graph;

    Graph& curve(int index) { return *m_graph[static_cast<std::size_t>(index)]; }
    const Graph& curve(int index) const { return *m_graph[static_cast<std::size_t>(index)]; }

    // Sets the name, cut to kNameBytes cp932 bytes without splitting a character.
    void setName(std::string_view name);
    // The stored bytes to write for the name: m_storedName while the name
    // is still the text they decode to, empty when the name must be encoded.
    std::string_view storedNameBytes() const;

    int childCount() const { return static_cast<int>(m_children.size()); }
    // The child at a position, or null when the position is out of range.
    Node* childAt(int position) const;
    // Inserts before `position` (the count appends; out of range clamps) and
    // returns the inserted node.
    Node& insertChild(int position, std::unique_ptr<Node> child);
    // Destroys the child at `position` with its subtree (no-op out of range).
    void removeChild(int position);
    // Takes the child at `position` out of the list, handing over ownership.
    std::unique_ptr<Node> detachChild(int position);
    void deleteAllChildren();
    // Position of `child` in this node's list, or -1.
    int positionOf(const Node* child) const;

    // Sets this node's parent link and, recursively, every child's to its lister.
    void setParents(Node* parent);
    // Sets every descendant's m_index to its position in its parent's list.
    void renumber();

    // Pre-order search: this node, then each child's subtree in order.
    Node* findById(std::int32_t id);
    const Node* findById(std::int32_t id) const;
    // The largest of start, this node's ID and all descendants' IDs.
    std::int32_t highestId(std::int32_t start) const;
    // Number of levels in this subtree (1 for a leaf).
    int subtreeHeight() const;
    // Whether this node is `ancestor` or lies in its subtree.
    bool isWithin(const Node& ancestor) const;
    // Levels between this node and the top of its tree (0 for a node without parent).
    int depth() const;
};

// Copies source into target: parameters, identity, layout fields, names,
// curves (points and names, then rebuilt) and, recursively, the children.
// The target's previous children are dropped. The copy links only to
// itself: the copied children's parent is the target, and the target keeps
// its own parent link.
void deepCopy(Node& target, const Node& source);

// A parentless deep copy of the node and its subtree, IDs included; every
// copied child's parent is its copied parent, never a node of the source.
std::unique_ptr<Node> cloneSubtree(const Node& source);

}  // namespace fg
