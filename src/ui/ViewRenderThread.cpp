#include "ui/ViewRenderThread.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>

#include <algorithm>
#include <utility>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace fg {
namespace {

// How long nothing new must come before a reduced picture is drawn sharp:
// this long, and at least twice the time between the last two snapshots,
// so a slowly stepping effect is not drawn sharp between its steps.
constexpr std::chrono::milliseconds kSharpenAfter{200};
// How long a finished picture may wait to be shown before the next one is
// drawn anyway (a window that is not painting: hidden or minimised).
constexpr std::chrono::milliseconds kShowWait{100};

// Drawing is background work: where the CPU is short (a software renderer
// on a busy machine) the window's thread comes first. Linux sets the
// priority per thread, and the threads a software GL starts for the
// context made here inherit it.
void yieldToTheWindow() {
#ifdef __linux__
    constexpr int kNice = 10;
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kNice);
#endif
}

}  // namespace

ViewRenderThread::ViewRenderThread(PreviewChannel& channel, Callbacks callbacks)
    : m_channel(channel), m_callbacks(std::move(callbacks)) {}

ViewRenderThread::~ViewRenderThread() { stop(); }

void ViewRenderThread::start(const QSurfaceFormat& format, QOffscreenSurface* surface, const std::string& workDir) {
    stop();
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = false;
        m_requestPending = true;  // the first picture, whatever has come before
        m_materials.reset();
    }
    m_thread = std::thread(&ViewRenderThread::run, this, format, surface, workDir);
}

void ViewRenderThread::stop() {
    if (!m_thread.joinable()) return;
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void ViewRenderThread::request(const Request& request) {
    {
        const std::lock_guard lock(m_mutex);
        m_request = request;
        m_requestPending = true;
    }
    m_wake.notify_all();
}

void ViewRenderThread::snapshotPublished() {
    {
        const std::lock_guard lock(m_mutex);
        m_snapshotPending = true;
    }
    m_wake.notify_all();
}

void ViewRenderThread::pictureShown() {
    // Taken and let go, so the drawing thread is either waiting already or
    // sees the picture shown when it looks.
    { const std::lock_guard lock(m_mutex); }
    m_wake.notify_all();
}

void ViewRenderThread::reloadMaterials(const std::string& workDir) {
    {
        const std::lock_guard lock(m_mutex);
        m_materials = workDir;
    }
    m_wake.notify_all();
}

void ViewRenderThread::setReducedResolution(bool allowed) {
    {
        const std::lock_guard lock(m_mutex);
        m_reducedAllowed = allowed;
        m_scale.reset();
        m_requestPending = true;
    }
    m_wake.notify_all();
}

void ViewRenderThread::setExtraCostForTest(std::chrono::milliseconds extra) {
    const std::lock_guard lock(m_mutex);
    m_extraCost = extra;
}

int ViewRenderThread::divisor() const {
    const std::lock_guard lock(m_mutex);
    return m_reducedAllowed ? m_scale.divisor() : 1;
}

void ViewRenderThread::run(QSurfaceFormat format, QOffscreenSurface* surface, std::string workDir) {
    yieldToTheWindow();
    // Made here: a context is current only in the thread it belongs to.
    QOpenGLContext context;
    context.setFormat(format);
    if (!context.create() || !context.makeCurrent(surface)) {
        m_callbacks.failed(std::nullopt);
        return;
    }
    RenderError error;
    std::unique_ptr<PreviewRenderer> renderer = PreviewRenderer::create(&error);
    if (!renderer) {
        context.doneCurrent();
        m_callbacks.failed(error);
        return;
    }
    std::optional<std::string> materials = std::move(workDir);
    bool reduced = false;  // the last picture was drawn at a reduced resolution
    using Clock = std::chrono::steady_clock;
    std::optional<Clock::time_point> lastSnapshot;
    Clock::duration sharpenAfter = kSharpenAfter;
    for (;;) {
        Request request;
        bool fresh = false;
        bool sharpen = false;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait_for(lock, kShowWait, [&] { return m_stopping || !m_slots.waiting(); });
            const auto ready = [&] { return m_stopping || m_snapshotPending || m_requestPending || m_materials; };
            if (reduced) {
                sharpen = !m_wake.wait_for(lock, sharpenAfter, ready);
            } else {
                m_wake.wait(lock, ready);
            }
            if (m_stopping) break;
            if (m_snapshotPending) {
                const Clock::time_point now = Clock::now();
                if (lastSnapshot) sharpenAfter = std::max<Clock::duration>(kSharpenAfter, 2 * (now - *lastSnapshot));
                lastSnapshot = now;
            }
            if (m_materials) materials = std::exchange(m_materials, std::nullopt);
            fresh = m_snapshotPending || m_requestPending || materials;
            m_snapshotPending = false;
            m_requestPending = false;
            request = m_request;
        }
        if (materials) {
            // A file that cannot be read leaves its place empty; the pages show the list.
            renderer->loadMaterials(*materials);
            m_channel.setShapeMeshes(renderer->shapeMeshes());
            materials.reset();
        }
        const std::shared_ptr<const FrameSnapshot> snapshot = m_channel.take();
        if (!snapshot) continue;
        if (!fresh && !sharpen) continue;
        reduced = drawPicture(*renderer, snapshot, request, sharpen) > 1;
    }
    renderer.reset();
    m_slots.clear();
    context.doneCurrent();
}

int ViewRenderThread::drawPicture(PreviewRenderer& renderer, const std::shared_ptr<const FrameSnapshot>& snapshot,
                                   const Request& request, bool sharp) {
    std::chrono::milliseconds extra{0};
    int divisor = 1;
    {
        const std::lock_guard lock(m_mutex);
        extra = m_extraCost;
        if (!sharp && !snapshot->paused && m_reducedAllowed) divisor = m_scale.divisor();
    }
    Camera camera = request.camera;
    // The full view's aspect: a smaller picture shows the same scene.
    camera.updateMatrices(request.width, request.height);
    ViewPicture picture;
    picture.width = ResolutionScale::scaledSize(request.width, divisor);
    picture.height = ResolutionScale::scaledSize(request.height, divisor);
    picture.grid = request.grid;
    picture.axis = request.axis;

    const auto begin = std::chrono::steady_clock::now();
    const int slot = m_slots.slotToDraw();
    ScenePicture scene;
    scene.slot = slot;
    scene.pixels = renderer.drawScene(*snapshot, camera, picture);
    if (extra.count() > 0) std::this_thread::sleep_for(extra);
    scene.costMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    scene.width = picture.width;
    scene.height = picture.height;
    scene.viewWidth = request.width;
    scene.viewHeight = request.height;
    scene.divisor = divisor;
    scene.number = ++m_pictures;
    scene.snapshot = snapshot;
    {
        const std::lock_guard lock(m_mutex);
        if (m_reducedAllowed) m_scale.measured(scene.costMs, divisor);
    }
    m_slots.finished(std::move(scene));
    m_callbacks.pictureReady();
    return divisor;
}

}  // namespace fg
