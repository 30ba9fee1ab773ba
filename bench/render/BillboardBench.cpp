// Frame time of drawing N camera-facing billboards at 1280×720, headless:
// the batched path (one call per run of particles sharing mesh, texture
// and blend) against one draw call per particle, in the same run. The CPU
// column is the whole process, software rasteriser threads included, so it
// shows the work even when other programs share the cores. The "Small"
// variants draw quarter-size particles, where fill matters less; the
// "Hemisphere" ones a mesh of many vertices.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
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
    std::unique_ptr<Hemisphere> hemisphere;
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
            std::fprintf(stderr, "%s: %s\n", failure.caption.sourceText().c_str(), failure.message.sourceText().c_str());
            std::exit(1);
        }
        target = std::make_unique<RenderTarget>(kWidth, kHeight);
        square = std::make_unique<Poly>();
        hemisphere = std::make_unique<Hemisphere>();
        texture = Texture::white();
        sampler = makeLinearClampSampler();
        instances = std::make_unique<InstanceBuffer>();
        camera.updateMatrices(kWidth, kHeight);
    }
};

// N small translucent billboards (or other meshes) of `size` spread over the
// ground in front of the camera.
std::vector<ParticleDraw> billboards(Scene& scene, int count, float size, Primitive* mesh) {
    std::mt19937 random(1234);
    std::uniform_real_distribution<float> spread(-6.0f, 6.0f);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    const Mat4 billboard = scene.camera.billboard();
    std::vector<ParticleDraw> draws(static_cast<std::size_t>(count));
    for (ParticleDraw& draw : draws) {
        const Mat4 world = scaling(size, size, size) * billboard *
                           translation(spread(random), spread(random) * 0.5f + 1.0f, spread(random));
        const float colour[4] = {unit(random), unit(random), unit(random), 0.5f};
        draw.mesh = mesh;
        draw.texture = scene.texture->id();
        draw.instance = makeInstance(world, colour, Mat4::identity(), Vec3f{1, 1, 1}, Vec3f{1, 1, 1});
    }
    return draws;
}

void drawFrame(benchmark::State& state, bool instancing, float size = 0.2f, bool hemispheres = false) {
    Scene& scene = Scene::get();
    Primitive* mesh = hemispheres ? static_cast<Primitive*>(scene.hemisphere.get()) : scene.square.get();
    const std::vector<ParticleDraw> draws = billboards(scene, static_cast<int>(state.range(0)), size, mesh);
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
        ParticleBatch batch(*scene.program, *scene.instances, shared, instancing ? Batching::WorldVertices : Batching::PerParticle);
        for (const ParticleDraw& draw : draws) batch.add(draw);
        batch.flush();
        glFinish();
        calls = batch.callCount();
    }
    state.counters["calls"] = calls;
    state.counters["particles"] = static_cast<double>(draws.size());
}

void BM_Batched(benchmark::State& state) { drawFrame(state, true); }
void BM_OneDrawPerParticle(benchmark::State& state) { drawFrame(state, false); }
void BM_BatchedSmall(benchmark::State& state) { drawFrame(state, true, 0.05f); }
void BM_OneDrawPerParticleSmall(benchmark::State& state) { drawFrame(state, false, 0.05f); }
void BM_BatchedHemisphere(benchmark::State& state) { drawFrame(state, true, 0.2f, true); }
void BM_OneDrawPerParticleHemisphere(benchmark::State& state) { drawFrame(state, false, 0.2f, true); }

constexpr auto kMs = benchmark::kMillisecond;
BENCHMARK(BM_Batched)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(kMs)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_OneDrawPerParticle)->Arg(1000)->Arg(10000)->Unit(kMs)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_OneDrawPerParticle)->Arg(100000)->Iterations(2)->Unit(kMs)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_BatchedSmall)->Arg(100000)->Unit(kMs)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_OneDrawPerParticleSmall)->Arg(100000)->Iterations(2)->Unit(kMs)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_BatchedHemisphere)->Arg(1000)->Arg(10000)->Unit(kMs)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_OneDrawPerParticleHemisphere)->Arg(1000)->Arg(10000)->Unit(kMs)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace
}  // namespace fg
