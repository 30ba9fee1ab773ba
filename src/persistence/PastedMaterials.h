#pragma once
// Where a material brought in from elsewhere (a pasted node's) goes in a
// workspace that may already hold one of that name: the same file again is
// the one already there; another file of the same name keeps both, the new
// one as "<name> (2)<extension>", "(3)" and so on.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace fg {

// A material's name: its file name without the last extension.
std::string materialNameOf(std::string_view fileName);

struct PlacedMaterial {
    std::string fileName;  // the name it has in the workspace
    bool written = false;  // true: the caller writes it under that name; false: it is there already
};

// The place of `fileName` with content `bytes` in `workDir`, whose materials
// are `present` (file names). Names are compared ignoring ASCII case, as the
// systems that share projects do.
PlacedMaterial placeMaterial(const std::filesystem::path& workDir, const std::vector<std::string>& present,
                             const std::string& fileName, std::string_view bytes);

}  // namespace fg
