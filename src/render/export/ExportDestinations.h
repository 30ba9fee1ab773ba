#pragma once
// The files an export writes, and the guard that keeps them off the files
// the export reads: exporting over the project would replace it with a
// picture.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/Message.h"
#include "model/TextTemplate.h"

namespace fg {

namespace export_text {
// The output path on the second line.
inline constexpr const char* kOverwritesProject = FG_TRANSLATE_NOOP(
    "fg::export_text", "書き出し先のファイルは開いているプロジェクトのファイルです。別のファイル名を指定してください。\n%1");
}

// The chosen path for a sheet; the numbered names 0 … lastIndex for separate files.
std::vector<std::string> exportOutputPaths(const std::string& destination, bool separateFiles, int lastIndex);

// The first output that is one of the source files, however it is named (a
// symbolic or hard link, "./", relative or absolute): the same device and
// inode. Outputs that do not exist yet cannot be a source.
std::optional<std::string> outputOverSource(const std::vector<std::string>& outputs,
                                            const std::vector<std::filesystem::path>& sources);

// kOverwritesProject filled with the path.
Message overwritesProjectMessage(const std::string& output);

}  // namespace fg
