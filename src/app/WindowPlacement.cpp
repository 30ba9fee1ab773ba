#include "app/WindowPlacement.h"

namespace fg::app {

bool ScreenRect::contains(long long px, long long py) const {
    return px >= x && py >= y && px < static_cast<long long>(x) + width && py < static_cast<long long>(y) + height;
}

WindowGeometry placeOnScreens(const WindowGeometry& stored, std::span<const ScreenRect> screens) {
    if (screens.empty()) return stored;
    // Wide arithmetic: a hand-edited file may hold values near the int range.
    const long long centreX = static_cast<long long>(stored.x) + stored.width / 2;
    const long long centreY = static_cast<long long>(stored.y) + stored.height / 2;
    for (const ScreenRect& screen : screens) {
        if (screen.contains(centreX, centreY)) return stored;
    }
    WindowGeometry moved = stored;
    moved.x = screens.front().x;
    moved.y = screens.front().y;
    return moved;
}

WindowGeometry closingGeometry(const WindowGeometry& stored, const WindowGeometry& current, bool maximised) {
    WindowGeometry written = maximised ? stored : current;
    written.zoomed = maximised;
    return written;
}

}  // namespace fg::app
