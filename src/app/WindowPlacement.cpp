#include "app/WindowPlacement.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace fg::app {
namespace {

constexpr std::array<RememberedWindow, 7> kRemembered{{
    {"PROJECT", "projectSettingsDialog", false},
    {"BACKGROUND", "backgroundColorDialog", false},
    {"CAMERA", "cameraDialog", false},
    {"EXPORT", "exportDialog", false},
    {kHistoryPlace, "historyWindow", true},
    {"CURVE", "curveWindow", true},
    {"VIEWLIST", "viewListWindow", true},
}};

}  // namespace

std::span<const RememberedWindow> rememberedWindows() { return kRemembered; }

std::optional<WindowPlace> parseWindowPlace(std::string_view text) {
    std::array<int, 4> values{};
    const char* at = text.data();
    const char* end = text.data() + text.size();
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            if (at == end || *at != ',') return std::nullopt;
            ++at;
        }
        const auto [next, error] = std::from_chars(at, end, values[i]);
        if (error != std::errc{}) return std::nullopt;
        at = next;
    }
    if (at != end || values[2] <= 0 || values[3] <= 0) return std::nullopt;
    return WindowPlace{values[0], values[1], values[2], values[3]};
}

std::string windowPlaceText(const WindowPlace& place) {
    return std::to_string(place.x) + ',' + std::to_string(place.y) + ',' + std::to_string(place.width) + ',' +
           std::to_string(place.height);
}

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

bool isReachable(const WindowPlace& place, std::span<const ScreenRect> screens) {
    if (place.width <= 0 || place.height <= 0) return false;
    const long long middleX = static_cast<long long>(place.x) + place.width / 2;
    // A few pixels down: the title bar, not the line above it.
    const long long topY = static_cast<long long>(place.y) + 8;
    return std::any_of(screens.begin(), screens.end(),
                       [&](const ScreenRect& screen) { return screen.contains(middleX, topY); });
}

WindowPlace besideMainWindow(const ScreenRect& main, int width, int height, const ScreenRect& screen) {
    const long long screenRight = static_cast<long long>(screen.x) + screen.width;
    const long long screenBottom = static_cast<long long>(screen.y) + screen.height;
    const long long mainRight = static_cast<long long>(main.x) + main.width;
    long long x = 0;
    if (mainRight + width <= screenRight) {
        x = mainRight;
    } else if (static_cast<long long>(main.x) - width >= screen.x) {
        x = static_cast<long long>(main.x) - width;
    } else {
        x = mainRight - width;
    }
    long long y = main.y;
    // Onto the screen: the far edges first, so that the near ones win.
    x = std::max<long long>(std::min(x, screenRight - width), screen.x);
    y = std::max<long long>(std::min(y, screenBottom - height), screen.y);
    return {static_cast<int>(x), static_cast<int>(y), width, height};
}

}  // namespace fg::app
