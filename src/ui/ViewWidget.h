#pragma once
// The live 3D view: draws the newest snapshot the preview worker published,
// whenever one is published or the camera moves, with the camera the view
// owns, and turns the mouse into
// camera moves (the three tool icons with their drag rules, plus wheel zoom,
// right-drag orbit and middle-drag pan). Every move is kept in the project
// and handed to the worker for its depth sort.

#include <QElapsedTimer>
#include <QOpenGLWidget>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <memory>

#include "render/PreviewChannel.h"
#include "render/PreviewRenderer.h"
#include "render/camera/CameraControl.h"
#include "ui/FrameRate.h"
#include "ui/WheelSteps.h"

namespace fg {

class Editor;
class StatusPanel;
class ViewPanel;

class ViewWidget : public QOpenGLWidget {
    Q_OBJECT

public:
    // Attaches itself to the editor's worker; detaches (joining the worker)
    // when it dies.
    explicit ViewWidget(Editor& editor, QWidget* parent = nullptr);
    ~ViewWidget() override;

    const Camera& camera() const { return m_camera; }
    PreviewChannel& channel() { return m_channel; }
    // Pictures drawn with a snapshot so far.
    int framesDrawn() const { return m_framesDrawn; }
    // Pictures shown on screen so far, and per second: the FPS counter.
    int framesShown() const { return m_framesShown; }
    int shownPerSecond() const { return m_shownRate.perSecond(); }
    // Whether the snapshot drawn last had spawns held back by the particle limit.
    bool particleLimitShown() const { return m_limitShown; }

signals:
    // The renderer could not start: the view stays without a picture.
    void rendererFailed(const QString& caption, const QString& message);
    // The particle-limit notice for the status line; empty when the limit no
    // longer holds spawns back.
    void particleNoticeChanged(const QString& notice);

protected:
    void initializeGL() override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void followEditor();
    void placeProjectCamera();
    // Worker thread: asks the UI thread for one repaint (at most one queued).
    void snapshotPublished();
    // UI thread: the repaint a new snapshot asks for, after a pause as long
    // as the last picture took.
    void repaintForSnapshot();
    void frameSwappedOut();
    // FULGRANE3D_LOG_VIEW_RATE: prints the pictures shown each second.
    void logShownRate();
    void showLimit(const FrameSnapshot& snapshot);
    void loadMaterials();
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
    std::unique_ptr<PreviewRenderer> m_renderer;
    Camera m_camera;
    ToolState m_tools;
    QPoint m_anchor;       // where a tool drag began; the cursor is held there
    QPoint m_dragFrom;     // the cursor position a tool drag's next movement counts from
    QPoint m_lastPos;      // previous cursor position of a right or middle drag
    WheelSteps m_wheel;    // touchpad steps add up to notches
    std::atomic<bool> m_repaintQueued{false};
    QElapsedTimer m_clock;
    qint64 m_frameStart = 0;     // when the picture being shown began to be drawn
    qint64 m_lastFrameEnd = 0;   // when the last picture was shown
    qint64 m_lastFrameCost = 0;  // how long it took, drawing to showing
    FrameRate m_shownRate;
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
