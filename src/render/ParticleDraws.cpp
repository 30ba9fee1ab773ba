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

std::optional<ParticleDraw> particleDraw(Simulation& simulation, Particle& particle, const Camera& camera,
                                         const DrawAssets& assets) {
    const NodeParams& params = simulation.nodeOf(particle).params;
    Primitive* mesh = drawnMesh(params, assets);
    if (!mesh) return std::nullopt;
    const int type = params.m_shape.type;

    const CameraMatrices matrices{camera.view, camera.billboard()};
    const Particle* parent = simulation.particles().parentOf(particle);
    const Mat4 world = particleWorldMatrix(particle, params, parent, &matrices, type == kShape2D);
    Vec3f bottom{1.0f, 1.0f, 1.0f};
    Vec3f top{1.0f, 1.0f, 1.0f};
    if (type == kShapeCylinder) {
        const CylinderScales rings = cylinderScales(particle);
        bottom = diagonal(rings.bottom);
        top = diagonal(rings.top);
    }
    const Mat4 texMatrix = textureTransform(particle, params.m_texture);
    const float colour[4] = {particle.colour.r, particle.colour.g, particle.colour.b, particle.colour.a};

    ParticleDraw draw;
    draw.mesh = mesh;
    draw.texture = assets.texture(params.m_texture.ID);
    draw.isAdd = params.m_texture.isAdd != 0;
    draw.underCut = params.m_shape.isUnderCut != 0;
    if (type == kShapeTrail) {
        // The ribbon is built in world space.
        draw.instance = makeInstance(Mat4::identity(), colour, texMatrix, bottom, top);
        draw.trail = particle.trail;
        draw.changingThickness = params.m_scale.trailThickChange != 0;
    } else {
        draw.instance = makeInstance(world, colour, texMatrix, bottom, top);
    }
    return draw;
}

std::optional<ParticleDraw> particleDraw(const FrameSnapshot& snapshot, const SnapshotParticle& particle,
                                         const Camera& camera, const DrawAssets& assets) {
    if (!particle.draws) return std::nullopt;
    const NodeParams& params = snapshot.nodes[particle.node];
    Primitive* mesh = drawnMesh(params, assets);
    if (!mesh) return std::nullopt;
    const int type = params.m_shape.type;

    const CameraMatrices matrices{camera.view, camera.billboard()};
    const Mat4 world = worldMatrix(particle.world, params, &matrices, type == kShape2D);
    Vec3f bottom{1.0f, 1.0f, 1.0f};
    Vec3f top{1.0f, 1.0f, 1.0f};
    if (type == kShapeCylinder) {
        Particle sized;
        sized.scale = particle.world.scale;
        const CylinderScales rings = cylinderScales(sized);
        bottom = diagonal(rings.bottom);
        top = diagonal(rings.top);
    }
    const Mat4 texMatrix = textureCellTransform(particle.textureFrame, params.m_texture);
    const Rgba& c = particle.colour;
    const float colour[4] = {c.r, c.g, c.b, c.a};

    ParticleDraw draw;
    draw.mesh = mesh;
    draw.texture = assets.texture(params.m_texture.ID);
    draw.isAdd = params.m_texture.isAdd != 0;
    draw.underCut = params.m_shape.isUnderCut != 0;
    if (type == kShapeTrail) {
        // The ribbon is built in world space.
        draw.instance = makeInstance(Mat4::identity(), colour, texMatrix, bottom, top);
        draw.trail = std::span<const TrailPoint>(snapshot.trailPoints).subspan(particle.trailFirst, particle.trailCount);
        draw.changingThickness = params.m_scale.trailThickChange != 0;
    } else {
        draw.instance = makeInstance(world, colour, texMatrix, bottom, top);
    }
    return draw;
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
        particle.selfRotation = selfRotationOf(particle);
    });
}

}  // namespace fg
