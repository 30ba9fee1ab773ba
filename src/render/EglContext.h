#pragma once
// A headless OpenGL 3.3 core context through EGL (Mesa's surfaceless
// platform, or a small pbuffer where that is missing). The CLI and the tests
// render into framebuffer objects inside it; the editor uses its widget's
// context instead.

#include <memory>
#include <string>

namespace fg {

class EglContext {
public:
    // A current context, or null with *error describing what failed.
    static std::unique_ptr<EglContext> create(std::string* error);
    ~EglContext();
    EglContext(const EglContext&) = delete;
    EglContext& operator=(const EglContext&) = delete;

    bool makeCurrent();

private:
    EglContext() = default;
    void* m_display = nullptr;
    void* m_context = nullptr;
    void* m_surface = nullptr;  // pbuffer fallback only
};

}  // namespace fg
