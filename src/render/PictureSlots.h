#pragma once
// The hand-over of finished scene pictures from the thread that draws them
// to the view that shows them: three places, one being shown, one waiting
// to be shown and one being drawn, so neither side ever waits for the
// other. A newer finished picture replaces the waiting one (newest wins).

#include <QImage>

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>

#include "render/FrameSnapshot.h"

namespace fg {

// A finished picture of the particles, the background and the grid.
struct ScenePicture {
    int slot = -1;
    // Its pixels, top row first. The view copies them into a texture of its
    // own: the two threads' GL contexts share nothing, since a software GL
    // does not survive two threads drawing in one share group.
    QImage pixels;
    int width = 1;  // pixels drawn
    int height = 1;
    int viewWidth = 1;  // the view size it was drawn for
    int viewHeight = 1;
    int divisor = 1;  // width is about viewWidth / divisor
    std::uint64_t number = 0;  // counts the pictures drawn, from 1
    double costMs = 0.0;
    std::shared_ptr<const FrameSnapshot> snapshot;
};

class PictureSlots {
public:
    static constexpr int kSlots = 3;

    // Drawing side: a slot that is neither shown nor waiting to be shown.
    int slotToDraw() const;
    // Drawing side: the picture in `picture.slot` is finished.
    void finished(ScenePicture picture);
    // Showing side: the newest finished picture, whose slot stays untouched
    // until the next call; none before the first.
    std::optional<ScenePicture> show();
    // Whether a finished picture has not been shown yet.
    bool waiting() const;
    // Forgets every picture (the drawing side's targets are gone).
    void clear();

private:
    mutable std::mutex m_mutex;
    std::optional<ScenePicture> m_newest;
    int m_shown = -1;
};

}  // namespace fg
