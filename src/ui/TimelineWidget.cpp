#include "ui/TimelineWidget.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>

#include "app/Editor.h"
#include "app/PlaybackController.h"
#include "app/ViewSettingsController.h"
#include "ui/HoverHelp.h"
#include "ui/PanelFont.h"
#include "ui/ViewPanel.h"

namespace fg {
namespace {

// Rows from the top: the numbers, the ticks, then the track with the export
// band; the lower half of the band carries the export's frame marks.
constexpr int kSide = 16;  // room beside frame 0 and the last frame for their numbers
constexpr int kLabelTop = 1;
constexpr int kLabelHeight = 13;
constexpr int kTickTop = 14;
constexpr int kMajorTick = 6;
constexpr int kMinorTick = 3;
constexpr int kTrackTop = 20;
constexpr int kTrackHeight = 12;
constexpr int kMarkTop = kTrackTop + kTrackHeight / 2;
constexpr int kLabelGap = 24;  // the least room between two numbers
constexpr int kMinorGap = 4;   // the least room between two unnumbered ticks
constexpr int kMarkGap = 2;    // export marks closer than this make one solid strip

// An arrow key alone (some keyboards report the arrows as keypad keys).
bool plainKey(const QKeyEvent& event, Qt::Key key) {
    return event.key() == key && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

QFont labelFont() {
    QFont font = panelFont(7);
    font.setPixelSize(10);
    return font;
}

// `text` centred on column `x`, kept inside `width`.
QRect labelBox(const QFontMetrics& metrics, const QString& text, int x, int width, int padding) {
    const int boxWidth = metrics.horizontalAdvance(text) + 2 * padding;
    const int left = std::clamp(x - boxWidth / 2, 0, std::max(0, width - boxWidth));
    return {left, kLabelTop, boxWidth, kLabelHeight};
}

}  // namespace

TimelineWidget::TimelineWidget(Editor& editor, QWidget* parent) : QWidget(parent), m_editor(editor) {
    setObjectName(QStringLiteral("timeline"));
    setFocusPolicy(Qt::ClickFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(tr("タイムライン"));
    HoverHelp::setHelpText(this, tr("クリックでそのフレームへ移動、ドラッグで前後に動かす。ホイールと ←/→ で１フレームずつ送る。"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&m_editor.playback(), &PlaybackController::frameChanged, this, [this] { update(); });
    connect(&m_editor, &Editor::documentChanged, this, &TimelineWidget::followDocument);
    followFlags();
}

QSize TimelineWidget::sizeHint() const { return {2 * kSide + 100, kHeight}; }

QSize TimelineWidget::minimumSizeHint() const { return {2 * kSide, kHeight}; }

TimelineScale TimelineWidget::scale() const {
    return {kSide, std::max(kSide, width() - 1 - kSide), m_editor.playback().frameCount()};
}

QRect TimelineWidget::trackRect() const {
    const TimelineScale s = scale();
    return {s.left, kTrackTop, s.right - s.left + 1, kTrackHeight};
}

void TimelineWidget::followDocument(DocumentChanges what) {
    if (what & DocumentPart::Display) followFlags();
    if (what & (DocumentPart::Settings | DocumentPart::Preview)) update();
}

void TimelineWidget::followFlags() {
    const bool shown = m_editor.viewSettings().displayFlags().timeline;
    // Not yet in its panel: showing would open a window of its own. An
    // explicit hide is kept when the panel takes it in.
    if (parentWidget() == nullptr) {
        if (!shown) hide();
        return;
    }
    setVisible(shown);
}

void TimelineWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.fillRect(trackRect(), palette().color(QPalette::Base));
    paintExportRange(painter);
    painter.setFont(labelFont());
    const int current = std::clamp(m_editor.playback().currentFrame(), 0, scale().frameCount);
    const QRect currentBox = labelBox(painter.fontMetrics(), QString::number(current), xOf(current), width(), 3);
    paintTicks(painter, currentBox);
    paintCurrentFrame(painter, current, currentBox);
    if (hasFocus()) {
        painter.setPen(palette().color(QPalette::Highlight));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TimelineWidget::paintExportRange(QPainter& painter) const {
    const PlaybackController& playback = m_editor.playback();
    const TimelineScale s = scale();
    const int start = playback.exportStart();
    const int end = playback.exportEnd();
    if (start > end) return;
    const QRect track = trackRect();
    const QColor band = palette().color(QPalette::Highlight);
    const int left = s.xOf(start);
    const int width = s.xOf(end) - left + 1;
    painter.fillRect(QRect(left, track.top(), width, track.height()), band);
    // A mark on every frame an export writes.
    const QColor mark = band.lighter(170);
    const int step = playback.exportStep();
    if (step * s.pixelsPerFrame() < kMarkGap) {
        painter.fillRect(QRect(left, kMarkTop, width, track.bottom() - kMarkTop + 1), mark);
        return;
    }
    painter.setPen(mark);
    for (int frame = start; frame <= end; frame += step) {
        const int x = s.xOf(frame);
        painter.drawLine(x, kMarkTop, x, track.bottom());
    }
}

void TimelineWidget::paintTicks(QPainter& painter, const QRect& currentBox) const {
    const TimelineScale s = scale();
    const QFontMetrics metrics = painter.fontMetrics();
    const int widest = metrics.horizontalAdvance(QString::number(s.frameCount));
    const int labelStep = s.labelStep(widest + kLabelGap);
    const int minorStep = s.minorStep(labelStep, kMinorGap);
    if (minorStep > 0) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        for (int frame = 0; frame <= s.frameCount; frame += minorStep) {
            if (frame % labelStep == 0) continue;
            const int x = s.xOf(frame);
            painter.drawLine(x, kTickTop + kMajorTick - kMinorTick, x, kTickTop + kMajorTick - 1);
        }
    }
    painter.setPen(palette().color(QPalette::WindowText));
    const auto numbered = [&](int frame) {
        const int x = s.xOf(frame);
        painter.drawLine(x, kTickTop, x, kTickTop + kMajorTick - 1);
        const QString number = QString::number(frame);
        const QRect box = labelBox(metrics, number, x, width(), 0);
        // The current frame's number hides the numbers it would overlap.
        if (!box.intersects(currentBox)) painter.drawText(box, Qt::AlignCenter, number);
    };
    int last = 0;
    for (int frame = 0; frame <= s.frameCount; frame += labelStep) {
        numbered(frame);
        last = frame;
    }
    // The last frame is numbered too when there is room beside the last number.
    if (last != s.frameCount && s.xOf(s.frameCount) - s.xOf(last) >= widest + kLabelGap) numbered(s.frameCount);
}

void TimelineWidget::paintCurrentFrame(QPainter& painter, int frame, const QRect& box) const {
    painter.fillRect(box, palette().color(QPalette::Highlight));
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.drawText(box, Qt::AlignCenter, QString::number(frame));
    // Its line runs from under the number through the track.
    const int x = xOf(frame);
    painter.setPen(palette().color(QPalette::BrightText));
    painter.drawLine(x, kTickTop, x, trackRect().bottom());
}

bool TimelineWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), toolTipAt(help->pos().x()), this);
        return true;
    }
    // The arrows step the timeline even where the window binds them.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (plainKey(key, Qt::Key_Left) || plainKey(key, Qt::Key_Right)) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

QString TimelineWidget::toolTipAt(int x) const {
    const PlaybackController& playback = m_editor.playback();
    return tr("フレーム %1").arg(frameAt(x)) + QLatin1Char('\n') +
           tr("書き出し範囲 %1～%2、%3フレーム毎")
               .arg(playback.exportStart())
               .arg(playback.exportEnd())
               .arg(playback.exportStep()) +
           QLatin1Char('\n') + HoverHelp::helpText(this);
}

void TimelineWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    // The preview holds still under the cursor while the button is down.
    PlaybackController& playback = m_editor.playback();
    if (!m_scrubbing) m_resumeAfterScrub = playback.isPlaying();
    m_scrubbing = true;
    m_lastRequest = -1;
    playback.pause();
    scrubTo(event->position().toPoint().x());
}

