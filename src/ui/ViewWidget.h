#pragma once
// The live 3D view: shows the newest picture of the worker's snapshots,
// drawn on a thread of its own whenever one is published or the camera
// moves (the window's thread only scales it to the view and draws the
// counters and icons over it), with the camera the view owns, and turns
// the mouse into
// camera moves (the three tool icons with their drag rules, plus wheel zoom,
// right-drag orbit and middle-drag pan). Every move is kept in the project
// and handed to the worker for its depth sort.

#include <QElapsedTimer>
#include <QOpenGLWidget>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

#include "render/PreviewChannel.h"
#include "render/PreviewRenderer.h"
#include "render/camera/CameraControl.h"
#include "ui/FrameRate.h"
#include "ui/WheelSteps.h"

class QOffscreenSurface;

namespace fg {

class Editor;
class StatusPanel;
class ViewPanel;
class ViewRenderThread;

class ViewWidget : public QOpenGLWidget {
    Q_OBJECT

public:
    // Attaches itself to the editor's worker; detaches (joining the worker)
    // when it dies.
    explicit ViewWidget(Editor& editor, QWidget* parent = nullptr);
    ~ViewWidget() override;

    const Camera& camera() const { return m_camera; }
    PreviewChannel& channel() { return m_channel; }
    // Pictures of snapshots drawn and shown so far.
    int framesDrawn() const { return m_framesDrawn; }
    // Pictures the drawing thread has drawn so far, shown or not.
    std::uint64_t picturesDrawnByThread() const;
    // Pictures shown on screen so far, and per second: the FPS counter.
    int framesShown() const { return m_framesShown; }
    int shownPerSecond() const { return m_shownRate.perSecond(); }
    // Whether the snapshot drawn last had spawns held back by the particle limit.
    bool particleLimitShown() const { return m_limitShown; }
    // How much smaller than the view the picture shown last was drawn: 1 at
    // full resolution, 2 at half, …
    int pictureDivisor() const { return m_shownDivisor; }
    // The snapshot of the picture shown last; null before the first.
    const std::shared_ptr<const FrameSnapshot>& shownSnapshot() const { return m_shownSnapshot; }
    // Whether pictures that cost more than the budget may be drawn at a
    // reduced resolution (on by default).
    void setReducedResolution(bool allowed);
    // Tests: every picture takes at least this much longer, as a heavy one would.
    void setExtraPictureCostForTest(std::chrono::milliseconds extra);

signals:
    // The renderer could not start: the view stays without a picture.
    void rendererFailed(const QString& caption, const QString& message);
    // The particle-limit notice for the status line; empty when the limit no
    // longer holds spawns back.
    void particleNoticeChanged(const QString& notice);

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void followEditor();
    void placeProjectCamera();
    // Drawing thread: asks the UI thread for one repaint (at most one queued).
    void pictureReady();
    void rendererFailedOnThread(std::optional<RenderError> error);
    // The camera, size and grid the next picture is drawn with.
    void requestPicture();
    // Stops drawing before the widget's context goes (the thread's shares its objects).
    void releaseContext();
    void frameSwappedOut();
    // FULGRANE3D_LOG_VIEW_RATE: prints the pictures shown each second.
    void logShownRate();
    void showLimit(const FrameSnapshot& snapshot);
    // The share of the view's resolution after the FPS counter, when reduced.
    void showReduction(int divisor, NotePlace place);
    // Fresh matrices, the eye to the worker and the placement to the project.
    void cameraMoved();
    // One step of the tool rules with the cursor at `pos` (logical pixels)
    // moved by `delta` since the last sample.
    bool toolStep(QPoint pos, QPoint delta, bool leftDown, bool leftWasDown);
    int pixelWidth() const;
    int pixelHeight() const;
    void grabForTest(std::uint32_t simulationFrame);

    Editor& m_editor;
    PreviewChannel m_channel;
    std::unique_ptr<ViewRenderThread> m_thread;
    std::unique_ptr<QOffscreenSurface> m_surface;  // where the drawing thread's context is current
    std::unique_ptr<ViewCompositor> m_compositor;
    Camera m_camera;
    ToolState m_tools;
    QPoint m_anchor;       // where a tool drag began; the cursor is held there
    QPoint m_dragFrom;     // the cursor position a tool drag's next movement counts from
    QPoint m_lastPos;      // previous cursor position of a right or middle drag
    WheelSteps m_wheel;    // touchpad steps add up to notches
    std::atomic<bool> m_repaintQueued{false};
    QElapsedTimer m_clock;
    FrameRate m_shownRate;
    int m_shownDivisor = 1;
    std::uint64_t m_shownNumber = 0;  // the picture shown last
    std::shared_ptr<const FrameSnapshot> m_shownSnapshot;
    bool m_drawnSinceSwap = false;
    int m_framesShown = 0;
    int m_framesDrawn = 0;
    int m_stepRateShown = -1;  // the step rate in the tooltip
    bool m_limitShown = false;
    QString m_grabPath;    // FULGRANE3D_TEST_GRAB: where the test grabs go
    std::uint32_t m_lastDrawnFrame = 0;  // simulation frame of the last picture, for the test grabs
    int m_grabsTaken = 0;
    bool m_grabPending = false;
    QElapsedTimer m_sinceFirstGrab;
};

// Puts a new view into `panel` for `editor`, its notices going to `status`
// (may be null); null, leaving the panel as it is, where the platform has no OpenGL.
ViewWidget* installViewWidget(Editor& editor, ViewPanel& panel, StatusPanel* status = nullptr);

}  // namespace fg
