#include "ui/ExportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

#include "render/export/ExportSettings.h"

namespace fg {
namespace {

QSpinBox* spinBox(const char* name, int minimum, int maximum, int value) {
    auto* box = new QSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(minimum, std::max(minimum, maximum));
    box->setValue(value);
    return box;
}

}  // namespace

ExportDialog::ExportDialog(const WriteSettings& write, const ProjectSettings& project, QWidget* parent)
    : QDialog(parent), m_project(project), m_write(write) {
    setObjectName(QStringLiteral("exportDialog"));
    setWindowTitle(tr("書き出し"));
    normaliseExportSettings(m_write);
    const int frames = std::clamp(project.frame, 1, kMaxExportFrame);

    m_start = spinBox("start", 1, frames, m_write.start);
    m_end = spinBox("end", 1, frames, m_write.end);
    m_step = spinBox("step", 1, frames, m_write.step);
    m_layout = new QComboBox;
    m_layout->setObjectName(QStringLiteral("layout"));
    m_layout->addItem(tr("並べて保存"));
    m_layout->addItem(tr("複数ファイル"));
    m_layout->setCurrentIndex(m_write.type == 1 ? 1 : 0);
    m_columns = spinBox("columns", 1, frames, m_write.width);
    m_alpha = new QCheckBox(tr("背景を透明にする"));
    m_alpha->setObjectName(QStringLiteral("alpha"));
    m_alpha->setChecked(m_write.isAlpha != 0);
    m_smooth = spinBox("smooth", kMinSmooth, kMaxSmooth, m_write.smooth);
    m_info = new QLabel;
    m_info->setObjectName(QStringLiteral("info"));

    auto* form = new QFormLayout;
    form->addRow(tr("開始フレーム"), m_start);
    form->addRow(tr("終了フレーム"), m_end);
    form->addRow(tr("フレーム毎"), m_step);
    form->addRow(tr("配置"), m_layout);
    form->addRow(tr("横（フレーム）"), m_columns);
    form->addRow(tr("滑らかさ"), m_smooth);
    form->addRow(QString(), m_alpha);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("ok"));
    buttons->addButton(tr("キャンセル"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ExportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_info);
    layout->addWidget(buttons);

    for (QSpinBox* box : {m_start, m_end, m_step}) {
        connect(box, &QSpinBox::valueChanged, this, &ExportDialog::rangeChanged);
    }
    m_proposedFor = {m_start->value(), m_end->value(), m_step->value()};
    connect(m_columns, &QSpinBox::valueChanged, this, &ExportDialog::refresh);
    connect(m_layout, &QComboBox::currentIndexChanged, this, &ExportDialog::refresh);
    refresh();
}

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
    if (const auto error = validateExportRange(settings(), m_project.frame)) {
        QMessageBox::warning(this, tr(error->caption.c_str()), tr(error->message.c_str()));
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
        m_columns->setValue(proposedColumns(m_start->value(), m_end->value(), m_step->value()));
    }
    refresh();
}

void ExportDialog::refresh() {
    m_columns->setEnabled(m_layout->currentIndex() == 0);
    m_info->setText(QString::fromStdString(exportInfoLine(settings(), m_project)));
}

}  // namespace fg
