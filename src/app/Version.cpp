#include "app/Version.h"

#include "app/BuildVersion.h"
#include "app/VersionFile.h"

namespace fg::app {

// Only the first bytes of the version file count; a longer version text could
// never compare equal and every start would announce an update.
static_assert(build::kVersion.size() <= kVersionFileMaxBytes,
              "the version text must fit in the bytes read from the version file");

std::string_view versionText() { return build::kVersion; }

}  // namespace fg::app
