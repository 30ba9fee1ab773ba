#pragma once
// The material names the texture and shape lists offer: the images and the
// 3D models of the workspace, each in material-list order.

#include <QStringList>

namespace fg {

class Editor;

struct PageMaterials {
    QStringList images;
    QStringList models;
};

PageMaterials pageMaterials(const Editor& editor);

}  // namespace fg
