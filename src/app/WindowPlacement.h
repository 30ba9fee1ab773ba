#pragma once
// The main window's geometry as data.prm keeps it, and the two rules around
// it: where a stored geometry opens, and what closing writes back. Pure
// functions over plain rectangles, so they are tested without a display.

#include <span>

namespace fg::app {

struct WindowGeometry {
    int x = 0;  // the outer window's left edge, screen pixels
    int y = 0;  // the outer window's top edge
    int width = 1200;  // the client area, pixels
    int height = 720;
    bool zoomed = false;  // opens maximised
    bool operator==(const WindowGeometry&) const = default;
};

struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool contains(long long px, long long py) const;
};

// The geometry the window opens with: the stored one when its centre
// (X + WIDTH/2, Y + HEIGHT/2) lies on one of the screens, otherwise the same
// size at the top-left corner of the primary screen, which comes first in
// `screens` (as QGuiApplication::screens() lists them). No screens: unchanged.
WindowGeometry placeOnScreens(const WindowGeometry& stored, std::span<const ScreenRect> screens);

// What closing writes: the window's own geometry when it is not maximised;
// when it is, the normal geometry it had before (`stored`, the last normal
// one) with ZOOMED set, so that un-maximising after the next start gives the
// user's window back rather than a screen-sized one.
WindowGeometry closingGeometry(const WindowGeometry& stored, const WindowGeometry& current, bool maximised);

}  // namespace fg::app
