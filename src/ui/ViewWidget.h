#pragma once
// The live 3D view: draws the newest snapshot the preview worker published,
// at display rate, with the camera the view owns, and turns the mouse into
// camera moves (the three tool icons with their drag rules, plus wheel zoom,
// right-drag orbit and middle-drag pan). Every move is kept in the project
// and handed to the worker for its depth sort.

#include <QElapsedTimer>
#include <QOpenGLWidget>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <memory>

#include "render/PreviewChannel.h"
#include "render/PreviewRenderer.h"
#include "render/camera/CameraControl.h"
#include "ui/WheelSteps.h"

namespace fg {

class Editor;
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

signals:
    // The renderer could not start: the view stays without a picture.
    void rendererFailed(const QString& caption, const QString& message);

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
    std::unique_ptr<SnapshotWorkerView> m_workerView;
    std::unique_ptr<PreviewRenderer> m_renderer;
    Camera m_camera;
    ToolState m_tools;
    QPoint m_anchor;       // where a tool drag began; the cursor is held there
    QPoint m_dragFrom;     // the cursor position a tool drag's next movement counts from
    QPoint m_lastPos;      // previous cursor position of a right or middle drag
    WheelSteps m_wheel;    // touchpad steps add up to notches
    QTimer m_frameTimer;
    int m_framesDrawn = 0;
    QString m_grabPath;    // FULGRANE3D_TEST_GRAB: where the test grabs go
    std::uint32_t m_lastDrawnFrame = 0;  // simulation frame of the last picture, for the test grabs
    int m_grabsTaken = 0;
    bool m_grabPending = false;
    QElapsedTimer m_sinceFirstGrab;
};

// Puts a new view into `panel` for `editor`; null, leaving the panel as it
// is, where the platform has no OpenGL.
ViewWidget* installViewWidget(Editor& editor, ViewPanel& panel);

}  // namespace fg
