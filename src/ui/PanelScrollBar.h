#pragma once
// The panels' vertical scrollbar: a thin rounded thumb on a black strip, no
// arrow buttons, lighter under the mouse and while dragged. It hides itself
// while the content fits (an empty range, the offset then 0) and comes back
// when the content outgrows the panel.

#include <QScrollBar>

namespace fg {

class PanelScrollBar : public QScrollBar {
    Q_OBJECT

public:
    static constexpr int kWidth = 14;

    explicit PanelScrollBar(QWidget* parent = nullptr);
};

}  // namespace fg
