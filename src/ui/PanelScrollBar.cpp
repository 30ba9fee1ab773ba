#include "ui/PanelScrollBar.h"

namespace fg {
namespace {

// The custom panels' look: no step arrows, the thumb alone on the strip.
constexpr auto kStyle = R"(
QScrollBar:vertical { background: black; width: 14px; margin: 0px; border: none; }
QScrollBar::handle:vertical { background: rgb(120, 120, 120); border-radius: 4px; margin: 1px 3px; min-height: 16px; }
QScrollBar::handle:vertical:hover, QScrollBar::handle:vertical:pressed { background: rgb(190, 190, 190); }
QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; border: none; background: none; }
QScrollBar::up-arrow:vertical, QScrollBar::down-arrow:vertical { height: 0px; width: 0px; background: none; }
QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }
)";

}  // namespace

PanelScrollBar::PanelScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    setStyleSheet(QString::fromLatin1(kStyle));
    setFocusPolicy(Qt::NoFocus);
    setVisible(false);
    connect(this, &QScrollBar::rangeChanged, this, [this](int min, int max) { setVisible(max > min); });
}

}  // namespace fg
