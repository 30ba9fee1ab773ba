#pragma once
// The toolbar's pictures, drawn at start-up: one sheet of 17 cells of 48 × 35,
// the 16 buttons in toolbar order and then the play/pause button's face
// while paused, the normal faces in the upper row and the pressed faces in
// the lower one. The strip behind the buttons is made of columns 2–4.

#include <QImage>

namespace fg {

inline constexpr int kToolbarSheetWidth = 816;
inline constexpr int kToolbarSheetHeight = 70;

QImage drawToolbarSheet();
// The face of the button at toolbar position `position` (0 … 15), or the
// play/pause button's other face (kToolbarPlayFace).
QImage toolbarFace(const QImage& sheet, int position, bool pressed);
inline constexpr int kToolbarPlayFace = 16;
// Three pixels wide, 35 high: stretched across the window behind the buttons.
QImage toolbarStripPattern(const QImage& sheet);

}  // namespace fg
