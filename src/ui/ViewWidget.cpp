#include "ui/ViewWidget.h"

#include <QCoreApplication>
#include <QCursor>
#include <QImage>
#include <QMessageBox>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QPainter>
#include <QSurfaceFormat>
#include <QWheelEvent>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "app/Editor.h"
#include "ui/StatusPanel.h"
#include "ui/ViewPanel.h"
#include "ui/ViewRenderThread.h"
#include "text/Format.h"

namespace fg {
namespace {

// Drag pixels one wheel notch zooms by.
constexpr int kWheelNotchPixels = 15;
// Pictures drawn before the first test grab; the second follows half a second later.
constexpr int kGrabAfterFrames = 20;
// The effect must have run this far, however slowly the machine steps it.
constexpr std::uint32_t kGrabAtSimulationFrame = 20;
constexpr int kGrabIntervalMs = 200;

QSurfaceFormat viewFormat() {
    QSurfaceFormat format;
    format.setVersion(3, 3);
    format.setProfile(QSurfaceFormat::CoreProfile);
    format.setDepthBufferSize(24);
    return format;
}

}  // namespace

ViewWidget::ViewWidget(Editor& editor, QWidget* parent) : QOpenGLWidget(parent), m_editor(editor) {
    setObjectName(QStringLiteral("viewWidget"));
    setFormat(viewFormat());
    setMouseTracking(true);  // the icons light up under the cursor
    setFocusPolicy(Qt::ClickFocus);  // a click leaves any text field: the shortcuts are the window's
    m_grabPath = qEnvironmentVariable("FULGRANE3D_TEST_GRAB");
    placeProjectCamera();
    if (Node* selected = m_editor.state().tree.selected()) m_channel.setSelectedNode(selected->m_ID);
    // Nothing is drawn on a timer: a new snapshot, a camera move, a hover
    // or a resize asks for the next picture.
    m_thread = std::make_unique<ViewRenderThread>(
        m_channel, ViewRenderThread::Callbacks{[this] { pictureReady(); },
                                               [this](std::optional<RenderError> error) {
                                                   rendererFailedOnThread(std::move(error));
                                               }});
    m_channel.setPublishedCallback([this] { m_thread->snapshotPublished(); });
    m_editor.attachView([this](Simulation& simulation) -> std::unique_ptr<WorkerView> {
        return std::make_unique<SnapshotWorkerView>(m_channel, simulation);
    });
    followEditor();
    m_clock.start();
    connect(this, &QOpenGLWidget::frameSwapped, this, &ViewWidget::frameSwappedOut);
    if (qEnvironmentVariableIsSet("FULGRANE3D_LOG_VIEW_RATE")) logShownRate();
}

void ViewWidget::logShownRate() {
    // For measuring the view by hand: the pictures shown in each second.
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this, shown = m_framesShown]() mutable {
        std::fprintf(stderr, "view: %d pictures/s, %d steps/s\n", m_framesShown - shown, m_stepRateShown);
        shown = m_framesShown;
    });
    timer->start(1000);
}

void ViewWidget::pictureReady() {
    if (m_repaintQueued.exchange(true)) return;
    // Dropped by Qt if the view is gone before it runs.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_repaintQueued.store(false);
            update();
        },
        Qt::QueuedConnection);
}

void ViewWidget::rendererFailedOnThread(std::optional<RenderError> error) {
    QMetaObject::invokeMethod(
        this,
        [this, error] {
            const QString c = error ? text::format(error->caption) : QString();
            const QString m = error ? text::format(error->message)
                                    : tr("プレビューを描くOpenGLコンテキストを作成できませんでした。");
            emit rendererFailed(c, m);
            QMessageBox::critical(this, c, m);
        },
        Qt::QueuedConnection);
}

void ViewWidget::frameSwappedOut() {
    // The window is composed for other widgets' changes too: only a new
    // picture of the view counts.
    if (!m_drawnSinceSwap) return;
    m_drawnSinceSwap = false;
    ++m_framesShown;
    m_shownRate.frameShown(m_clock.elapsed());
}

std::uint64_t ViewWidget::picturesDrawnByThread() const { return m_thread->picturesDrawn(); }

void ViewWidget::setReducedResolution(bool allowed) { m_thread->setReducedResolution(allowed); }

void ViewWidget::setExtraPictureCostForTest(std::chrono::milliseconds extra) { m_thread->setExtraCostForTest(extra); }

ViewWidget::~ViewWidget() {
    m_editor.attachView(nullptr);  // joins the worker before the channel goes
    releaseContext();
    // The base class destroys the context after this view is gone.
    if (QOpenGLContext* own = context()) disconnect(own, nullptr, this, nullptr);
}

void ViewWidget::releaseContext() {
    m_thread->stop();
    if (!m_compositor) return;
    // The compositor's GL objects go with the view's context.
    makeCurrent();
    m_compositor.reset();
    doneCurrent();
}

