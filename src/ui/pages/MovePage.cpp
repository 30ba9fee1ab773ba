// "移動": direction, speed, attraction and gravity (m_move, curve 9).

#include <QCoreApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/Node.h"
#include "ui/HoverHelp.h"
#include "ui/pages/CurveThumbnail.h"
#include "ui/pages/DirectionPicker.h"
#include "ui/pages/Pages.h"
#include "ui/pages/ParameterPage.h"

namespace fg {
namespace {

class MovePage : public ParameterPage {
    Q_DECLARE_TR_FUNCTIONS(fg::MovePage)

public:
    MovePage(Editor& editor, CurveOpener openCurve, QWidget* parent)
        : ParameterPage(editor, std::move(openCurve), parent) {
        setObjectName(QStringLiteral("movePage"));
        auto* page = new QVBoxLayout(this);
        page->setContentsMargins(6, 8, 6, 6);

        QGridLayout* grid = nullptr;
        QGroupBox* direction = group(tr("方向"), grid);
        QCheckBox* oneWay = check(FieldId::MoveIsOneWay, tr("一方向"), tr("発射方向を指定する場合はチェック。"));
        grid->addWidget(oneWay, 0, 0, 1, 3);
        m_box = new DirectionBox(editor, this);
        HoverHelp::setHelpText(m_box, tr("パーティクルの発射する方向。"));
        grid->addWidget(m_box, 1, 0, 1, 3);
        grid->addWidget(label(tr("(誤差")), 2, 0, Qt::AlignRight);
        grid->addWidget(number(FieldId::MoveOnewayErr, tr("パーティクルの発射する方向のばらつき。")), 2, 1);
        grid->addWidget(label(tr("度)")), 2, 2);
        grid->setColumnStretch(3, 1);
        page->addWidget(direction);
        connect(oneWay, &QAbstractButton::clicked, this, [this] {
            m_box->update();
            if (m_picker != nullptr) m_picker->close();
        });
        connect(m_box, &DirectionBox::clicked, this, [this] { openPicker(); });

        QGroupBox* speed = group(QString(), grid);
        grid->addWidget(label(tr("速度")), 0, 0);
        grid->addWidget(number(FieldId::MoveSpeed, tr("パーティクルの最大移動速度。")), 0, 1);
        grid->addWidget(curve(kCurveSpeed, QString(), tr("パーティクルの移動速度の変化。")), 1, 0, 1, 4);
        grid->addWidget(label(tr("(誤差")), 2, 0, Qt::AlignRight);
        grid->addWidget(number(FieldId::MoveSpeedErr, tr("パーティクルの移動速度のばらつき。")), 2, 1);
        grid->addWidget(label(tr("％)")), 2, 2);
        grid->setColumnStretch(3, 1);
        page->addWidget(speed);

        QGroupBox* absorb = group(tr("吸引"), grid);
        // Tenths of a world unit, as typed.
        grid->addWidget(number(FieldId::MoveAbsorbPosX, tr("パーティクルが吸い込まれる位置（左右）。")), 0, 0);
        grid->addWidget(number(FieldId::MoveAbsorbPosY, tr("パーティクルが吸い込まれる位置（上下）。")), 0, 1);
        grid->addWidget(number(FieldId::MoveAbsorbPosZ, tr("パーティクルが吸い込まれる位置（前後）。")), 0, 2);
        auto* power = new QHBoxLayout;
        power->addWidget(label(tr("パワー")));
        power->addWidget(number(FieldId::MoveAbsorbPawer, tr("パーティクルが吸い込まれる強さ。")));
        power->addStretch(1);
        grid->addLayout(power, 1, 0, 1, 3);
        page->addWidget(absorb);

        QGroupBox* other = group(tr("その他"), grid);
        grid->addWidget(label(tr("重力")), 0, 0);
        grid->addWidget(number(FieldId::MoveGravity, tr("落下する強さ。")), 0, 1);
        grid->addWidget(check(FieldId::MoveIsFollow, tr("親に追従"), tr("チェックを入れると親パーティクルについていく。")), 1,
                        0, 1, 3);
        grid->setColumnStretch(2, 1);
        page->addWidget(other);
        page->addStretch(1);
    }

    DirectionPicker* picker() const { return m_picker; }

protected:
    void refresh(const Node& node) override {
        m_box->setEnabled(node.m_move.isOneWay != 0);
        m_box->update();
        if (m_picker != nullptr) m_picker->fill();
    }

private:
    void openPicker() {
        const Node* selected = node();
        if (selected == nullptr || selected->m_move.isOneWay == 0) return;
        if (m_picker == nullptr) {
            m_picker = new DirectionPicker(editor(), this);
            m_picker->setWindowFlag(Qt::Tool);
            m_picker->setPalette(paletteForWindow(this));
            connect(m_picker, &DirectionPicker::directionChanged, m_box, qOverload<>(&QWidget::update));
        }
        m_picker->show();
        m_picker->raise();
        m_picker->activateWindow();
    }

    DirectionBox* m_box = nullptr;
    QPointer<DirectionPicker> m_picker;
};

}  // namespace

ParameterPage* makeMovePage(Editor& editor, CurveOpener openCurve, QWidget* parent) {
    return new MovePage(editor, std::move(openCurve), parent);
}

}  // namespace fg
