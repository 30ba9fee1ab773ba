#pragma once
// "カメラの設定": the camera's position and target in tenths of a unit. Every
// change goes to the view at once. Modeless; the window keeps one at a time.

#include <QDialog>
#include <array>

class QSpinBox;

namespace fg {

class Editor;

class CameraDialog : public QDialog {
    Q_OBJECT
public:
    CameraDialog(Editor& editor, QWidget* parent = nullptr);

    // 0..2 position x, y, z; 3..5 target x, y, z.
    QSpinBox* coordinateBox(int index) const { return m_boxes[static_cast<std::size_t>(index)]; }

private:
    void coordinateChanged(int index, int tenths);
    // The camera placed from elsewhere (the mouse in the view, the view
    // list): the numbers follow, except the one being typed.
    void showCamera();

    Editor& m_editor;
    std::array<QSpinBox*, 6> m_boxes{};
};

}  // namespace fg
