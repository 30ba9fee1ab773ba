#pragma once
// The program's version text: what the update check compares with the
// version file and what the version box shows. It comes from the project
// version in the top-level CMakeLists.txt and nowhere else.

#include <string_view>

namespace fg::app {

std::string_view versionText();

}  // namespace fg::app
