#pragma once
// Draws the view's scene pictures on a thread of its own, with a GL context
// of its own that shares nothing with the view's (the pictures go over as
// pixels), so that however long
// a picture takes (a huge effect on a software renderer) the window's
// thread never waits for it. Draws when the worker publishes a snapshot or
// the view asks (camera, size, grid); asks that come in while a picture is
// being drawn collapse into one, the newest. When pictures cost more than
// the budget the next ones are drawn at a reduced resolution; once nothing
// new has come for a moment (paused, stopped, the camera at rest) the last
// one is drawn again at full resolution. A picture is not begun while the
// last one still waits to be shown: drawing faster than the window shows
// would only take the processor the window needs to show them.

#include <QSurfaceFormat>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "render/PictureSlots.h"
#include "render/PreviewChannel.h"
#include "render/PreviewRenderer.h"
#include "render/ResolutionScale.h"
#include "render/camera/Camera.h"

class QOffscreenSurface;

namespace fg {

class ViewRenderThread {
public:
    // What the view asks to be drawn.
    struct Request {
        Camera camera;
        int width = 1;  // the view in pixels
        int height = 1;
        bool grid = true;
        bool axis = true;
    };
    struct Callbacks {
        // A new picture is in pictures() (called on the drawing thread).
        std::function<void()> pictureReady;
        // The renderer could not start; no error means the context could not
        // be made (called on the drawing thread).
        std::function<void(std::optional<RenderError>)> failed;
    };

    ViewRenderThread(PreviewChannel& channel, Callbacks callbacks);
    ~ViewRenderThread();
    ViewRenderThread(const ViewRenderThread&) = delete;
    ViewRenderThread& operator=(const ViewRenderThread&) = delete;

    // UI thread: starts drawing with a context of `format`, current on
    // `surface` (the caller's, alive until stop()), the materials read from
    // `workDir`.
    void start(const QSurfaceFormat& format, QOffscreenSurface* surface, const std::string& workDir);
    // Joins the thread; its GL objects and pictures go with it.
    void stop();
    bool running() const { return m_thread.joinable(); }

    // Any thread. Asks for a picture of this; the newest ask wins.
    void request(const Request& request);
    // Any thread: the channel has a new snapshot.
    void snapshotPublished();
    // UI thread: the view has shown the newest picture.
    void pictureShown();
    // Reads the materials again (before the next picture).
    void reloadMaterials(const std::string& workDir);
    // Whether costly pictures may be drawn at a reduced resolution (on by default).
    void setReducedResolution(bool allowed);
    // Tests: every picture takes at least this much longer, as a heavy one would.
    void setExtraCostForTest(std::chrono::milliseconds extra);

    PictureSlots& pictures() { return m_slots; }
    // Any thread: pictures drawn so far, shown or not.
    std::uint64_t picturesDrawn() const { return m_pictures.load(); }
    // The divisor the next live picture is drawn at.
    int divisor() const;

private:
    void run(QSurfaceFormat format, QOffscreenSurface* surface, std::string workDir);
    // Waits for something to draw; false when stopping.
    bool waitForWork(std::unique_lock<std::mutex>& lock);
    // Returns the divisor it was drawn at.
    int drawPicture(PreviewRenderer& renderer, const std::shared_ptr<const FrameSnapshot>& snapshot,
                     const Request& request, bool sharp);

    PreviewChannel& m_channel;
    Callbacks m_callbacks;
    PictureSlots m_slots;
    std::thread m_thread;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    bool m_snapshotPending = false;
    bool m_requestPending = false;
    Request m_request;
    std::optional<std::string> m_materials;  // a reload waiting, from this folder
    bool m_reducedAllowed = true;
    std::chrono::milliseconds m_extraCost{0};
    ResolutionScale m_scale;
    std::atomic<std::uint64_t> m_pictures{0};  // pictures drawn so far
};

}  // namespace fg