void ViewWidget::followEditor() {
    connect(&m_editor, &Editor::documentChanged, this, [this](DocumentChanges what) {
        if (what & DocumentPart::Preview) {
            placeProjectCamera();
            m_channel.invalidate();
        }
        // The camera dialogs and the view list: shown at once, keystroke by keystroke.
        if (what & DocumentPart::Camera) {
            const CameraPlacement& placement = m_editor.state().camera;
            placeCamera(m_camera, placement.eye, placement.target);
            m_camera.updateMatrices(pixelWidth(), pixelHeight());
            m_channel.setEye(m_camera.eye);
            requestPicture();
        }
        if (what & DocumentPart::Display) {
            requestPicture();  // the grid
            update();          // the counters
        }
        if (what & DocumentPart::Selection) {
            const Node* selected = m_editor.state().tree.selected();
            m_channel.setSelectedNode(selected ? selected->m_ID : -1);
        }
        if (what & DocumentPart::Materials) m_thread->reloadMaterials(m_editor.state().workDir);
    });
}

void ViewWidget::placeProjectCamera() {
    m_camera = placedCamera(m_editor.state().camera);
    m_camera.updateMatrices(pixelWidth(), pixelHeight());
    m_channel.setEye(m_camera.eye);
    if (m_thread) requestPicture();
}

void ViewWidget::requestPicture() {
    ViewRenderThread::Request request;
    request.camera = m_camera;
    request.width = pixelWidth();
    request.height = pixelHeight();
    const DisplayFlags& flags = m_editor.viewSettings().displayFlags();
    request.grid = flags.grid;
    request.axis = flags.axis;
    m_thread->request(request);
}

void ViewWidget::initializeGL() {
    // Again after the widget's context was made anew (moved to another window).
    releaseContext();
    RenderError error;
    m_compositor = ViewCompositor::create(&error);
    if (!m_compositor) {
        const QString c = text::format(error.caption);
        const QString m = text::format(error.message);
        emit rendererFailed(c, m);
        // Not from inside the GL callback: the box runs its own event loop.
        QTimer::singleShot(0, this, [this, c, m] { QMessageBox::critical(this, c, m); });
        return;
    }
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &ViewWidget::releaseContext,
            Qt::UniqueConnection);
    if (!m_surface) {
        m_surface = std::make_unique<QOffscreenSurface>();
        m_surface->setFormat(context()->format());
        m_surface->create();
    }
    requestPicture();
    m_thread->start(context()->format(), m_surface.get(), m_editor.state().workDir);
}

void ViewWidget::resizeGL(int, int) {
    m_camera.updateMatrices(pixelWidth(), pixelHeight());
    requestPicture();
}

int ViewWidget::pixelWidth() const { return std::max(1, static_cast<int>(std::lround(width() * devicePixelRatioF()))); }

int ViewWidget::pixelHeight() const {
    return std::max(1, static_cast<int>(std::lround(height() * devicePixelRatioF())));
}

void ViewWidget::paintGL() {
    const std::optional<ScenePicture> scene = m_thread->pictures().show();
    m_thread->pictureShown();
    if (!m_compositor || !scene) return;
    const FrameSnapshot& snapshot = *scene->snapshot;
    ViewPicture view;
    view.width = pixelWidth();
    view.height = pixelHeight();
    const DisplayFlags& flags = m_editor.viewSettings().displayFlags();
    view.counters = {flags.frame, flags.particles, flags.fps};
    view.fps = m_shownRate.perSecond();
    view.hoveredTool = m_tools.hovered;
    view.paused = snapshot.paused;
    const NotePlace note = m_compositor->compose(*scene, view);
    m_shownDivisor = scene->divisor;
    m_shownSnapshot = scene->snapshot;
    showReduction(scene->divisor, note);
    // Shown again (a hover, another widget's change) it is not a new picture.
    if (scene->number != m_shownNumber) {
        m_shownNumber = scene->number;
        ++m_framesDrawn;
        m_drawnSinceSwap = true;
    }
    showLimit(snapshot);
    if (snapshot.stepRate != m_stepRateShown) {
        // The rate the simulation steps at, which the FPS counter no longer shows.
        m_stepRateShown = snapshot.stepRate;
        setToolTip(tr("シミュレーション: %1 フレーム/秒").arg(m_stepRateShown));
    }
    if (!m_grabPath.isEmpty()) grabForTest(snapshot.frame);
    m_editor.playback().frameShown(static_cast<int>(snapshot.timelineFrame));
}

void ViewWidget::showReduction(int divisor, NotePlace place) {
    if (divisor <= 1) return;
    // The counters' digit picture has no such letters: the note is text.
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    QFont font = painter.font();
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    const QString note = tr("解像度 %1%").arg(ResolutionScale::percent(divisor));
    const QRectF box(place.x / ratio, place.y / ratio, 200.0, 16.0 / ratio);
    painter.setPen(QColor(0, 0, 0, 200));
    painter.drawText(box.translated(1.0, 1.0), Qt::AlignLeft | Qt::AlignVCenter, note);
    painter.setPen(QColor(255, 220, 120));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, note);
}