void TimelineWidget::mouseMoveEvent(QMouseEvent* event) {
    if (m_scrubbing) scrubTo(event->position().toPoint().x());
}

void TimelineWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_scrubbing) return;
    scrubTo(event->position().toPoint().x());
    endScrub();
}

void TimelineWidget::scrubTo(int x) {
    const int frame = frameAt(x);
    if (frame == m_lastRequest) return;
    m_lastRequest = frame;
    m_editor.playback().jumpTo(frame);
    emit jumpRequested(frame);
}

void TimelineWidget::endScrub() {
    if (!m_scrubbing) return;
    m_scrubbing = false;
    if (m_resumeAfterScrub) m_editor.playback().play();
    m_resumeAfterScrub = false;
}

void TimelineWidget::wheelEvent(QWheelEvent* event) {
    event->accept();
    // Away from the user is forward, as the wheel raises a number field.
    const int notches = m_wheel.add(*event);
    if (notches != 0) step(notches);
}

void TimelineWidget::step(int delta) {
    PlaybackController& playback = m_editor.playback();
    for (int i = 0; i < delta; ++i) playback.stepForward();
    for (int i = 0; i > delta; --i) playback.stepBack();
    emit stepRequested(delta);
}

void TimelineWidget::keyPressEvent(QKeyEvent* event) {
    if (plainKey(*event, Qt::Key_Left)) {
        step(-1);
    } else if (plainKey(*event, Qt::Key_Right)) {
        step(1);
    } else {
        // Everything else goes on to the window, whose transport keys act here too.
        QWidget::keyPressEvent(event);
    }
}

void TimelineWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TimelineWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void TimelineWidget::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    endScrub();
}

TimelineWidget* installTimeline(Editor& editor, ViewPanel& panel) {
    auto* timeline = new TimelineWidget(editor);
    panel.setTimeline(timeline);
    return timeline;
}

}  // namespace fg
