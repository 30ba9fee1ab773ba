#pragma once
// The project path the editor is started with: the whole argument, or, when
// it begins with a double quote, the text up to the next quote (or the end).

#include <string>
#include <string_view>

namespace fg {

std::string commandLineProjectPath(std::string_view argument);

}  // namespace fg
