#pragma once
// The panel colour scheme: backgrounds, list areas and the selected row.
// Whoever reads the user's scheme fills this in; the defaults are the
// shipped ones.

#include <QColor>

class QWidget;

namespace fg {

struct PanelColours {
    QColor window{40, 40, 40};    // panel and dialog backgrounds
    QColor client{70, 70, 70};    // list and drawing areas inside panels
    QColor cursor{44, 70, 144};   // the highlight of the selected row
};

// Paints `widget` and everything in it in the scheme through its palette:
// Window the background, Base the list areas, Highlight the selected row,
// white text.
void applyPanelColours(QWidget* widget, const PanelColours& colours);

}  // namespace fg
