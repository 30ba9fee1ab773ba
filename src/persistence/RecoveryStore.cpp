#include "persistence/RecoveryStore.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <utility>

#include "persistence/PerUserFolder.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kMagic = "FULGRANE3D-RECOVERY 1\n";
// Serialises making slots and claiming copies between programs starting together.
constexpr const char* kRootLockName = ".root.lock";

bool isSlotName(const std::string& name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isHeaderText(std::string_view text) {
    return text.find('\0') == std::string_view::npos && text.find('\r') == std::string_view::npos;
}

// The next line of `rest` (without its line feed), or nothing when there is none.
std::optional<std::string_view> takeLine(std::string_view& rest) {
    const std::size_t end = rest.find('\n');
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end + 1);
    return line;
}

std::int64_t millisecondTick() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace

std::string encodeRecovery(const RecoveryContent& content) {
    std::string bytes(kMagic);
    bytes += content.origin;
    bytes += '\n';
    bytes += content.fileName;
    bytes += '\n';
    bytes += content.archive;
    return bytes;
}

std::optional<RecoveryContent> decodeRecovery(std::string_view bytes) {
    if (!bytes.starts_with(kMagic)) return std::nullopt;
    std::string_view rest = bytes.substr(kMagic.size());
    const auto origin = takeLine(rest);
    if (!origin || !isHeaderText(*origin)) return std::nullopt;
    const auto fileName = takeLine(rest);
    if (!fileName || fileName->empty() || !isHeaderText(*fileName)) return std::nullopt;
    if (rest.empty()) return std::nullopt;
    return RecoveryContent{std::string(*origin), std::string(*fileName), std::string(rest)};
}

fs::path defaultRecoveryRoot() { return perUserFolder(UserFolderKind::Data, "recovery"); }

// ---- the running editor's slot ----------------------------------------------

RecoverySlot::RecoverySlot(fs::path path, FileLock lock) : m_path(std::move(path)), m_lock(std::move(lock)) {}

RecoverySlot::RecoverySlot(RecoverySlot&& other) noexcept
    : m_path(std::exchange(other.m_path, {})), m_lock(std::move(other.m_lock)) {}

RecoverySlot& RecoverySlot::operator=(RecoverySlot&& other) noexcept {
    if (this != &other) {
        remove();
        m_path = std::exchange(other.m_path, {});
        m_lock = std::move(other.m_lock);
    }
    return *this;
}

RecoverySlot::~RecoverySlot() { remove(); }

std::optional<RecoverySlot> RecoverySlot::create(const fs::path& root, std::string* error) {
    const auto fail = [error](std::string text) {
        if (error) *error = std::move(text);
        return std::nullopt;
    };
    std::error_code ec;
    fs::create_directories(root, ec);
    if (ec) return fail("cannot create " + root.string() + ": " + ec.message());
    const FileLock rootLock(root / kRootLockName, true);
    if (!rootLock.held()) return fail("cannot lock " + (root / kRootLockName).string());
    for (std::int64_t tick = millisecondTick();; ++tick) {
        const fs::path path = root / std::to_string(tick);
        if (!fs::create_directory(path, ec)) {
            if (ec) return fail("cannot create " + path.string() + ": " + ec.message());
            continue;  // another editor took this millisecond
        }
        FileLock lock(path / kRecoveryLockName, false);
        if (!lock.held()) {
            fs::remove_all(path, ec);
            return fail("cannot lock " + (path / kRecoveryLockName).string());
        }
        return RecoverySlot(path, std::move(lock));
    }
}

FileWriteResult RecoverySlot::write(const RecoveryContent& content) const {
    return writeFileBytes(copyPath(), encodeRecovery(content), LinkRule::ReplaceLink);
}

void RecoverySlot::discard() const {
    std::error_code ignored;
    fs::remove(copyPath(), ignored);
}

bool RecoverySlot::hasCopy() const {
    std::error_code ignored;
    return !m_path.empty() && fs::exists(copyPath(), ignored);
}

void RecoverySlot::remove() {
    if (m_path.empty()) return;
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
    m_path.clear();
    m_lock = FileLock(fs::path(), false);
}

// ---- copies left behind ------------------------------------------------------

ClaimedCopy::ClaimedCopy(fs::path slot, FileLock lock, RecoveryContent content)
    : m_slot(std::move(slot)), m_lock(std::move(lock)), m_content(std::move(content)) {}

void ClaimedCopy::remove() {
    std::error_code ignored;
    fs::remove_all(m_slot, ignored);
    release();
}

void ClaimedCopy::release() { m_lock = FileLock(fs::path(), false); }

std::vector<ClaimedCopy> claimAbandonedCopies(const fs::path& root) {
    std::vector<ClaimedCopy> claimed;
    std::vector<fs::file_time_type> written;
    std::error_code ec;
    if (!fs::is_directory(root, ec)) return claimed;
    const FileLock rootLock(root / kRootLockName, true);
    if (!rootLock.held()) return claimed;
    for (const fs::directory_entry& entry : fs::directory_iterator(root, ec)) {
        if (!entry.is_directory(ec) || entry.is_symlink(ec) || !isSlotName(entry.path().filename().string())) {
            continue;
        }
        // A slot whose lock we can take has no running owner.
        FileLock probe(entry.path() / kRecoveryLockName, false);
        if (!probe.held()) continue;
        const fs::path copy = entry.path() / kRecoveryFileName;
        if (!fs::exists(copy, ec)) {
            fs::remove_all(entry.path(), ec);
            continue;
        }
        const std::optional<std::string> bytes = readFileBytes(copy);
        std::optional<RecoveryContent> content = bytes ? decodeRecovery(*bytes) : std::nullopt;
        if (!content) continue;
        written.push_back(fs::last_write_time(copy, ec));
        claimed.emplace_back(entry.path(), std::move(probe), std::move(*content));
    }
    // Newest first.
    std::vector<std::size_t> order(claimed.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return written[a] > written[b]; });
    std::vector<ClaimedCopy> sorted;
    for (const std::size_t i : order) sorted.push_back(std::move(claimed[i]));
    return sorted;
}

}  // namespace fg
