#include "render/Renderer.h"

#include "render/BackgroundColor.h"
#include "render/GlStateSaver.h"
#include "render/GroundGrid.h"
#include "render/ParticleDraws.h"
#include "render/RenderStates.h"
#include "simulation/DrawOrder.h"

namespace fg {

std::unique_ptr<Renderer> Renderer::create(RenderError* error) {
    std::unique_ptr<Renderer> renderer(new Renderer());
    renderer->m_line = LineProgram::load(error);
    if (!renderer->m_line) return nullptr;
    renderer->m_poly = PolyProgram::load(error);
    if (!renderer->m_poly) return nullptr;
    renderer->m_sprite = SpriteProgram::load(error);
    if (!renderer->m_sprite) return nullptr;
    renderer->m_overlay = Overlay::create(*renderer->m_sprite, error);
    if (!renderer->m_overlay) return nullptr;
    renderer->m_grid = makeGroundGrid();
    renderer->m_gizmos = std::make_unique<EmitterGizmos>();
    renderer->m_assets = std::make_unique<DrawAssets>();
    renderer->m_copySampler = makeSampler();
    glSamplerParameteri(renderer->m_copySampler.id(), GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glSamplerParameteri(renderer->m_copySampler.id(), GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glSamplerParameteri(renderer->m_copySampler.id(), GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glSamplerParameteri(renderer->m_copySampler.id(), GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    return renderer;
}

void Renderer::renderFrame(Simulation& simulation, const Camera& camera, const PreviewFrame& frame) {
    settleAsDrawn(simulation, camera.eye, *m_assets);
    renderFrame(takeSnapshot(simulation, frame.selectedNodeId, meshesOf(*m_assets)), camera, frame);
}

void Renderer::renderFrame(const FrameSnapshot& snapshot, const Camera& camera, const PreviewFrame& frame) {
    const GlStateSaver saved;
    m_particleCalls = 0;
    clearView(frame);

    // What the previous frame leaves current: the grid is drawn with it.
    applyCull(CullMode::None);
    applyBlend(BlendMode::Alpha);
    applyDepth(DepthUse::Overlay);
    drawLines(m_grid, *m_line, camera, Mat4::identity());

    applyCull(CullMode::Back);
    drawParticlePass(snapshot, camera, frame);
    applyCull(CullMode::Front);
    drawParticlePass(snapshot, camera, frame);

    applyCull(CullMode::None);
    applyBlend(BlendMode::Alpha);
    if (frame.overlay) drawOverlay(snapshot, frame);
}

namespace {

// Rasterising a host may have changed (a widget sharing the context): the
// renderer draws filled polygons without offset or coverage from alpha.
void fillPolygons() {
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glDisable(GL_POLYGON_OFFSET_FILL);
    glDisable(GL_SAMPLE_ALPHA_TO_COVERAGE);
}

// Clears the bound framebuffer to the background colour (0..255) with the
// given alpha, and its depth to 1.
void clearToBackground(Vec3f backColor, float alpha) {
    const Vec3f back = backgroundUnit(backColor);
    glClearColor(back.x, back.y, back.z, alpha);
    glClearDepth(1.0);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_TRUE);
    glDisable(GL_SCISSOR_TEST);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

}  // namespace

void Renderer::clearView(const PreviewFrame& frame) {
    fillPolygons();
    glViewport(0, 0, frame.viewWidth, frame.viewHeight);
    clearToBackground(frame.project ? frame.project->backColor : Vec3f{}, 1.0f);
}

void Renderer::drawParticlePass(const FrameSnapshot& snapshot, const Camera& camera, const PreviewFrame& frame) {
    MeshDraw shared;
    shared.camera = &camera;
    shared.sampler = m_assets->sampler();
    shared.targetWidth = frame.project ? frame.project->width : 1;
    shared.targetHeight = frame.project ? frame.project->height : 1;
    for (int pass = 0; pass < kDrawPassCount; ++pass) {
        applyDepth(pass == 0 ? DepthUse::PreviewOpaque : DepthUse::PreviewTranslucent);
        shared.pass = pass;
        ParticleBatch batch(*m_poly, m_instances, shared, frame.instancing);
        std::size_t gizmo = 0;
        for (const SnapshotParticle& particle : snapshot.particles) {
            if (auto draw = particleDraw(snapshot, particle, camera, *m_assets)) batch.add(*draw);
            if (!particle.gizmo) continue;
            const GizmoAnchor& anchor = snapshot.gizmos[gizmo++];
            if (pass != 1) continue;
            // The gizmo goes between this particle and the next one.
            batch.flush();
            m_gizmos->draw(*m_line, camera, snapshot.gizmoEmitter, anchor);
        }
        batch.flush();
        m_particleCalls += batch.callCount();
    }
}

void Renderer::renderExportImage(Simulation& simulation, const Camera& camera, RenderTarget& target,
                                 RenderTarget& copy, const std::function<void()>& afterCullPass) {
    const GlStateSaver saved;
    fillPolygons();
    applyBlend(BlendMode::Replace);
    target.bind();
    clearToBackground(simulation.project().backColor, 0.0f);

    for (const CullMode cull : {CullMode::Back, CullMode::Front}) {
        applyCull(cull);
        drawExportParticlePass(simulation, camera, target, copy);
        if (afterCullPass) afterCullPass();
    }
}

namespace {

// The export programs read what is already drawn from a copy of the target.
void copyTarget(const RenderTarget& from, const RenderTarget& to) {
    glBindFramebuffer(GL_READ_FRAMEBUFFER, from.framebuffer());
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, to.framebuffer());
    glBlitFramebuffer(0, 0, from.width(), from.height(), 0, 0, to.width(), to.height(), GL_COLOR_BUFFER_BIT,
                      GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, from.framebuffer());
}

}  // namespace

void Renderer::drawExportParticlePass(Simulation& simulation, const Camera& camera, RenderTarget& target,
                                      RenderTarget& copy) {
    copy.bind();
    clearToBackground(Vec3f{}, 0.0f);
    target.bind();

    const ProjectSettings& project = simulation.project();
    if (project.sort != 0) sortByCameraDistance(simulation, camera.eye);
    MeshDraw shared;
    shared.camera = &camera;
    shared.sampler = m_assets->sampler();
    shared.exportMode = true;
    shared.targetWidth = target.width();
    shared.targetHeight = target.height();
    shared.afterSubMesh = [&] { copyTarget(target, copy); };
    for (int pass = 0; pass < kDrawPassCount; ++pass) {
        applyDepth(DepthUse::Export);
        shared.pass = pass;
        ParticleBatch batch(*m_poly, m_instances, shared, false);
        walkDrawPass(simulation, pass, project.reverse != 0, [&](Particle& particle, int) {
            glActiveTexture(GL_TEXTURE1);
            glBindTexture(GL_TEXTURE_2D, copy.colorTexture());
            glBindSampler(1, m_copySampler.id());
            if (auto draw = particleDraw(simulation, particle, camera, *m_assets)) {
                batch.add(*draw);
                batch.flush();
            }
            copyTarget(target, copy);
        });
        m_particleCalls += batch.callCount();
    }
}

void Renderer::drawOverlay(const FrameSnapshot& snapshot, const PreviewFrame& frame) {
    applyDepth(DepthUse::Overlay);
    if (frame.project) {
        m_overlay->drawLetterbox(frame.viewWidth, frame.viewHeight, frame.project->width, frame.project->height);
    }
    CounterValues values;
    values.completedFrame = static_cast<int>(snapshot.frame) - 1;
    values.effectFrames = frame.project ? frame.project->frame : 0;
    values.particles = snapshot.particleCount;
    values.fps = snapshot.stepRate;
    m_overlay->drawCounters(frame.viewWidth, frame.viewHeight, frame.counters, values);
    m_overlay->drawIcons(frame.viewWidth, frame.viewHeight, frame.hoveredTool);
}

}  // namespace fg
