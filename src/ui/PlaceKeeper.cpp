#include "ui/PlaceKeeper.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "ui/StartUp.h"

namespace fg {
namespace {

app::ScreenRect rectOf(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }

// Puts the window's frame, not its inside, at `corner`. The window exists by
// now but its frame does not: a widget move would put the inside there and
// the title bar above it.
void moveFrameTo(QWidget* window, QPoint corner) {
    window->move(corner);
    if (QWindow* handle = window->windowHandle()) {
        // Its size first: a size still to be given to it would be given with
        // a geometry that puts the inside at the corner again.
        handle->resize(window->size());
        handle->setFramePosition(corner);
    }
}

}  // namespace

PlaceKeeper::PlaceKeeper(QWidget* main) : QObject(main), m_main(main) {
    // The dialogs are made and shown anywhere in the program: one filter sees them all.
    QCoreApplication::instance()->installEventFilter(this);
}

PlaceKeeper::~PlaceKeeper() {
    if (QCoreApplication::instance() != nullptr) QCoreApplication::instance()->removeEventFilter(this);
}

const app::RememberedWindow* PlaceKeeper::rememberedAs(const QWidget* window) const {
    if (m_main == nullptr || !window->isWindow() || window == m_main) return nullptr;
    const QWidget* owner = window->parentWidget();
    if (owner == nullptr || owner->window() != m_main) return nullptr;
    const QString name = window->objectName();
    for (const app::RememberedWindow& remembered : app::rememberedWindows()) {
        if (name == QLatin1StringView(remembered.objectName.data(), static_cast<qsizetype>(remembered.objectName.size()))) {
            return &remembered;
        }
    }
    return nullptr;
}

void PlaceKeeper::place(QWidget* window, const app::RememberedWindow& remembered) {
    const auto found = m_places.find(remembered.key);
    if (found != m_places.end() && app::isReachable(found->second, screenRects())) {
        const app::WindowPlace& was = found->second;
        if (remembered.keepsSize) window->resize(was.width, was.height);
        moveFrameTo(window, {was.x, was.y});
        return;
    }
    if (remembered.key != app::kHistoryPlace) return;  // the others open where they always did
    // The first time: beside the main window, its frame taken as the new one's.
    const QRect outer = m_main->frameGeometry();
    const QSize frame = outer.size() - m_main->geometry().size();
    const QScreen* screen = m_main->screen();
    if (screen == nullptr) return;
    const app::WindowPlace beside =
        app::besideMainWindow(rectOf(outer), window->width() + frame.width(), window->height() + frame.height(),
                              rectOf(screen->availableGeometry()));
    moveFrameTo(window, {beside.x, beside.y});
}

void PlaceKeeper::record(const QWidget* window, const app::RememberedWindow& remembered, QEvent::Type type) {
    const auto [found, added] = m_places.try_emplace(std::string(remembered.key));
    app::WindowPlace& place = found->second;
    // A move says where the window is, a resize how large: each keeps to its
    // own, so that a window system's late report of one cannot undo the other.
    if (added || type == QEvent::Move) {
        place.x = window->x();
        place.y = window->y();
    }
    if (added || type == QEvent::Resize) {
        place.width = window->width();
        place.height = window->height();
    }
}

bool PlaceKeeper::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize) ||
        !watched->isWidgetType()) {
        return false;
    }
    auto* window = static_cast<QWidget*>(watched);
    const app::RememberedWindow* remembered = rememberedAs(window);
    if (remembered == nullptr) return false;
    if (type == QEvent::Show) {
        // Sent before the window reaches the screen: it appears in its place.
        place(window, *remembered);
    } else if (window->isVisible() && !window->isMinimized() && !window->isMaximized()) {
        // Moves made before it shows are its default place, not the user's.
        record(window, *remembered, type);
    }
    return false;
}

}  // namespace fg
