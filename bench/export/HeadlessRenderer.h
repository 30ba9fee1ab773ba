#pragma once
// A headless GL context with the whole renderer, as the export benchmarks
// need it; a machine that cannot make one has nothing to measure, so the
// benchmark program stops with the reason.

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "render/EglContext.h"
#include "render/Renderer.h"

namespace fg {

struct HeadlessRenderer {
    std::unique_ptr<EglContext> context;
    std::unique_ptr<Renderer> renderer;

    HeadlessRenderer() {
        std::string error;
        context = EglContext::create(&error);
        RenderError failure;
        if (context) renderer = Renderer::create(&failure);
        if (!renderer) {
            std::fprintf(stderr, "no renderer: %s%s\n", error.c_str(), failure.message.sourceText().c_str());
            std::exit(1);
        }
    }
};

}  // namespace fg
