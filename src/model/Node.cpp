#include "model/Node.h"

#include <algorithm>
#include <string>

#include "model/Cp932.h"
#include "model/TextTemplate.h"

namespace fg {

namespace {

struct CurveDefinition {
    const char* name;
    bool rising;
    bool speed;
};

// Name, initial shape and kind of each curve, by index. The names are
// shown, never stored: the window translates them.
constexpr CurveDefinition kCurveDefinitions[kCurveCount] = {
    {FG_TRANSLATE_NOOP("fg::Graph", "サイズ【幅】"), false, false},
    {FG_TRANSLATE_NOOP("fg::Graph", "サイズ【高さ】"), false, false},
    {FG_TRANSLATE_NOOP("fg::Graph", "サイズ【奥行き】"), false, false},
    {FG_TRANSLATE_NOOP("fg::Graph", "自転角度"), true, false},
    {FG_TRANSLATE_NOOP("fg::Graph", "公転角度"), true, false},
    {FG_TRANSLATE_NOOP("fg::Graph", "カラー【赤】"), false, false},
    {FG_TRANSLATE_NOOP("fg::Graph", "カラー【緑】"), false, false},
    {FG_TRANSLATE_NOOP("fg::Graph", "カラー【青】"), false, false},
    {FG_TRANSLATE_NOOP("fg::Graph", "カラー【不透明度】"), false, false},
    {FG_TRANSLATE_NOOP("fg::Graph", "速度"), false, true},
    {FG_TRANSLATE_NOOP("fg::Graph", "サイズ【全体】"), false, false},
};

}  // namespace

std::unique_ptr<Graph> makeInitialCurve(int index) {
    const CurveDefinition& definition = kCurveDefinitions[index];
    if (definition.speed) return std::make_unique<GraphSpeed>(definition.name);
    return std::make_unique<Graph>(definition.name, definition.rising);
}

Node::Node(Node* parent, std::int32_t id) : m_pParent(parent), m_ID(id) {
    setName("ノード" + std::to_string(id));
    if (parent) m_index = parent->childCount();
    for (int c = 0; c < kCurveCount; ++c) m_graph[static_cast<std::size_t>(c)] = makeInitialCurve(c);
}

Node::~Node() {
    // Children go first, each after its own children, as the list unwinds.
    deleteAllChildren();
}

void Node::setName(std::string_view name) { m_name = cutToCp932Bytes(name, kNameBytes); }

std::string_view Node::storedNameBytes() const {
    // A rename changes the text, so the bytes no longer apply; an undone
    // rename brings the text, and with it the bytes, back.
    if (m_storedName.empty() || cp932ToUtf8(m_storedName) != m_name) return {};
    return m_storedName;
}

Node* Node::childAt(int position) const {
    if (position < 0 || position >= childCount()) return nullptr;
    return m_children[static_cast<std::size_t>(position)].get();
}

Node& Node::insertChild(int position, std::unique_ptr<Node> child) {
    position = std::clamp(position, 0, childCount());
    auto it = m_children.insert(m_children.begin() + position, std::move(child));
    return **it;
}

void Node::removeChild(int position) {
    if (position < 0 || position >= childCount()) return;
    detachChild(position).reset();
}

std::unique_ptr<Node> Node::detachChild(int position) {
    if (position < 0 || position >= childCount()) return nullptr;
    auto it = m_children.begin() + position;
    std::unique_ptr<Node> child = std::move(*it);
    m_children.erase(it);
    return child;
}

void Node::deleteAllChildren() {
    for (auto& child : m_children) child->deleteAllChildren();
    m_children.clear();
}

int Node::positionOf(const Node* child) const {
    for (int i = 0; i < childCount(); ++i) {
        if (m_children[static_cast<std::size_t>(i)].get() == child) return i;
    }
    return -1;
}

void Node::setParents(Node* parent) {
    m_pParent = parent;
    for (auto& child : m_children) child->setParents(this);
}

void Node::renumber() {
    for (int i = 0; i < childCount(); ++i) {
        Node& child = *m_children[static_cast<std::size_t>(i)];
        child.m_index = i;
        child.renumber();
    }
}

Node* Node::findById(std::int32_t id) {
    return const_cast<Node*>(static_cast<const Node*>(this)->findById(id));
}

const Node* Node::findById(std::int32_t id) const {
    if (m_ID == id) return this;
    for (const auto& child : m_children) {
        if (const Node* found = child->findById(id)) return found;
    }
    return nullptr;
}

std::int32_t Node::highestId(std::int32_t start) const {
    std::int32_t highest = std::max(start, m_ID);
    for (const auto& child : m_children) highest = child->highestId(highest);
    return highest;
}

bool Node::isWithin(const Node& ancestor) const {
    for (const Node* node = this; node != nullptr; node = node->m_pParent) {
        if (node == &ancestor) return true;
    }
    return false;
}

int Node::subtreeHeight() const {
    int below = 0;
    for (const auto& child : m_children) below = std::max(below, child->subtreeHeight());
    return below + 1;
}

int Node::depth() const {
    int levels = 0;
    for (const Node* node = m_pParent; node; node = node->m_pParent) ++levels;
    return levels;
}

// Everything but the tree links: the target keeps its own parent.
void copyNodeFields(Node& target, const Node& source) {
    static_cast<NodeParams&>(target) = static_cast<const NodeParams&>(source);
    target.m_name = source.m_name;
    target.m_storedName = source.m_storedName;
    target.m_ID = source.m_ID;
    target.m_dispDepth = source.m_dispDepth;
    target.m_dispRow = source.m_dispRow;
    target.m_index = source.m_index;
    for (int c = 0; c < kCurveCount; ++c) {
        target.curve(c).assignFrom(source.curve(c));
        target.curve(c).rebuild();
    }
}

void deepCopy(Node& target, const Node& source) {
    target.m_children.clear();
    for (const auto& child : source.m_children) {
        target.m_children.push_back(cloneSubtree(*child));
        target.m_children.back()->m_pParent = &target;
    }
    copyNodeFields(target, source);
}

std::unique_ptr<Node> cloneSubtree(const Node& source) {
    auto copy = std::make_unique<Node>(nullptr, 0);
    deepCopy(*copy, source);
    return copy;
}

}  // namespace fg
