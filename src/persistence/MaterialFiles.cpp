#include "persistence/MaterialFiles.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "persistence/Workspace.h"

namespace fg {
namespace {

constexpr std::array<std::string_view, 5> kExtensions{".png", ".bmp", ".jpg", ".jpeg", ".obj"};
constexpr std::string_view kModelExtension = ".obj";

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() > suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool listedBefore(const std::string& a, const std::string& b) {
    const bool foldedLess = std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return static_cast<unsigned char>(upperAscii(x)) < static_cast<unsigned char>(upperAscii(y));
        });
    const bool foldedGreater = std::lexicographical_compare(
        b.begin(), b.end(), a.begin(), a.end(), [](char x, char y) {
            return static_cast<unsigned char>(upperAscii(x)) < static_cast<unsigned char>(upperAscii(y));
        });
    if (foldedLess != foldedGreater) return foldedLess;
    return a < b;
}

}  // namespace

std::vector<MaterialFile> listMaterialFiles(const std::filesystem::path& workDir) {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(workDir, ec)) {
        if (entry.is_regular_file(ec)) files.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end(), listedBefore);

    std::vector<MaterialFile> materials;
    for (std::string_view extension : kExtensions) {
        for (const std::string& file : files) {
            if (file == kDummyTextureName || !endsWith(file, extension)) continue;
            // "*.jpg" would not list "x.jpeg": the suffix test is exact.
            const std::string name = file.substr(0, file.rfind('.'));
            materials.push_back({name, file, extension == kModelExtension});
        }
    }
    return materials;
}

std::vector<std::string> materialFileNames(const std::vector<MaterialFile>& materials) {
    std::vector<std::string> names;
    names.reserve(materials.size());
    for (const MaterialFile& material : materials) names.push_back(material.fileName);
    return names;
}

MaterialPaths materialPaths(const std::filesystem::path& workDir) {
    MaterialPaths paths;
    for (const MaterialFile& material : listMaterialFiles(workDir)) {
        (material.isModel ? paths.models : paths.images).push_back((workDir / material.fileName).string());
    }
    return paths;
}

}  // namespace fg
