#include "persistence/Messages.h"

namespace fg::persistence_text {

std::string cannotRead(std::string_view path) { return fillTemplate(kCannotRead, {path}); }

std::string cannotWrite(std::string_view path) { return fillTemplate(kCannotWrite, {path}); }

std::string materialNameNotStorable(std::string_view fileName) {
    return fillTemplate(kMaterialNameNotStorable, {fileName});
}

std::string materialUnreadable(std::string_view fileName) { return fillTemplate(kMaterialUnreadable, {fileName}); }

}  // namespace fg::persistence_text
