#include "ui/pages/PageMaterials.h"

#include "app/Editor.h"
#include "persistence/MaterialFiles.h"

namespace fg {

PageMaterials pageMaterials(const Editor& editor) {
    PageMaterials names;
    const std::string& workDir = editor.state().workDir;
    if (workDir.empty()) return names;
    for (const MaterialFile& file : listMaterialFiles(workDir)) {
        (file.isModel ? names.models : names.images).append(QString::fromStdString(file.name));
    }
    return names;
}

}  // namespace fg
