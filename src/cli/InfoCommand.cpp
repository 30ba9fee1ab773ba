// fulgrane3d-cli info: what a project holds, as text.

#include <cstdio>
#include <string>

#include "cli/Commands.h"
#include "model/EditorState.h"

namespace fg::cli {
namespace {

void printNode(const Node& node, int depth) {
    std::printf("%*s- [%d] %s  shape %d, texture %d, emitter %d\n", depth * 2, "", node.m_ID, node.m_name.c_str(),
                node.m_shape.type, node.m_texture.ID, node.m_emitter.type);
    for (const auto& child : node.m_children) printNode(*child, depth + 1);
}

}  // namespace

int runInfo(const Args& args) {
    if (!args.empty()) {
        std::fprintf(stderr, "fulgrane3d-cli info: opening projects is not available in this build\n");
        return 2;
    }
    const EditorState g;
    std::printf("%s\n", g.fileName.c_str());
    std::printf("frames %d at %d fps, %dx%d pixels, seed %d\n", g.project.frame, g.project.fps, g.project.width,
                g.project.height, g.project.randomSeed);
    std::printf("nodes:\n");
    for (const auto& child : g.tree.root().m_children) printNode(*child, 1);
    return 0;
}

}  // namespace fg::cli
