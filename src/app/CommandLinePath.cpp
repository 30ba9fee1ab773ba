#include "app/CommandLinePath.h"

namespace fg {

std::string commandLineProjectPath(std::string_view argument) {
    if (argument.empty() || argument.front() != '"') return std::string(argument);
    const std::string_view rest = argument.substr(1);
    return std::string(rest.substr(0, rest.find('"')));
}

}  // namespace fg