void ViewWidget::showLimit(const FrameSnapshot& snapshot) {
    if (snapshot.particleLimitReached == m_limitShown) return;
    m_limitShown = snapshot.particleLimitReached;
    const QString notice =
        m_limitShown ? tr("パーティクル数が上限の%1個に達したため、これ以上は発生させていません。")
                           .arg(snapshot.particleLimit)
                     : QString();
    emit particleNoticeChanged(notice);
}

void ViewWidget::grabForTest(std::uint32_t simulationFrame) {
    m_lastDrawnFrame = simulationFrame;
    if (m_grabPending || m_grabsTaken == 2 || m_framesDrawn < kGrabAfterFrames) return;
    if (m_grabsTaken == 1 && !m_sinceFirstGrab.hasExpired(kGrabIntervalMs)) return;
    if (simulationFrame < kGrabAtSimulationFrame) return;
    m_grabPending = true;
    // Outside paintGL: grabFramebuffer renders a picture of its own.
    QTimer::singleShot(0, this, [this] {
        m_grabPending = false;
        const QImage picture = grabFramebuffer();
        // A busy machine can let the effect wrap to its nearly empty start
        // before the grab draws: try again on a later frame.
        if (m_lastDrawnFrame < kGrabAtSimulationFrame) return;
        ++m_grabsTaken;
        picture.save(m_grabPath + QStringLiteral(".%1.png").arg(m_grabsTaken));
        if (m_grabsTaken == 1) m_sinceFirstGrab.start();
        else QCoreApplication::quit();
    });
}

bool ViewWidget::toolStep(QPoint pos, QPoint delta, bool leftDown, bool leftWasDown) {
    const qreal ratio = devicePixelRatioF();
    MouseSample sample;
    sample.x = static_cast<int>(std::lround(pos.x() * ratio));
    sample.y = static_cast<int>(std::lround(pos.y() * ratio));
    sample.dx = delta.x();
    sample.dy = delta.y();
    sample.leftDown = leftDown;
    sample.leftWasDown = leftWasDown;
    const int hovered = m_tools.hovered;
    const bool moved = cameraStep(m_camera, m_tools, sample, pixelWidth(), pixelHeight());
    if (hovered != m_tools.hovered) update();
    return moved;
}

void ViewWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    m_lastPos = pos;
    if (event->button() == Qt::LeftButton) {
        toolStep(pos, {}, true, false);
        m_anchor = pos;
        m_dragFrom = pos;
    }
}

void ViewWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const Qt::MouseButtons buttons = event->buttons();
    if (buttons & Qt::LeftButton) {
        if (m_tools.active == kToolNone) return;
        const QPoint delta = pos - m_dragFrom;
        if (delta.isNull()) return;  // the cursor coming back to the anchor
        if (toolStep(m_anchor, delta, true, true)) {
            QCursor::setPos(mapToGlobal(m_anchor));
            // Where the platform cannot move the cursor, count from here.
            m_dragFrom = QCursor::pos() == mapToGlobal(m_anchor) ? m_anchor : pos;
            cameraMoved();
        }
        return;
    }
    const QPoint delta = pos - m_lastPos;
    m_lastPos = pos;
    if (buttons & Qt::RightButton) {
        rotateCamera(m_camera, delta.x(), delta.y());
        cameraMoved();
    } else if (buttons & Qt::MiddleButton) {
        moveCamera(m_camera, delta.x(), delta.y());
        cameraMoved();
    } else {
        toolStep(pos, {}, false, false);
    }
}

void ViewWidget::leaveEvent(QEvent* event) {
    QOpenGLWidget::leaveEvent(event);
    if (m_tools.active == kToolNone && m_tools.hovered != kToolNone) {
        m_tools.hovered = kToolNone;
        update();
    }
}

void ViewWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) toolStep(event->position().toPoint(), {}, false, true);
}

void ViewWidget::wheelEvent(QWheelEvent* event) {
    const int notches = m_wheel.add(*event);
    if (notches == 0) return;
    zoomCamera(m_camera, 0, notches * kWheelNotchPixels);
    cameraMoved();
}

void ViewWidget::cameraMoved() {
    straightenUp(m_camera);
    m_camera.updateMatrices(pixelWidth(), pixelHeight());
    m_channel.setEye(m_camera.eye);
    m_editor.viewSettings().setCamera(m_camera.eye, m_camera.target);
    requestPicture();
}

ViewWidget* installViewWidget(Editor& editor, ViewPanel& panel, StatusPanel* status) {
    // Platforms without OpenGL (the offscreen one of the window tests) keep
    // the black panel: a GL widget there cannot even be composed.
    QOpenGLContext probe;
    if (!probe.create()) return nullptr;
    auto* view = new ViewWidget(editor);
    panel.setView(view);
    if (status != nullptr) QObject::connect(view, &ViewWidget::particleNoticeChanged, status, &StatusPanel::setNotice);
    return view;
}

}  // namespace fg
