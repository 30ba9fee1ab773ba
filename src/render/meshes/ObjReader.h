#pragma once
// Reads a triangle model from an OBJ text file into the left-handed,
// top-left-texture convention of the renderer: x mirrored, v flipped and each
// face's vertex order reversed (so faces stay front-facing after the
// mirror). Only positions and texture coordinates are used; a face with
// more than three corners is split into a fan of triangles.

#include <string>
#include <vector>

#include "render/meshes/MeshVertex.h"

namespace fg {

struct ObjModel {
    int positionCount = 0;  // "v" tokens counted in the file
    int texCoordCount = 0;  // "vt" tokens
    int faceCount = 0;      // "f" tokens, comments included
    std::vector<MeshVertex> vertices;  // three per triangle of the face lines read, in draw order
    std::vector<unsigned> indices;     // 0, 1, 2, … one per vertex
};

struct ObjReadResult {
    bool ok = false;
    std::string error;  // what made the file unusable, with its line number
    ObjModel model;
};

ObjReadResult readObj(const std::string& path);
// The same reader on text already in memory.
ObjReadResult parseObj(const std::string& text);

}  // namespace fg
