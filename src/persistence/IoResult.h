#pragma once
// The outcome of a file operation: success, or the message box text and
// caption the editor shows for the failure (the CLI prints the text).

#include <string>

namespace fg {

struct [[nodiscard]] IoResult {
    bool ok = false;
    std::string message;
    std::string caption;

    static IoResult success() { return {true, {}, {}}; }
    static IoResult failure(std::string message, std::string caption) {
        return {false, std::move(message), std::move(caption)};
    }
};

}  // namespace fg
