#pragma once
// The format a file's first bytes show, for tests that check what a name
// chose: "png", "jpeg", "tiff", "gif", "bmp", "webp" or "unknown".

#include <filesystem>
#include <fstream>
#include <string>

namespace fg::test {

inline std::string magicOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string head(12, '\0');
    in.read(head.data(), 12);
    head.resize(static_cast<std::size_t>(in.gcount()));
    if (head.starts_with("\x89PNG")) return "png";
    if (head.starts_with("\xFF\xD8\xFF")) return "jpeg";
    if (head.starts_with("II*") || head.starts_with("MM\0*")) return "tiff";
    if (head.starts_with("GIF8")) return "gif";
    if (head.starts_with("BM")) return "bmp";
    if (head.starts_with("RIFF") && head.substr(8, 4) == "WEBP") return "webp";
    return "unknown";
}

}  // namespace fg::test
