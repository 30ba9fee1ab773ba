#pragma once
// The export's texts are messages of one translation context.

#include "model/Message.h"
#include "model/TextTemplate.h"

namespace fg {

inline constexpr const char* kExportTextContext = "fg::export_text";

// `source`: a constant of export_text.
inline Message exportMessage(const char* source) {
    return Message(kExportTextContext, source);
}

}  // namespace fg
