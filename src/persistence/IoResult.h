#pragma once
// The outcome of a file operation: success, or the message box text and
// caption the editor shows for the failure (the CLI prints the text). Both
// are messages, put into words where they are shown.

#include <utility>

#include "model/Message.h"

namespace fg {

struct [[nodiscard]] IoResult {
    bool ok = false;
    Message message;
    Message caption;

    static IoResult success() { return {true, {}, {}}; }
    static IoResult failure(Message message, Message caption) {
        return {false, std::move(message), std::move(caption)};
    }
};

}  // namespace fg
