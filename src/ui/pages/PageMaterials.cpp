#include "ui/pages/PageMaterials.h"

#include "app/Editor.h"
#include "persistence/MaterialFiles.h"

namespace fg {

PageMaterials pageMaterials(const Editor& editor) {
    PageMaterials names;
    if (editor.state().workDir.empty()) return names;
    for (const MaterialFile& file : editor.materials().list()) {
        (file.isModel ? names.models : names.images).append(QString::fromStdString(file.name));
    }
    return names;
}

}  // namespace fg
