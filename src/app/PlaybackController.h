#pragma once
// The preview's time: play and pause, single steps, jumps, the playback
// speed and the loop preview. A part of the Editor (editor.playback()); the
// preview worker carries the requests out on its own thread, so none of
// these waits for a frame to be simulated.
//
// Frames are places on the timeline: steps simulated since the pass began,
// 0 to the project's frame count; frame F is the picture
// `fulgrane3d-cli render --frame F` draws. Nothing here is part of the
// document: it marks nothing modified and records no history.

#include <QObject>
#include <cstdint>

#include "simulation/PlaybackControl.h"

namespace fg {

class Editor;

class PlaybackController : public QObject {
    Q_OBJECT

public:
    PlaybackController(Editor& editor, PlaybackControl& control);

    bool isPlaying() const { return m_control.playing(); }
    void play();
    void pause();
    void togglePlaying();
    // One frame on or back from the frame shown; pauses first.
    void stepForward();
    void stepBack();
    // Frame 0, and the last frame of the export range (both pause).
    void jumpToStart();
    void jumpToEnd();
    // Any frame, clamped to 0..frameCount(); playing goes on from there.
    void jumpTo(int frame);

    PlaybackSpeed speed() const { return m_control.speed(); }
    void setSpeed(PlaybackSpeed speed);

    // Plays the effect as `export --loop` exports it: the particles alive at
    // the end of a pass carry on into the next. Restarts the preview.
    bool loopPreview() const;
    void setLoopPreview(bool loop);

    // The project's frame count and export range, as the timeline draws them.
    int frameCount() const;
    int exportStart() const;
    int exportEnd() const;
    int exportStep() const;

    // The frame of the picture the view shows last.
    int currentFrame() const { return m_current; }
    // The view drew a picture of `frame` (UI thread).
    void frameShown(int frame);

signals:
    // Playing or paused, the speed or the loop preview changed.
    void playbackChanged();
    // The view shows another frame.
    void frameChanged(int frame);

private:
    int clamped(int frame) const;

    Editor& m_editor;
    PlaybackControl& m_control;
    int m_current = 0;
};

}  // namespace fg
