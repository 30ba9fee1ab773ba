#include "ui/dialogs/ProjectSettingsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/Editor.h"
#include "ui/dialogs/DialogParts.h"

namespace fg {
namespace {

// A group with one number and its unit.
QGroupBox* numberGroup(const QString& title, QSpinBox* box, const QString& unit) {
    auto* group = new QGroupBox(title);
    auto* row = new QHBoxLayout(group);
    row->addWidget(box, 1);
    row->addWidget(new QLabel(unit));
    return group;
}

}  // namespace

ProjectSettingsDialog::ProjectSettingsDialog(Editor& editor, QWidget* parent) : QDialog(parent), m_editor(editor) {
    setObjectName(QStringLiteral("projectSettingsDialog"));
    setWindowTitle(tr("プロジェクトの設定"));
    const ProjectSettingsChoice current = projectSettingsChoice(editor.state().project);

    m_frame = numberBox("frame", kFrameCountRange, current.frame);
    m_fps = numberBox("fps", kFpsRange, current.fps);
    m_width = numberBox("width", kProjectSizeRange, current.width);
    m_height = numberBox("height", kProjectSizeRange, current.height);
    m_sort = new QCheckBox(tr("Zソート"));
    m_sort->setObjectName(QStringLiteral("sort"));
    m_sort->setChecked(current.sort);
    m_reverse = new QCheckBox(tr("レンダリング順逆転"));
    m_reverse->setObjectName(QStringLiteral("reverse"));
    m_reverse->setChecked(current.reverse);

    auto* size = new QGroupBox(tr("書き出しサイズ"));
    auto* sizeGrid = new QGridLayout(size);
    sizeGrid->addWidget(new QLabel(tr("幅")), 0, 0);
    sizeGrid->addWidget(m_width, 0, 1);
    sizeGrid->addWidget(new QLabel(tr("ピクセル")), 0, 2);
    sizeGrid->addWidget(new QLabel(tr("高さ")), 1, 0);
    sizeGrid->addWidget(m_height, 1, 1);
    sizeGrid->addWidget(new QLabel(tr("ピクセル")), 1, 2);
    sizeGrid->setColumnStretch(1, 1);

    auto* options = new QGroupBox(tr("表示オプション"));
    auto* optionRows = new QVBoxLayout(options);
    optionRows->addWidget(m_sort);
    optionRows->addWidget(m_reverse);

    QDialogButtonBox* buttons = dialogButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(numberGroup(tr("フレーム数"), m_frame, tr("フレーム")));
    layout->addWidget(numberGroup(tr("プレビュー速度"), m_fps, tr("FPS")));
    layout->addWidget(size);
    layout->addWidget(options);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    fitTitle(this);

    chainTabOrder({m_frame, m_fps, m_width, m_height, m_sort, m_reverse, buttons->findChild<QWidget*>(QStringLiteral("ok")),
                   buttons->findChild<QWidget*>(QStringLiteral("cancel"))});
    m_frame->setFocus();
    m_frame->selectAll();
}

ProjectSettingsChoice ProjectSettingsDialog::choice() const {
    return ProjectSettingsChoice{m_frame->value(), m_fps->value(),       m_width->value(),
                                 m_height->value(), m_sort->isChecked(), m_reverse->isChecked()};
}

void ProjectSettingsDialog::accept() {
    // Text still being typed counts as typed: clamped to its range.
    for (QSpinBox* box : {m_frame, m_fps, m_width, m_height}) box->interpretText();
    m_editor.viewSettings().setProjectSettings(choice());
    QDialog::accept();
}

}  // namespace fg
