#pragma once
// The recently used project files, newest first, at most ten. An entry "-"
// marks an empty slot; the menu shows the entries up to the first one.

#include <string>
#include <string_view>
#include <vector>

#include "persistence/Ini.h"

namespace fg {

class RecentFiles {
public:
    static constexpr std::size_t kMaxEntries = 10;
    static constexpr std::string_view kEmptySlot = "-";
    static constexpr std::string_view kSection = "RECENT";

    RecentFiles() = default;
    explicit RecentFiles(std::vector<std::string> entries);

    // Puts the path in front and drops its older entry (exact byte
    // comparison) and, beyond ten entries, the last one.
    void add(const std::string& path);
    // Removes the first entry equal to the path; false when there is none.
    bool remove(const std::string& path);

    const std::vector<std::string>& entries() const { return m_entries; }
    // What the recent-files menu lists: up to the first "-", at most ten.
    std::vector<std::string> menuEntries() const;

    // RECENT list0 … list9, "-" when missing, each read whole.
    static RecentFiles load(const IniDocument& settings);
    // Writes all ten slots, "-" for the empty ones, so that a slot a removal
    // emptied does not keep its old path in the file.
    void store(IniDocument& settings) const;

private:
    std::vector<std::string> m_entries;
};

}  // namespace fg
