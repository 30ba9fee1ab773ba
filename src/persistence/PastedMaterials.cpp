#include "persistence/PastedMaterials.h"

#include <algorithm>

#include "persistence/FileBytes.h"

namespace fg {
namespace {

std::string folded(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return result;
}

// The present file named `fileName` (ignoring case), or nullptr.
const std::string* findPresent(const std::vector<std::string>& present, const std::string& fileName) {
    const std::string wanted = folded(fileName);
    const auto found = std::find_if(present.begin(), present.end(),
                                    [&](const std::string& name) { return folded(name) == wanted; });
    return found != present.end() ? &*found : nullptr;
}

}  // namespace

std::string materialNameOf(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    return std::string(dot == std::string_view::npos ? fileName : fileName.substr(0, dot));
}

PlacedMaterial placeMaterial(const std::filesystem::path& workDir, const std::vector<std::string>& present,
                             const std::string& fileName, std::string_view bytes) {
    const std::string name = materialNameOf(fileName);
    const std::string extension = fileName.substr(name.size());
    for (int copy = 1;; ++copy) {
        const std::string candidate = copy == 1 ? fileName : name + " (" + std::to_string(copy) + ")" + extension;
        const std::string* existing = findPresent(present, candidate);
        if (existing == nullptr) return {candidate, true};
        const std::optional<std::string> there = readFileBytes(workDir / *existing);
        if (there && *there == bytes) return {*existing, false};
    }
}

}  // namespace fg
