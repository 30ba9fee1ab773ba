#pragma once
// A headless GL context with one whole renderer, made once per test suite:
// the export tests render through the same Renderer the editor and the CLI use.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "render/EglContext.h"
#include "render/Renderer.h"

namespace fg::test {

template <class Base = ::testing::Test>
class RendererTest : public Base {
protected:
    static void SetUpTestSuite() {
        std::string error;
        s_context = EglContext::create(&error);
        ASSERT_TRUE(s_context) << error;
        RenderError failure;
        s_renderer = Renderer::create(&failure);
        ASSERT_TRUE(s_renderer) << failure.caption << ": " << failure.message;
    }
    static void TearDownTestSuite() {
        s_renderer.reset();
        s_context.reset();
    }
    void SetUp() override {
        ASSERT_TRUE(s_renderer) << "no renderer: see the suite's set-up";
        ASSERT_TRUE(s_context->makeCurrent());
    }

    static inline std::unique_ptr<EglContext> s_context;
    static inline std::unique_ptr<Renderer> s_renderer;
};

}  // namespace fg::test
