// "発生": when and how many particles a node spawns (m_timing).

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/Node.h"
#include "ui/pages/Pages.h"
#include "ui/pages/ParameterPage.h"

namespace fg {
namespace {

class TimingPage : public ParameterPage {
    Q_DECLARE_TR_FUNCTIONS(fg::TimingPage)

public:
    TimingPage(Editor& editor, CurveOpener openCurve, QWidget* parent)
        : ParameterPage(editor, std::move(openCurve), parent) {
        setObjectName(QStringLiteral("timingPage"));
        auto* page = new QVBoxLayout(this);
        page->setContentsMargins(6, 8, 6, 6);

        QGridLayout* grid = nullptr;
        QGroupBox* period = group(tr("期間"), grid);
        const std::vector<QRadioButton*> types =
            radios(FieldId::TimingType, {tr("絶対フレーム数"), tr("親のフレーム数"), tr("親の消滅時")},
                   {tr("発生するタイミングをエフェクト開始からのフレーム数で指定する。"),
                    tr("発生するタイミングを親パーティクルが発生してからのフレーム数で指定する。"),
                    tr("親パーティクルが消滅する時に、このパーティクルを発生させる。")});
        for (int i = 0; i < 3; ++i) grid->addWidget(types[static_cast<std::size_t>(i)], i, 0, 1, 4);
        m_start = number(FieldId::TimingStart, tr("パーティクルが発生し始めるフレーム。"));
        m_end = number(FieldId::TimingEnd, tr("パーティクルが発生し終えるフレーム。"));
        grid->addWidget(m_start, 3, 0);
        grid->addWidget(label(tr("～")), 3, 1);
        grid->addWidget(m_end, 3, 2);
        grid->addWidget(label(tr("フレーム")), 3, 3);
        page->addWidget(period);

        QGroupBox* frequency = group(tr("頻度"), grid);
        m_often = number(FieldId::TimingOften, tr("何フレームに１回の頻度でパーティクルを発生させるか。"));
        grid->addWidget(m_often, 0, 0);
        grid->addWidget(label(tr("ﾌﾚｰﾑに1回")), 0, 1, 1, 2);
        m_oftenErr = number(FieldId::TimingOftenErr, tr("パーティクルの発生頻度のばらつき。"));
        grid->addWidget(label(tr("（誤差")), 1, 0, Qt::AlignRight);
        grid->addWidget(m_oftenErr, 1, 1);
        grid->addWidget(label(tr("％）")), 1, 2);
        grid->setColumnStretch(3, 1);
        page->addWidget(frequency);

        QGroupBox* count = group(tr("個数"), grid);
        grid->addWidget(number(FieldId::TimingNum, tr("１度に何個ずつパーティクルを発生させるか。")), 0, 0);
        grid->addWidget(label(tr("個ずつ")), 0, 1, 1, 2);
        grid->addWidget(label(tr("（誤差")), 1, 0, Qt::AlignRight);
        grid->addWidget(number(FieldId::TimingNumErr, tr("１度に発生するパーティクル個数のばらつき。")), 1, 1);
        grid->addWidget(label(tr("％）")), 1, 2);
        grid->setColumnStretch(3, 1);
        page->addWidget(count);
        page->addStretch(1);
    }

protected:
    void refresh(const Node& node) override {
        // At the parent's death there is no period and no interval.
        const bool periodic = node.m_timing.type != kTimingParentDeath;
        for (QSpinBox* field : {m_start, m_end, m_often, m_oftenErr}) field->setEnabled(periodic);
    }

private:
    QSpinBox* m_start = nullptr;
    QSpinBox* m_end = nullptr;
    QSpinBox* m_often = nullptr;
    QSpinBox* m_oftenErr = nullptr;
};

}  // namespace

ParameterPage* makeTimingPage(Editor& editor, CurveOpener openCurve, QWidget* parent) {
    return new TimingPage(editor, std::move(openCurve), parent);
}

}  // namespace fg
