#include "app/PlaybackController.h"

#include <algorithm>

#include "app/Editor.h"

namespace fg {

PlaybackController::PlaybackController(Editor& editor, PlaybackControl& control)
    : m_editor(editor), m_control(control) {}

void PlaybackController::play() {
    if (m_control.playing()) return;
    m_control.setPlaying(true);
    emit playbackChanged();
}

void PlaybackController::pause() {
    if (!m_control.playing()) return;
    m_control.setPlaying(false);
    emit playbackChanged();
}

void PlaybackController::togglePlaying() {
    if (m_control.playing()) pause();
    else play();
}

void PlaybackController::stepForward() {
    pause();
    m_control.requestSteps(1);
}

void PlaybackController::stepBack() {
    pause();
    m_control.requestSteps(-1);
}

void PlaybackController::jumpToStart() {
    pause();
    jumpTo(0);
}

void PlaybackController::jumpToEnd() {
    pause();
    jumpTo(exportEnd());
}

void PlaybackController::jumpTo(int frame) { m_control.requestFrame(static_cast<std::uint32_t>(clamped(frame))); }

void PlaybackController::setSpeed(PlaybackSpeed speed) {
    if (speed == m_control.speed()) return;
    m_control.setSpeed(speed);
    emit playbackChanged();
}

bool PlaybackController::loopPreview() const { return m_editor.simulation().loop(); }

void PlaybackController::setLoopPreview(bool loop) {
    if (loop == loopPreview()) return;
    m_editor.setLoopPreview(loop);
    emit playbackChanged();
}

int PlaybackController::frameCount() const { return std::max(0, m_editor.state().project.frame); }

int PlaybackController::exportStart() const { return clamped(m_editor.state().write.start); }

int PlaybackController::exportEnd() const { return clamped(m_editor.state().write.end); }

int PlaybackController::exportStep() const { return std::max(1, m_editor.state().write.step); }

void PlaybackController::frameShown(int frame) {
    if (frame == m_current) return;
    m_current = frame;
    emit frameChanged(frame);
}

int PlaybackController::clamped(int frame) const { return std::clamp(frame, 0, frameCount()); }

}  // namespace fg
