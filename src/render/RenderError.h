#pragma once
// A failure the editor shows in a message box: its text and caption (the
// caption may be empty). The CLI prints both.

#include <string>

namespace fg {

struct RenderError {
    std::string message;
    std::string caption;
};

}  // namespace fg
