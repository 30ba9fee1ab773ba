#include "render/export/ExportDestinations.h"

#include <system_error>

#include "render/export/ExportFormat.h"
#include "render/export/ExportText.h"

namespace fg {

std::vector<std::string> exportOutputPaths(const std::string& destination, bool separateFiles, int lastIndex) {
    if (!separateFiles) return {destination};
    std::vector<std::string> paths;
    for (int i = 0; i <= lastIndex; ++i) paths.push_back(numberedFileName(destination, i));
    return paths;
}

std::optional<std::string> outputOverSource(const std::vector<std::string>& outputs,
                                            const std::vector<std::filesystem::path>& sources) {
    for (const std::string& output : outputs) {
        for (const std::filesystem::path& source : sources) {
            std::error_code missing;
            if (std::filesystem::equivalent(output, source, missing)) return output;
        }
    }
    return std::nullopt;
}

Message overwritesProjectMessage(const std::string& output) {
    return exportMessage(export_text::kOverwritesProject).arg(output);
}

}  // namespace fg
