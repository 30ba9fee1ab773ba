#include "ui/dialogs/ExportAdvancedGroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace fg {

ExportAdvancedGroup::ExportAdvancedGroup(const EngineExportOptions& choices, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("exportAdvanced"));
    m_toggle = new QToolButton;
    m_toggle->setObjectName(QStringLiteral("advancedToggle"));
    m_toggle->setText(tr("詳細設定（ゲームエンジン・Web向け）"));
    m_toggle->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toggle->setArrowType(Qt::RightArrow);
    m_toggle->setCheckable(true);
    m_toggle->setAutoRaise(true);

    m_meta = new QCheckBox(tr("シート情報ファイル（JSON）を書き出す"));
    m_meta->setObjectName(QStringLiteral("meta"));
    m_meta->setChecked(choices.metaJson);
    m_padding = new QSpinBox;
    m_padding->setObjectName(QStringLiteral("padding"));
    m_padding->setRange(0, kMaxExportPadding);
    m_padding->setValue(choices.padding);
    m_extrude = new QCheckBox(tr("余白に端のピクセルを伸ばす"));
    m_extrude->setObjectName(QStringLiteral("extrude"));
    m_extrude->setChecked(choices.extrude);
    m_pow2 = new QCheckBox(tr("シートの大きさを2のべき乗にする"));
    m_pow2->setObjectName(QStringLiteral("pow2"));
    m_pow2->setChecked(choices.pow2);
    m_loop = new QCheckBox(tr("継ぎ目なくループさせる"));
    m_loop->setObjectName(QStringLiteral("loop"));
    m_loop->setChecked(choices.loop);
    m_animated = new QCheckBox(tr("アニメーション（GIF/WebP/APNG/MP4/WebM）で保存"));
    m_animated->setObjectName(QStringLiteral("animated"));
    m_animated->setChecked(choices.animated);
    m_quality = new QSpinBox;
    m_quality->setObjectName(QStringLiteral("quality"));
    m_quality->setRange(-1, 100);
    m_quality->setSpecialValueText(tr("ロスレス"));
    m_quality->setValue(choices.quality);
    m_quality->setToolTip(tr("WebP: 「ロスレス」は劣化なし、0～100は非可逆圧縮の画質。\n"
                             "MP4/WebM: 0～100の画質。「ロスレス」のときは見た目に劣化のない既定値（68）。\n"
                             "APNGは常に劣化なし。"));

    m_body = new QWidget;
    m_body->setObjectName(QStringLiteral("advancedBody"));
    auto* grid = new QGridLayout(m_body);
    grid->setContentsMargins(16, 0, 0, 0);
    grid->addWidget(m_meta, 0, 0, 1, 3);
    grid->addWidget(new QLabel(tr("余白")), 1, 0);
    grid->addWidget(m_padding, 1, 1);
    grid->addWidget(new QLabel(tr("ピクセル")), 1, 2);
    grid->addWidget(m_extrude, 2, 0, 1, 3);
    grid->addWidget(m_pow2, 3, 0, 1, 3);
    grid->addWidget(m_loop, 4, 0, 1, 3);
    grid->addWidget(m_animated, 5, 0, 1, 3);
    grid->addWidget(new QLabel(tr("画質（WebP/MP4/WebM）")), 6, 0);
    grid->addWidget(m_quality, 6, 1);
    grid->setColumnStretch(1, 1);
    m_body->setVisible(false);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_toggle);
    column->addWidget(m_body);

    connect(m_toggle, &QToolButton::toggled, this, [this](bool open) {
        m_toggle->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
        m_body->setVisible(open);
    });
    for (QCheckBox* box : {m_meta, m_extrude, m_pow2, m_loop, m_animated}) {
        connect(box, &QCheckBox::toggled, this, [this] {
            refresh();
            emit changed();
        });
    }
    for (QSpinBox* box : {m_padding, m_quality}) {
        connect(box, &QSpinBox::valueChanged, this, [this] {
            refresh();
            emit changed();
        });
    }
    refresh();
}

void ExportAdvancedGroup::refresh() {
    // Choices that do not apply to what is chosen are shown but not editable.
    const bool animated = m_animated->isChecked();
    m_meta->setEnabled(!animated);
    m_padding->setEnabled(!animated);
    m_extrude->setEnabled(!animated && m_padding->value() > 0);
    m_pow2->setEnabled(!animated);
    m_quality->setEnabled(animated);
}

EngineExportOptions ExportAdvancedGroup::choices() const {
    EngineExportOptions choices;
    choices.animated = m_animated->isChecked();
    choices.loop = m_loop->isChecked();
    choices.quality = m_quality->value();
    choices.metaJson = m_meta->isChecked();
    choices.padding = m_padding->value();
    choices.extrude = m_extrude->isChecked();
    choices.pow2 = m_pow2->isChecked();
    return choices;
}

bool ExportAdvancedGroup::expanded() const { return m_toggle->isChecked(); }

}  // namespace fg
