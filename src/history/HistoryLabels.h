#pragma once
// The label table of the edit history: each parameter path a page hands over
// ("g.pSelNode->m_kill.span") with the text the history list shows for it.

#include <span>
#include <string_view>

namespace fg {

struct HistoryLabel {
    std::string_view path;
    std::string_view label;
};

// Every row, in the table's order.
std::span<const HistoryLabel> historyLabels();
// The label of `path`, or empty when the table has no such row.
std::string_view historyLabel(std::string_view path);

// The prefix that makes a node-field key a parameter path.
inline constexpr std::string_view kSelectedNodePathPrefix = "g.pSelNode->";

}  // namespace fg
