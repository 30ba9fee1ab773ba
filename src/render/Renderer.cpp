#include "render/Renderer.h"

#include "render/BackgroundColor.h"
#include "render/ExportFootprint.h"
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
    renderer->m_grid = makeGridLines();
    renderer->m_axes = makeAxisLines();
    renderer->m_gridCentre = makeCentreLines();
    renderer->m_gizmos = std::make_unique<EmitterGizmos>();
    renderer->m_assets = std::make_unique<DrawAssets>();
    renderer->m_copySampler = makeSampler();
    glSamplerParameteri(renderer->m_copySampler.id(), GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glSamplerParameteri(renderer->m_copySampler.id(), GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glSamplerParameteri(renderer->m_copySampler.id(), GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glSamplerParameteri(renderer->m_copySampler.id(), GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    renderer->m_textureBarrier = TextureBarrier::ofCurrentContext();
    return renderer;
}

bool Renderer::supportsExportMethod(ExportMethod method) const {
    switch (method) {
        case ExportMethod::FramebufferFetch: return m_poly->canRead(DestinationRead::Fetch);
        case ExportMethod::TextureBarrier:
            return m_textureBarrier.available() && m_poly->canRead(DestinationRead::TargetTexel);
        case ExportMethod::CopyAfterEverySubMesh:
        case ExportMethod::Fast: break;
    }
    return true;
}

ExportMethod Renderer::effectiveExportMethod() const {
    if (m_exportMethod != ExportMethod::Fast) {
        return supportsExportMethod(m_exportMethod) ? m_exportMethod : ExportMethod::CopyAfterEverySubMesh;
    }
    for (const ExportMethod method : {ExportMethod::FramebufferFetch, ExportMethod::TextureBarrier}) {
        if (supportsExportMethod(method)) return method;
    }
    return ExportMethod::CopyAfterEverySubMesh;
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
    if (frame.grid) drawLines(m_grid, *m_line, camera, Mat4::identity());
    // Without the axes the grid would have a gap where they lie.
    if (frame.grid && !frame.axis) drawLines(m_gridCentre, *m_line, camera, Mat4::identity());
    if (frame.axis) drawLines(m_axes, *m_line, camera, Mat4::identity());

    applyCull(CullMode::Back);
    drawParticlePass(snapshot, camera, frame);
    applyCull(CullMode::Front);
    drawParticlePass(snapshot, camera, frame);

    applyCull(CullMode::None);
    applyBlend(BlendMode::Alpha);
    if (frame.overlay) drawOverlay(snapshot, frame);
}

namespace {

// Particles a preview batch collects before it draws them. A software
// driver rasterises what one flush hands it while every other context in
// the process waits (the window's among them): small slices keep that wait short.
constexpr std::size_t kPreviewDrawsPerFlush = 64;

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
        ParticleBatch batch(*m_poly, m_instances, shared,
                            frame.instancing ? Batching::WorldVertices : Batching::PerParticle);
        std::size_t gizmo = 0;
        std::size_t collected = 0;
        for (const SnapshotParticle& particle : snapshot.particles) {
            if (auto draw = particleDraw(snapshot, particle, camera, *m_assets)) {
                batch.add(*draw);
                // The batch's vertices grow with what it holds, and a
                // software driver keeps every queued call's vertices and
                // triangles until the frame ends: drawn in slices, each
                // handed to the driver to finish, a huge effect costs a
                // fixed amount. Calls split in order draw the same picture.
                if (++collected == kPreviewDrawsPerFlush) {
                    batch.flush();
                    glFlush();
                    collected = 0;
                }
            }
            if (!particle.gizmo) continue;
            const GizmoAnchor& anchor = snapshot.gizmos[gizmo++];
            if (pass != 1) continue;
            // The gizmo goes between this particle and the next one.
            batch.flush();
            collected = 0;
            m_gizmos->draw(*m_line, camera, snapshot.gizmoEmitter, anchor);
        }
        batch.flush();
        m_particleCalls += batch.callCount();
    }
}

void Renderer::renderExportImage(Simulation& simulation, const Camera& camera, RenderTarget& target,
                                 RenderTarget& copy, const std::function<void()>& afterCullPass) {
    const GlStateSaver saved;
    m_exportCopies = 0;
    m_exportBarriers = 0;
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
    const ExportMethod method = effectiveExportMethod();
    const bool fetch = method == ExportMethod::FramebufferFetch;
    const bool barrier = method == ExportMethod::TextureBarrier;

    // The picture is defined by the copy: the first sub-mesh of the pass
    // reads it cleared, every later one reads the target as the sub-mesh
    // before left it. The fast methods keep that true for every pixel a
    // fragment reads, copying only when a sub-mesh must read the copy.
    enum class CopyState { Cleared, Current, Stale };
    CopyState copyState = CopyState::Cleared;
    const auto bringCopyUpToDate = [&] {
        copyTarget(target, copy);
        ++m_exportCopies;
        copyState = CopyState::Current;
    };
    const auto bindForReading = [&](const RenderTarget& source) {
        glActiveTexture(GL_TEXTURE1);
        glBindTexture(GL_TEXTURE_2D, source.colorTexture());
        glBindSampler(1, m_copySampler.id());
    };
    // What was drawn into the target since the last texture barrier (the
    // clear and the culling pass before count): texels there may not be
    // read through the texture until the next barrier.
    WrittenTiles written(target.width(), target.height());
    written.markAll();
    const auto settleWrites = [&] {
        m_textureBarrier();
        ++m_exportBarriers;
        written.clear();
    };
    const Mat4 viewProjection = camera.view * camera.projection;

    MeshDraw reading;
    reading.camera = &camera;
    reading.sampler = m_assets->sampler();
    reading.exportMode = true;
    reading.targetWidth = target.width();
    reading.targetHeight = target.height();
    reading.afterSubMesh = bringCopyUpToDate;
    // What reads the target itself: fetching draws in primitive order, or
    // texel reads, where a sub-mesh that may cover what another drew since
    // the last barrier waits for a barrier first.
    MeshDraw direct = reading;
    direct.destination = barrier ? DestinationRead::TargetTexel : DestinationRead::Fetch;
    direct.afterSubMesh = barrier ? std::function<void()>(settleWrites) : std::function<void()>();
    MeshDraw tiled = direct;
    tiled.afterSubMesh = {};
    for (int pass = 0; pass < kDrawPassCount; ++pass) {
        applyDepth(DepthUse::Export);
        reading.pass = pass;
        direct.pass = pass;
        tiled.pass = pass;
        ParticleBatch readingBatch(*m_poly, m_instances, reading, Batching::PerParticle);
        // Fetching draws collect until a reading draw or the pass end.
        // Texel-reading draws of meshes in sub-meshes go one particle a
        // call with a barrier after every sub-mesh; one-strip meshes
        // collect while their footprints stay clear of one another and of
        // everything else drawn since the last barrier.
        ParticleBatch directBatch(*m_poly, m_instances, direct,
                                  fetch ? Batching::OneStripInstances : Batching::PerParticle);
        ParticleBatch tiledBatch(*m_poly, m_instances, tiled, Batching::OneStripInstances);
        const auto flushTiled = [&] {
            bindForReading(target);
            tiledBatch.flush();
        };
        walkDrawPass(simulation, pass, project.reverse != 0, [&](Particle& particle, int) {
            const std::optional<ParticleDraw> draw = particleDraw(simulation, particle, camera, *m_assets);
            if (!fetch && !barrier) {
                bindForReading(copy);
                if (draw) {
                    readingBatch.add(*draw);
                    readingBatch.flush();
                }
                bringCopyUpToDate();
                return;
            }
            if (!draw) {
                // The written method copies after every particle, which
                // ends the cleared state even when nothing was drawn.
                if (copyState == CopyState::Cleared) bringCopyUpToDate();
                return;
            }
            if (copyState != CopyState::Cleared && draw->mesh->coversPixelsOnce(draw->instance)) {
                // Each pixel is read once, by the fragment that then writes
                // it: the target's pixel is what the copy would hold.
                copyState = CopyState::Stale;
                if (fetch) {
                    directBatch.add(*draw);
                    return;
                }
                const Primitive& mesh = *draw->mesh;
                if (mesh.drawsOneStrip(true) && mesh.instanceable() && mesh.vertexEntry() == PolyVertexEntry::VS) {
                    const PixelSpan footprint = drawFootprint(mesh.exportSubMeshes(), draw->instance, viewProjection,
                                                              target.width(), target.height());
                    if (written.overlaps(footprint)) {
                        flushTiled();
                        settleWrites();
                    }
                    tiledBatch.add(*draw);
                    written.mark(footprint);
                    return;
                }
                flushTiled();
                if (written.any()) settleWrites();
                bindForReading(target);
                directBatch.add(*draw);
                directBatch.flush();
                return;
            }
            directBatch.flush();
            if (barrier) flushTiled();
            if (copyState == CopyState::Stale) bringCopyUpToDate();
            bindForReading(copy);
            // Meshes drawn in sub-meshes leave the copy current; an OBJ model
            // draws in one call without, so the next reader copies first.
            copyState = CopyState::Stale;
            readingBatch.add(*draw);
            readingBatch.flush();
            written.markAll();
        });
        directBatch.flush();
        if (barrier) flushTiled();
        m_particleCalls += readingBatch.callCount() + directBatch.callCount() + tiledBatch.callCount();
    }
}

void Renderer::drawOverlay(const FrameSnapshot& snapshot, const PreviewFrame& frame) {
    drawViewOverlay(*m_overlay, snapshot, frame);
}

}  // namespace fg
