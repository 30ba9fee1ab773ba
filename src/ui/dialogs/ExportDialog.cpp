#include "ui/dialogs/ExportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/Editor.h"
#include "render/export/ExportSettings.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/ExportAdvancedGroup.h"
#include "ui/dialogs/ExportPreview.h"
#include "text/Format.h"

namespace fg {

ExportDialog::ExportDialog(Editor& editor, QWidget* parent, const EngineExportOptions& choices)
    : QDialog(parent), m_editor(editor) {
    setObjectName(QStringLiteral("exportDialog"));
    setWindowTitle(tr("書き出し"));
    const EditorState& g = editor.state();
    m_write = g.write;
    normaliseExportSettings(m_write);
    m_frames = std::clamp(g.project.frame, 1, kMaxExportFrame);

    m_start = numberBox("start", {1, m_frames - 1}, m_write.start);
    m_end = numberBox("end", {1, m_frames}, m_write.end);
    m_step = numberBox("step", {1, m_frames}, m_write.step);
    m_layout = new QComboBox;
    m_layout->setObjectName(QStringLiteral("layout"));
    m_layout->addItem(tr("並べて保存"));
    m_layout->addItem(tr("複数ファイル"));
    m_layout->setCurrentIndex(m_write.type == 1 ? 1 : 0);
    m_columns = numberBox("columns", {1, m_frames}, m_write.width);
    m_width = numberBox("frameWidth", {kMinFrameSize, kMaxFrameSize}, g.project.width);
    m_height = numberBox("frameHeight", {kMinFrameSize, kMaxFrameSize}, g.project.height);
    m_alpha = new QCheckBox(tr("背景を透明にする"));
    m_alpha->setObjectName(QStringLiteral("alpha"));
    m_alpha->setChecked(m_write.isAlpha != 0);
    m_smooth = numberBox("smooth", {kMinSmooth, kMaxSmooth}, m_write.smooth);
    m_advanced = new ExportAdvancedGroup(choices);
    m_preview = new ExportPreview;
    m_info = new QLabel;
    m_info->setObjectName(QStringLiteral("info"));
    m_info->setAlignment(Qt::AlignCenter);
    // A refusal of the range is longer than a count: wrapped, it leaves the dialog's width alone.
    m_info->setWordWrap(true);

    auto* frames = new QGroupBox(tr("書き出しフレーム"));
    auto* framesGrid = new QGridLayout(frames);
    framesGrid->addWidget(m_start, 0, 0);
    framesGrid->addWidget(new QLabel(tr("～")), 0, 1);
    framesGrid->addWidget(m_end, 0, 2);
    framesGrid->addWidget(new QLabel(tr("フレーム目")), 0, 3);
    framesGrid->addWidget(m_step, 1, 2);
    framesGrid->addWidget(new QLabel(tr("フレーム毎")), 1, 3);

    auto* placement = new QGroupBox(tr("配置 "));
    auto* placementGrid = new QGridLayout(placement);
    placementGrid->addWidget(m_layout, 0, 0, 1, 3);
    placementGrid->addWidget(new QLabel(tr("横")), 1, 0);
    placementGrid->addWidget(m_columns, 1, 1);
    placementGrid->addWidget(new QLabel(tr("フレーム")), 1, 2);
    placementGrid->setColumnStretch(1, 1);

    auto* resolution = new QGroupBox(tr("１フレームの解像度"));
    auto* resolutionGrid = new QGridLayout(resolution);
    resolutionGrid->addWidget(new QLabel(tr("幅")), 0, 0);
    resolutionGrid->addWidget(m_width, 0, 1);
    resolutionGrid->addWidget(new QLabel(tr("高さ")), 1, 0);
    resolutionGrid->addWidget(m_height, 1, 1);
    resolutionGrid->setColumnStretch(1, 1);

    auto* options = new QGroupBox(tr("オプション"));
    auto* optionsGrid = new QGridLayout(options);
    optionsGrid->addWidget(m_alpha, 0, 0, 1, 2);
    optionsGrid->addWidget(new QLabel(tr("滑らかさ")), 1, 0);
    optionsGrid->addWidget(m_smooth, 1, 1);
    optionsGrid->setColumnStretch(1, 1);

    auto* previewGroup = new QGroupBox(tr("プレビュー"));
    auto* previewColumn = new QVBoxLayout(previewGroup);
    previewColumn->addWidget(m_preview, 1);
    previewColumn->addWidget(m_info);

    QDialogButtonBox* buttons = dialogButtons(this);
    auto* left = new QVBoxLayout;
    left->addWidget(frames);
    left->addWidget(placement);
    left->addWidget(resolution);
    left->addWidget(options);
    left->addWidget(m_advanced);
    left->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(previewGroup, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);

    chainTabOrder({m_start, m_end, m_step, m_layout, m_columns, m_width, m_height, m_alpha, m_smooth,
                   m_advanced->toggle(), m_advanced->metaBox(), m_advanced->paddingBox(), m_advanced->extrudeBox(),
                   m_advanced->pow2Box(), m_advanced->loopBox(), m_advanced->animatedBox(), m_advanced->qualityBox(),
                   buttons->findChild<QWidget*>(QStringLiteral("ok")),
                   buttons->findChild<QWidget*>(QStringLiteral("cancel"))});

    for (QSpinBox* box : {m_start, m_end, m_step}) {
        connect(box, &QSpinBox::valueChanged, this, &ExportDialog::rangeChanged);
    }
    m_proposedFor = {m_start->value(), m_end->value(), m_step->value()};
    for (QSpinBox* box : {m_columns, m_width, m_height, m_smooth}) {
        connect(box, &QSpinBox::valueChanged, this, &ExportDialog::changed);
    }
    connect(m_layout, &QComboBox::currentIndexChanged, this, &ExportDialog::changed);
    connect(m_alpha, &QCheckBox::toggled, this, &ExportDialog::changed);
    refresh();
    m_start->setFocus();
}

EngineExportOptions ExportDialog::choices() const { return m_advanced->choices(); }

WriteSettings ExportDialog::settings() const {
    WriteSettings write = m_write;
    write.start = m_start->value();
    write.end = m_end->value();
    write.step = m_step->value();
    write.type = m_layout->currentIndex() == 1 ? 1 : 0;
    write.width = m_columns->value();
    write.isAlpha = m_alpha->isChecked() ? 1 : 0;
    write.smooth = m_smooth->value();
    return write;
}

void ExportDialog::accept() {
    // Text still being typed counts as typed: clamped to its range.
    for (QSpinBox* box : {m_start, m_end, m_step, m_columns, m_width, m_height, m_smooth}) box->interpretText();
    if (const auto error = validateExportRange(settings(), m_frames)) {
        QMessageBox::warning(this, text::format(error->caption), text::format(error->message));
        return;
    }
    QDialog::accept();
}

void ExportDialog::rangeChanged() {
    // A sheet gets a near-square layout proposed for the new range.
    const std::array<int, 3> range{m_start->value(), m_end->value(), m_step->value()};
    const bool moved = range != m_proposedFor;
    m_proposedFor = range;
    if (moved && m_layout->currentIndex() == 0) {
        const QSignalBlocker quiet(m_columns);  // one change, told once below
        m_columns->setValue(proposedColumns(m_start->value(), m_end->value(), m_step->value()));
    }
    changed();
}

void ExportDialog::changed() {
    m_editor.viewSettings().setExportSettings(settings(), m_width->value(), m_height->value());
    refresh();
}

void ExportDialog::refresh() {
    const WriteSettings shown = settings();
    ProjectSettings frame = m_editor.state().project;
    frame.width = m_width->value();
    frame.height = m_height->value();
    m_columns->setEnabled(shown.type == 0);
    m_info->setText(text::format(exportInfoLine(shown, frame)));
    const int images = exportImageCount(shown.start, shown.end, shown.step);
    m_preview->showLayout(images, shown.width, sheetRows(images, shown.width, shown.start, shown.end), frame.width,
                          frame.height, shown.type == 1);
}

}  // namespace fg
