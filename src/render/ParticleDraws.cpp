#include "render/ParticleDraws.h"

#include "simulation/DrawOrder.h"
#include "simulation/ParticleTransforms.h"

namespace fg {

namespace {

Vec3f diagonal(const Mat4& m) { return Vec3f{m.m[0][0], m.m[1][1], m.m[2][2]}; }

// The mesh a draw of the particle uses; null when it draws nothing (its node
// is hidden or its shape has no mesh) and so leaves the particle as it is.
Primitive* drawnMesh(const NodeParams& params, const DrawAssets& assets) {
    if (params.m_isDraw == 0) return nullptr;
    return assets.shape(params.m_shape.type);
}

}  // namespace

namespace {

// What both kinds of particle give a draw: the shape's world matrix, its
// scale (for the cylinder's rings), texture cell, colour and trail points.
ParticleDraw assembleDraw(Primitive* mesh, const NodeParams& params, const DrawAssets& assets, const Mat4& world,
                          Vec3f scale, const Mat4& texMatrix, const Rgba& c, std::span<const TrailPoint> trail) {
    const int type = params.m_shape.type;
    Vec3f bottom{1.0f, 1.0f, 1.0f};
    Vec3f top{1.0f, 1.0f, 1.0f};
    if (type == kShapeCylinder) {
        Particle sized;
        sized.scale = scale;
        const CylinderScales rings = cylinderScales(sized);
        bottom = diagonal(rings.bottom);
        top = diagonal(rings.top);
    }
    const float colour[4] = {c.r, c.g, c.b, c.a};

    ParticleDraw draw;
    draw.mesh = mesh;
    draw.texture = assets.texture(params.m_texture.ID);
    draw.isAdd = params.m_texture.isAdd != 0;
    draw.underCut = params.m_shape.isUnderCut != 0;
    if (type == kShapeTrail) {
        // The ribbon is built in world space.
        draw.instance = makeInstance(Mat4::identity(), colour, texMatrix, bottom, top);
        draw.trail = trail;
        draw.changingThickness = params.m_scale.trailThickChange != 0;
    } else {
        draw.instance = makeInstance(world, colour, texMatrix, bottom, top);
    }
    return draw;
}

}  // namespace

std::optional<ParticleDraw> particleDraw(Simulation& simulation, Particle& particle, const Camera& camera,
                                         const DrawAssets& assets) {
    const NodeParams& params = simulation.nodeOf(particle).params;
    Primitive* mesh = drawnMesh(params, assets);
    if (!mesh) return std::nullopt;
    const CameraMatrices matrices{camera.view, camera.billboard()};
    const Particle* parent = simulation.particles().parentOf(particle);
    const Mat4 world = particleWorldMatrix(particle, params, parent, &matrices, params.m_shape.type == kShape2D);
    const Mat4 texMatrix = textureTransform(particle, params.m_texture);
    return assembleDraw(mesh, params, assets, world, particle.scale, texMatrix, particle.colour, particle.trail);
}

std::optional<ParticleDraw> particleDraw(const FrameSnapshot& snapshot, const SnapshotParticle& particle,
                                         const Camera& camera, const DrawAssets& assets) {
    if (!particle.draws) return std::nullopt;
    const NodeParams& params = snapshot.nodes[particle.node];
    Primitive* mesh = drawnMesh(params, assets);
    if (!mesh) return std::nullopt;
    const CameraMatrices matrices{camera.view, camera.billboard()};
    const Mat4 world = worldMatrix(particle.world, params, &matrices, params.m_shape.type == kShape2D);
    const Mat4 texMatrix = textureCellTransform(particle.textureFrame, params.m_texture);
    const auto trail =
        std::span<const TrailPoint>(snapshot.trailPoints).subspan(particle.trailFirst, particle.trailCount);
    return assembleDraw(mesh, params, assets, world, particle.world.scale, texMatrix, particle.colour, trail);
}

ShapeHasMesh meshesOf(const DrawAssets& assets) {
    return [&assets](int type) { return assets.shape(type) != nullptr; };
}

void settleAsDrawn(Simulation& simulation, Vec3f eye, const DrawAssets& assets) {
    settleAsDrawn(simulation, eye, meshesOf(assets));
}

void settleAsDrawn(Simulation& simulation, Vec3f eye, const ShapeHasMesh& hasMesh) {
    if (simulation.project().sort != 0) sortByCameraDistance(simulation, eye);
    simulation.particles().forEach([&](Particle& particle) {
        const NodeParams& params = simulation.nodeOf(particle).params;
        if (params.m_isDraw == 0 || !hasMesh(params.m_shape.type)) return;
        // The cell a draw advances to depends only on the particle's age, so
        // one advance stands for every pass of a frame.
        textureTransform(particle, params.m_texture);
    });
}

}  // namespace fg
