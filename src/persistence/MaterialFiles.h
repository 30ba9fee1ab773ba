#pragma once
// The material files of a workspace in material-list order: the images
// (*.png, *.bmp, *.jpg, *.jpeg, pattern by pattern) first, then the models
// (*.obj). The placeholder image is never a material.

#include <filesystem>
#include <string>
#include <vector>

namespace fg {

struct MaterialFile {
    std::string name;      // the file name without its last extension (UTF-8)
    std::string fileName;  // the file name in the workspace
    bool isModel = false;
};

// Within one pattern the files come in the order Windows lists them on
// NTFS (each UTF-16 code unit upper-cased, then the units compared), so that
// the positions nodes store in projects made there mean the same files
// here; names equal that way fall back to their bytes.
std::vector<MaterialFile> listMaterialFiles(const std::filesystem::path& workDir);

// Full paths of the image and of the model materials, each in list order,
// as the renderer loads them.
struct MaterialPaths {
    std::vector<std::string> images;
    std::vector<std::string> models;
};
MaterialPaths materialPaths(const std::filesystem::path& workDir);

// The file names in list order, as packing takes them.
std::vector<std::string> materialFileNames(const std::vector<MaterialFile>& materials);

}  // namespace fg
