#include "ui/dialogs/CameraDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/Editor.h"
#include "ui/dialogs/DialogParts.h"

namespace fg {
namespace {

float& coordinate(CameraPlacement& camera, int index) {
    Vec3f& point = index < 3 ? camera.eye : camera.target;
    switch (index % 3) {
    case 0: return point.x;
    case 1: return point.y;
    default: return point.z;
    }
}

constexpr std::array<const char*, 6> kBoxNames{"eyeX", "eyeY", "eyeZ", "targetX", "targetY", "targetZ"};

}  // namespace

CameraDialog::CameraDialog(Editor& editor, QWidget* parent) : QDialog(parent), m_editor(editor) {
    setObjectName(QStringLiteral("cameraDialog"));
    setWindowTitle(tr("カメラの設定"));
    CameraPlacement camera = editor.state().camera;

    const std::array<QString, 3> rowLabels{tr("左右"), tr("上下"), tr("前後")};
    const std::array<QString, 2> groupTitles{tr("カメラ位置（視点）"), tr("注視点（焦点）")};
    auto* layout = new QVBoxLayout(this);
    for (int group = 0; group < 2; ++group) {
        auto* box = new QGroupBox(groupTitles[static_cast<std::size_t>(group)]);
        auto* grid = new QGridLayout(box);
        for (int row = 0; row < 3; ++row) {
            const int index = group * 3 + row;
            QSpinBox* spin = numberBox(kBoxNames[static_cast<std::size_t>(index)], kCameraTenthsRange,
                                       tenthsOf(coordinate(camera, index)));
            spin->setToolTip(tr("0.1単位"));
            m_boxes[static_cast<std::size_t>(index)] = spin;
            grid->addWidget(new QLabel(rowLabels[static_cast<std::size_t>(row)]), row, 0);
            grid->addWidget(spin, row, 1);
        }
        grid->setColumnStretch(1, 1);
        layout->addWidget(box);
    }
    QDialogButtonBox* buttons = dialogButtons(this, false);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    fitTitle(this);

    for (int index = 0; index < 6; ++index) {
        connect(m_boxes[static_cast<std::size_t>(index)], &QSpinBox::valueChanged, this,
                [this, index](int tenths) { coordinateChanged(index, tenths); });
    }
    connect(&editor, &Editor::documentChanged, this, [this](DocumentChanges what) {
        if (what & DocumentPart::Camera) showCamera();
    });
    chainTabOrder({m_boxes[0], m_boxes[1], m_boxes[2], m_boxes[3], m_boxes[4], m_boxes[5],
                   buttons->findChild<QWidget*>(QStringLiteral("ok"))});
}

void CameraDialog::showCamera() {
    CameraPlacement camera = m_editor.state().camera;
    for (int index = 0; index < 6; ++index) {
        QSpinBox* box = m_boxes[static_cast<std::size_t>(index)];
        if (box->hasFocus()) continue;
        const QSignalBlocker quiet(box);
        box->setValue(tenthsOf(coordinate(camera, index)));
    }
}

void CameraDialog::coordinateChanged(int index, int tenths) {
    // Only the edited coordinate: the others stay where the mouse or the
    // view list has put them meanwhile.
    CameraPlacement camera = m_editor.state().camera;
    coordinate(camera, index) = static_cast<float>(tenths) / 10.0f;
    m_editor.viewSettings().setCameraPlacement(camera.eye, camera.target);
}

}  // namespace fg
