#pragma once
// Messages of the standard-library modules. Each is a UTF-8 constant marked
// with FG_TRANSLATE_NOOP(context, text), which the translation tools extract
// (lupdate knows it as an alias of QT_TRANSLATE_NOOP) and which leaves the
// Japanese source as it is. Messages that hold a path or a name are
// templates with %1, %2 … filled here, so a translation can put the argument
// where its language wants it; the window and the command-line tool
// translate the filled text where they show it.

#include <initializer_list>
#include <string>
#include <string_view>

#define FG_TRANSLATE_NOOP(context, text) text

namespace fg {

// `pattern` with %1 … %9 replaced by the arguments in order; a marker with
// no argument stays as it is.
std::string fillTemplate(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace fg
