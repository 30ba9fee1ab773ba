// "消滅": when a node's particles die (m_kill).

#include <QCoreApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/Node.h"
#include "ui/pages/Pages.h"
#include "ui/pages/ParameterPage.h"

namespace fg {
namespace {

class KillPage : public ParameterPage {
    Q_DECLARE_TR_FUNCTIONS(fg::KillPage)

public:
    KillPage(Editor& editor, CurveOpener openCurve, QWidget* parent)
        : ParameterPage(editor, std::move(openCurve), parent) {
        setObjectName(QStringLiteral("killPage"));
        auto* page = new QVBoxLayout(this);
        page->setContentsMargins(6, 8, 6, 6);

        QGridLayout* grid = nullptr;
        QGroupBox* life = group(tr("寿命"), grid);
        grid->addWidget(number(FieldId::KillSpan, tr("パーティクルが発生してから消えるまでのフレーム数。")), 0, 0);
        grid->addWidget(label(tr("フレーム")), 0, 1, 1, 2);
        grid->addWidget(label(tr("（誤差")), 1, 0, Qt::AlignRight);
        grid->addWidget(number(FieldId::KillSpanErr, tr("パーティクルの寿命のばらつき。")), 1, 1);
        grid->addWidget(label(tr("％）")), 1, 2);
        grid->setColumnStretch(3, 1);
        page->addWidget(life);

        QGroupBox* frame = group(tr("絶対フレーム数"), grid);
        grid->addWidget(check(FieldId::KillIsFrame, QString(), tr("指定したフレームになるとパーティクルを消す。")), 0, 0);
        m_frame = number(FieldId::KillFrame, tr("パーティクルを消滅させるフレーム。"));
        grid->addWidget(m_frame, 0, 1);
        grid->addWidget(label(tr("フレーム")), 0, 2, 1, 2);
        m_frameErr = number(FieldId::KillFrameErr, tr("パーティクルを消滅させるフレームのばらつき。"));
        grid->addWidget(label(tr("（誤差")), 1, 0, 1, 1, Qt::AlignRight);
        grid->addWidget(m_frameErr, 1, 1);
        grid->addWidget(label(tr("％）")), 1, 2);
        grid->setColumnStretch(3, 1);
        page->addWidget(frame);

        QGroupBox* other = group(tr("その他"), grid);
        grid->addWidget(check(FieldId::KillIsLand, tr("着地で消滅"), tr("下方向に移動している時に高さ0になると消滅。")),
                        0, 0);
        page->addWidget(other);
        page->addStretch(1);
    }

protected:
    void refresh(const Node& node) override {
        m_frame->setEnabled(node.m_kill.isFrame != 0);
        m_frameErr->setEnabled(node.m_kill.isFrame != 0);
    }

private:
    QSpinBox* m_frame = nullptr;
    QSpinBox* m_frameErr = nullptr;
};

}  // namespace

ParameterPage* makeKillPage(Editor& editor, CurveOpener openCurve, QWidget* parent) {
    return new KillPage(editor, std::move(openCurve), parent);
}

}  // namespace fg
