#pragma once
// Nodes refer to materials by list position (m_texture.ID, model shapes in
// m_shape.type). Before the material list changes, the names behind those
// positions are remembered; afterwards the positions are found again by name.

#include <string>
#include <vector>

namespace fg {

struct Node;

// The material list as the bookkeeping sees it: names in list order, images first.
struct MaterialNameList {
    std::vector<std::string> names;
    int imageCount = 0;
};

// Every node except the root: m_texture.name = name of material m_texture.ID.
void rememberTextureNames(Node& root, const MaterialNameList& materials);
// Every node: m_shape.objName = name of model material m_shape.type - 5.
void rememberModelNames(Node& root, const MaterialNameList& materials);
// Every node except the root: m_texture.ID = first material with that name, or -1.
void relinkTextures(Node& root, const MaterialNameList& materials);
// Every node: m_shape.type = 5 + model position of the first material with
// that name; unchanged when none is found.
void relinkModels(Node& root, const MaterialNameList& materials);

}  // namespace fg
