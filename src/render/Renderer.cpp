#include "render/Renderer.h"

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
    return renderer;
}

void Renderer::renderFrame(Simulation& simulation, const Camera& camera, const PreviewFrame& frame) {
    const GlStateSaver saved;
    m_particleCalls = 0;
    clearView(frame);

    // What the previous frame leaves current: the grid is drawn with it.
    applyCull(CullMode::None);
    applyBlend(BlendMode::Alpha);
    applyDepth(DepthUse::Overlay);
    drawLines(m_grid, *m_line, camera, Mat4::identity());

    applyCull(CullMode::Back);
    drawParticlePass(simulation, camera, frame);
    applyCull(CullMode::Front);
    drawParticlePass(simulation, camera, frame);

    applyCull(CullMode::None);
    applyBlend(BlendMode::Alpha);
    if (frame.overlay) drawOverlay(simulation, frame);
}

void Renderer::clearView(const PreviewFrame& frame) {
    glViewport(0, 0, frame.viewWidth, frame.viewHeight);
    const Vec3f back = frame.project ? frame.project->backColor : Vec3f{};
    glClearColor(back.x / 255.0f, back.y / 255.0f, back.z / 255.0f, 1.0f);
    glClearDepth(1.0);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_TRUE);
    glDisable(GL_SCISSOR_TEST);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

const EffectNode* Renderer::gizmoNode(const Simulation& simulation, std::int32_t selectedNodeId) const {
    if (selectedNodeId < 0) return nullptr;
    const NodeIndex selected = simulation.effect().find(selectedNodeId, 0);
    if (selected == kNoNode) return nullptr;
    return &simulation.effect()[selected];
}

void Renderer::drawParticlePass(Simulation& simulation, const Camera& camera, const PreviewFrame& frame) {
    const ProjectSettings& project = simulation.project();
    if (project.sort != 0) sortByCameraDistance(simulation, camera.eye);
    const EffectNode* selected = gizmoNode(simulation, frame.selectedNodeId);

    MeshDraw shared;
    shared.camera = &camera;
    shared.sampler = m_assets->sampler();
    shared.targetWidth = frame.project ? frame.project->width : 1;
    shared.targetHeight = frame.project ? frame.project->height : 1;
    for (int pass = 0; pass < kDrawPassCount; ++pass) {
        applyDepth(pass == 0 ? DepthUse::PreviewOpaque : DepthUse::PreviewTranslucent);
        shared.pass = pass;
        ParticleBatch batch(*m_poly, m_instances, shared, frame.instancing);
        walkDrawPass(simulation, pass, project.reverse != 0, [&](Particle& particle, int) {
            if (auto draw = particleDraw(simulation, particle, camera, *m_assets)) {
                batch.add(*draw);
            }
            if (pass == 1 && selected && particle.node == selected->parent) {
                // The gizmo goes between this particle and the next one.
                batch.flush();
                m_gizmos->draw(*m_line, camera, selected->params.m_emitter, particle);
            }
        });
        batch.flush();
        m_particleCalls += batch.callCount();
    }
}

void Renderer::drawOverlay(const Simulation& simulation, const PreviewFrame& frame) {
    applyDepth(DepthUse::Overlay);
    if (frame.project) {
        m_overlay->drawLetterbox(frame.viewWidth, frame.viewHeight, frame.project->width, frame.project->height);
    }
    CounterValues values;
    values.completedFrame = static_cast<int>(simulation.frame()) - 1;
    values.effectFrames = frame.project ? frame.project->frame : 0;
    values.particles = static_cast<int>(simulation.particles().size()) - 1;
    values.fps = simulation.stepRate();
    m_overlay->drawCounters(frame.viewWidth, frame.viewHeight, frame.counters, values);
    m_overlay->drawIcons(frame.viewWidth, frame.viewHeight, frame.hoveredTool);
}

}  // namespace fg
