#pragma once
// The panel colour scheme: backgrounds, list areas and the selected row.
// Whoever reads the user's scheme fills this in; the defaults are the
// shipped ones.

#include <QColor>
#include <QPalette>

class QWidget;

namespace fg {

struct PanelColours {
    QColor window{40, 40, 40};    // panel and dialog backgrounds
    QColor client{70, 70, 70};    // list and drawing areas inside panels
    QColor cursor{44, 70, 144};   // the highlight of the selected row
};

// `base` in the scheme: Window the background, Base the list areas,
// Highlight the selected row, white text (grey when disabled).
QPalette panelPalette(const PanelColours& colours, QPalette base = QPalette());

// Paints `widget` and everything in it in the scheme through its palette.
void applyPanelColours(QWidget* widget, const PanelColours& colours);

// Makes the scheme the whole application's: every window opened from now
// on, the standard message boxes and the file and colour dialogs included,
// is drawn in it, by a style that follows the palette on every desktop.
void applyApplicationColours(const PanelColours& colours);

}  // namespace fg
