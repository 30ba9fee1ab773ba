#include "text/Untitled.h"

#include <QCoreApplication>

#include <string_view>

#include "model/EditorState.h"

namespace fg::text {

// The translation file knows the name under this context.
static_assert(std::string_view(kUntitledFileName) == "無題.nbx");

QString untitledFileName() {
    return QCoreApplication::translate("fg::CoreText", "無題.nbx");
}

}  // namespace fg::text
