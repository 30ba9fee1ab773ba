#include "render/EglContext.h"

#include <epoxy/egl.h>

#include <cstdio>

namespace fg {

namespace {

constexpr EGLint kContextAttributes[] = {
    EGL_CONTEXT_MAJOR_VERSION, 3,
    EGL_CONTEXT_MINOR_VERSION, 3,
    EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT,
    EGL_NONE,
};

EGLDisplay surfacelessDisplay() {
    if (!epoxy_has_egl_extension(EGL_NO_DISPLAY, "EGL_MESA_platform_surfaceless")) return EGL_NO_DISPLAY;
    return eglGetPlatformDisplayEXT(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
}

bool initialize(EGLDisplay display) {
    EGLint major = 0;
    EGLint minor = 0;
    return display != EGL_NO_DISPLAY && eglInitialize(display, &major, &minor) == EGL_TRUE;
}

EGLConfig pbufferConfig(EGLDisplay display) {
    const EGLint attributes[] = {
        EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
        EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8, EGL_ALPHA_SIZE, 8,
        EGL_NONE,
    };
    EGLConfig config = nullptr;
    EGLint count = 0;
    if (eglChooseConfig(display, attributes, &config, 1, &count) != EGL_TRUE || count < 1) return nullptr;
    return config;
}

std::string eglFailure(const char* what) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%04x", static_cast<unsigned>(eglGetError()));
    return std::string(what) + " (EGL error " + code + ")";
}

}  // namespace

std::unique_ptr<EglContext> EglContext::create(std::string* error) {
    std::unique_ptr<EglContext> result(new EglContext());
    EGLDisplay display = surfacelessDisplay();
    const bool surfaceless = initialize(display);
    if (!surfaceless) {
        display = eglGetDisplay(EGL_DEFAULT_DISPLAY);
        if (!initialize(display)) {
            if (error) *error = eglFailure("no EGL display could be initialised");
            return nullptr;
        }
    }
    result->m_display = display;
    if (eglBindAPI(EGL_OPENGL_API) != EGL_TRUE) {
        if (error) *error = eglFailure("EGL has no desktop OpenGL");
        return nullptr;
    }
    // Surfaceless needs no config; the pbuffer fallback needs one for its 1×1 surface.
    EGLConfig config = surfaceless ? EGLConfig{} : pbufferConfig(display);
    if (!surfaceless) {
        const EGLint size[] = {EGL_WIDTH, 1, EGL_HEIGHT, 1, EGL_NONE};
        result->m_surface = config ? eglCreatePbufferSurface(display, config, size) : EGL_NO_SURFACE;
        if (result->m_surface == EGL_NO_SURFACE) {
            if (error) *error = eglFailure("no pbuffer surface for a headless context");
            return nullptr;
        }
    }
    result->m_context = eglCreateContext(display, config, EGL_NO_CONTEXT, kContextAttributes);
    if (result->m_context == EGL_NO_CONTEXT) {
        if (error) *error = eglFailure("no OpenGL 3.3 core context");
        return nullptr;
    }
    if (!result->makeCurrent()) {
        if (error) *error = eglFailure("the OpenGL context could not be made current");
        return nullptr;
    }
    return result;
}

EglContext::~EglContext() {
    if (!m_display) return;
    eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (m_context) eglDestroyContext(m_display, m_context);
    if (m_surface) eglDestroySurface(m_display, m_surface);
    // The display is shared by every context of the process, so it stays initialised.
}

bool EglContext::makeCurrent() {
    return eglMakeCurrent(m_display, m_surface, m_surface, m_context) == EGL_TRUE;
}

}  // namespace fg
