#pragma once
// The messages the standard-library modules build (file errors, tree
// refusals, export failures, history labels, curve names) reach the window
// and the command-line tool as filled UTF-8 texts. This finds the template a
// text was filled from and gives it in the current language with the same
// arguments; paths and node names stay as they are.

#include <QString>

#include <string>
#include <string_view>

namespace fg::text {

// `filled` translated; itself when it is no known message.
QString coreText(std::string_view filled);
std::string coreTextUtf8(std::string_view filled);

// The name a project that was never saved shows ("無題.nbx") in the current
// language, for the title bar and the save dialog. The document keeps the
// Japanese name: it is what a relaunch and the recent list see.
QString untitledFileName();

}  // namespace fg::text
