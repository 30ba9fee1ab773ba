#pragma once
// What the headless subcommands share: a project opened in a workspace of
// their own, and for the drawing ones a GL context with the renderer and the
// project's materials.

#include <memory>
#include <optional>
#include <string>

#include "model/EditorState.h"
#include "persistence/Workspace.h"
#include "render/EglContext.h"
#include "render/Renderer.h"
#include "render/camera/Camera.h"

namespace fg::cli {

struct OpenedProject {
    ScopedWorkspace workspace;
    EditorState g;
};

// Opens PROJECT in a fresh tool workspace; prints the editor's message to
// stderr and returns null when it cannot.
std::unique_ptr<OpenedProject> openToolProject(const std::string& path,
                                               std::optional<int> fileVersionOverride = std::nullopt);

struct HeadlessRenderer {
    std::unique_ptr<EglContext> context;
    std::unique_ptr<Renderer> renderer;
};

// A GL context and a renderer holding the project's materials; prints what
// failed (prefixed with the command name) and returns nothing on failure.
std::optional<HeadlessRenderer> createHeadlessRenderer(const char* command, const EditorState& g);

// The view's camera placed where the project saved it, upright as the
// editor's view draws it.
Camera projectCamera(const EditorState& g);

}  // namespace fg::cli
