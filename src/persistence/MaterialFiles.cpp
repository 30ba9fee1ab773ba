#include "persistence/MaterialFiles.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "model/UpperCase.h"
#include "persistence/Workspace.h"

namespace fg {
namespace {

constexpr std::array<std::string_view, 5> kExtensions{".png", ".bmp", ".jpg", ".jpeg", ".obj"};
constexpr std::string_view kModelExtension = ".obj";

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() > suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// A file name with the key NTFS lists it by.
struct ListedName {
    std::u16string key;
    std::string fileName;
};

bool listedBefore(const ListedName& a, const ListedName& b) {
    if (a.key != b.key) return a.key < b.key;
    return a.fileName < b.fileName;
}

}  // namespace

std::vector<MaterialFile> listMaterialFiles(const std::filesystem::path& workDir) {
    const Utf16UpperCase upperCase;
    std::vector<ListedName> listed;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(workDir, ec)) {
        if (!entry.is_regular_file(ec)) continue;
        std::string fileName = entry.path().filename().string();
        listed.push_back({upperCase.upper(fileName), std::move(fileName)});
    }
    std::sort(listed.begin(), listed.end(), listedBefore);
    std::vector<std::string> files;
    files.reserve(listed.size());
    for (ListedName& name : listed) files.push_back(std::move(name.fileName));

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
