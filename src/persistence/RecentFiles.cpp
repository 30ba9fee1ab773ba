#include "persistence/RecentFiles.h"

#include <algorithm>

namespace fg {
namespace {

std::string slotKey(std::size_t index) { return "list" + std::to_string(index); }

}  // namespace

RecentFiles::RecentFiles(std::vector<std::string> entries) : m_entries(std::move(entries)) {
    if (m_entries.size() > kMaxEntries) m_entries.resize(kMaxEntries);
}

void RecentFiles::add(const std::string& path) {
    m_entries.insert(m_entries.begin(), path);
    const auto older = std::find(m_entries.begin() + 1, m_entries.end(), path);
    if (older != m_entries.end()) m_entries.erase(older);
    if (m_entries.size() > kMaxEntries) m_entries.pop_back();
}

bool RecentFiles::remove(const std::string& path) {
    const auto found = std::find(m_entries.begin(), m_entries.end(), path);
    if (found == m_entries.end()) return false;
    m_entries.erase(found);
    return true;
}

std::vector<std::string> RecentFiles::menuEntries() const {
    std::vector<std::string> shown;
    for (const std::string& entry : m_entries) {
        if (entry == kEmptySlot || shown.size() == kMaxEntries) break;
        shown.push_back(entry);
    }
    return shown;
}

RecentFiles RecentFiles::load(const IniDocument& settings) {
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < kMaxEntries; ++i) {
        entries.push_back(settings.getString(kSection, slotKey(i), kEmptySlot));
    }
    return RecentFiles(std::move(entries));
}

void RecentFiles::store(IniDocument& settings) const {
    for (std::size_t i = 0; i < kMaxEntries; ++i) {
        settings.setString(kSection, slotKey(i), i < m_entries.size() ? std::string_view(m_entries[i]) : kEmptySlot);
    }
}

}  // namespace fg
