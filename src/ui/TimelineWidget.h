#pragma once
// The strip under the 3D view that shows the preview's time: frames 0 to the
// project's frame count with numbered ticks, the export range as a band with
// a mark on every frame an export writes, and the frame the view shows.
// Clicking jumps to a frame, dragging scrubs (the preview holds still while
// the button is down), the wheel and the arrow keys step one frame. It
// follows the document and the view's timeline flag by itself.

#include <QRect>
#include <QWidget>

#include "app/DocumentChange.h"
#include "ui/TimelineScale.h"
#include "ui/WheelSteps.h"

class QPainter;

namespace fg {

class Editor;
class ViewPanel;

class TimelineWidget : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeight = 34;

    explicit TimelineWidget(Editor& editor, QWidget* parent = nullptr);

    // The column of `frame` and the frame under column `x`, for the widget's
    // current width.
    int xOf(int frame) const { return scale().xOf(frame); }
    int frameAt(int x) const { return scale().frameAt(x); }
    // The strip the export range is drawn in, from frame 0 to the last frame.
    QRect trackRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user asked for `frame` (a click, or each step of a drag).
    void jumpRequested(int frame);
    // The user asked for `delta` frames on (negative: back) by the wheel or
    // an arrow key.
    void stepRequested(int delta);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    TimelineScale scale() const;
    void paintExportRange(QPainter& painter) const;
    // The ticks and their numbers, leaving out those under `currentBox`.
    void paintTicks(QPainter& painter, const QRect& currentBox) const;
    void paintCurrentFrame(QPainter& painter, int frame, const QRect& box) const;
    void followDocument(DocumentChanges what);
    void followFlags();
    void scrubTo(int x);
    void step(int delta);
    void endScrub();
    QString toolTipAt(int x) const;

    Editor& m_editor;
    bool m_scrubbing = false;
    bool m_resumeAfterScrub = false;  // it was playing when the drag began
    int m_lastRequest = -1;           // the frame the drag asked for last
    WheelSteps m_wheel;
};

// Puts a timeline for `editor` under the view of `panel`.
TimelineWidget* installTimeline(Editor& editor, ViewPanel& panel);

}  // namespace fg
