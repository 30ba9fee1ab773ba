#pragma once
// Draws single particles through the real batch path, for pixel tests.

#include <memory>

#include "render/InstanceBuffer.h"
#include "render/ParticleBatch.h"
#include "render/RenderStates.h"
#include "render/Texture.h"
#include "render/meshes/Primitive.h"

namespace fg::test {

struct ParticleDrawHelper {
    std::unique_ptr<Poly> poly = std::make_unique<Poly>();
    Texture white = Texture::white();
    GlSampler sampler = makeLinearClampSampler();
    InstanceBuffer instances;

    struct Options {
        int pass = 1;
        bool isAdd = false;
        bool underCut = false;
        bool exportMode = false;
        GLuint texture = 0;  // 0: the white texture
        Primitive* mesh = nullptr;  // null: the square
    };

    // Draws one particle with the mesh draw of the renderer; returns the call count.
    int draw(PolyProgram& program, const Camera& camera, const Mat4& world, const float color[4],
             const Options& options) {
        MeshDraw shared;
        shared.camera = &camera;
        shared.sampler = sampler.id();
        shared.pass = options.pass;
        shared.exportMode = options.exportMode;
        ParticleBatch batch(program, instances, shared,
                            options.exportMode ? Batching::PerParticle : Batching::WorldVertices);
        ParticleDraw d;
        d.mesh = options.mesh ? options.mesh : poly.get();
        d.texture = options.texture ? options.texture : white.id();
        d.isAdd = options.isAdd;
        d.underCut = options.underCut;
        d.instance = makeInstance(world, color, Mat4::identity(), Vec3f{1, 1, 1}, Vec3f{1, 1, 1});
        batch.add(d);
        batch.flush();
        return batch.callCount();
    }
};

// A camera whose matrices map world x, y straight to clip x, y scaled by
// `scale`, with clip depth z·depthScale + depthOffset and w = 1.
inline Camera flatCamera(float scale = 0.1f, float depthScale = 0.0f, float depthOffset = 0.5f) {
    Camera camera;
    camera.view = Mat4::identity();
    camera.projection = scaling(scale, scale, depthScale) * translation(0.0f, 0.0f, depthOffset);
    return camera;
}

}  // namespace fg::test
