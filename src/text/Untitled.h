#pragma once
// The name a project that was never saved shows ("無題.nbx") in the current
// language, for the title bar and the save dialog. The document keeps the
// Japanese name: it is what a relaunch and the recent list see.

#include <QString>

namespace fg::text {

QString untitledFileName();

}  // namespace fg::text
