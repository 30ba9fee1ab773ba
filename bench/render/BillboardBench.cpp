// Frame time of drawing N camera-facing billboards at 1280×720, headless:
// the instanced path (one call per run of particles sharing mesh, texture
// and blend) against one draw call per particle, in the same run.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "render/EglContext.h"
#include "render/InstanceBuffer.h"
#include "render/ParticleBatch.h"
#include "render/PolyProgram.h"
#include "render/RenderStates.h"
#include "render/RenderTarget.h"
#include "render/Texture.h"
#include "render/camera/Camera.h"
#include "render/meshes/Primitive.h"

namespace fg {
namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 720;

// Everything one benchmark run draws with; built once for the process.
struct Scene {
    std::unique_ptr<EglContext> context;
    std::unique_ptr<PolyProgram> program;
    std::unique_ptr<RenderTarget> target;
    std::unique_ptr<Poly> square;
    std::optional<Texture> texture;
    GlSampler sampler;
    std::unique_ptr<InstanceBuffer> instances;  // made once the context exists
    Camera camera;

    static Scene& get() {
        static Scene scene;
        return scene;
    }

private:
    Scene() {
        std::string error;
        context = EglContext::create(&error);
        if (!context) {
            std::fprintf(stderr, "no GL context: %s\n", error.c_str());
            std::exit(1);
        }
        RenderError failure;
        program = PolyProgram::load(&failure);
        if (!program) {
            std::fprintf(stderr, "%s: %s\n", failure.caption.c_str(), failure.message.c_str());
            std::exit(1);
        }
        target = std::make_unique<RenderTarget>(kWidth, kHeight);
        square = std::make_unique<Poly>();
        texture = Texture::white();
        sampler = makeLinearClampSampler();
        instances = std::make_unique<InstanceBuffer>();
        camera.updateMatrices(kWidth, kHeight);
    }
};

// N small translucent billboards spread over the ground in front of the camera.
std::vector<ParticleDraw> billboards(Scene& scene, int count) {
    std::mt19937 random(1234);
    std::uniform_real_distribution<float> spread(-6.0f, 6.0f);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    const Mat4 billboard = scene.camera.billboard();
    std::vector<ParticleDraw> draws(static_cast<std::size_t>(count));
    for (ParticleDraw& draw : draws) {
        const Mat4 world = scaling(0.2f, 0.2f, 0.2f) * billboard *
                           translation(spread(random), spread(random) * 0.5f + 1.0f, spread(random));
        const float colour[4] = {unit(random), unit(random), unit(random), 0.5f};
        draw.mesh = scene.square.get();
        draw.texture = scene.texture->id();
        draw.instance = makeInstance(world, colour, Mat4::identity(), Vec3f{1, 1, 1}, Vec3f{1, 1, 1});
    }
    return draws;
}

void drawFrame(benchmark::State& state, bool instancing) {
    Scene& scene = Scene::get();
    const std::vector<ParticleDraw> draws = billboards(scene, static_cast<int>(state.range(0)));
    MeshDraw shared;
    shared.camera = &scene.camera;
    shared.sampler = scene.sampler.id();
    shared.pass = 1;
    scene.target->bind();
    applyCull(CullMode::None);
    applyDepth(DepthUse::PreviewTranslucent);
    int calls = 0;
    for (auto _ : state) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        ParticleBatch batch(*scene.program, *scene.instances, shared, instancing);
        for (const ParticleDraw& draw : draws) batch.add(draw);
        batch.flush();
        glFinish();
        calls = batch.callCount();
    }
    state.counters["calls"] = calls;
    state.counters["particles"] = static_cast<double>(draws.size());
}

void BM_Instanced(benchmark::State& state) { drawFrame(state, true); }
void BM_OneDrawPerParticle(benchmark::State& state) { drawFrame(state, false); }

BENCHMARK(BM_Instanced)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OneDrawPerParticle)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OneDrawPerParticle)->Arg(100000)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace fg
