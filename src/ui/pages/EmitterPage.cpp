// "発生源": where a node's particles appear (m_emitter).

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
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

class EmitterPage : public ParameterPage {
    Q_DECLARE_TR_FUNCTIONS(fg::EmitterPage)

public:
    EmitterPage(Editor& editor, CurveOpener openCurve, QWidget* parent)
        : ParameterPage(editor, std::move(openCurve), parent) {
        setObjectName(QStringLiteral("emitterPage"));
        auto* page = new QVBoxLayout(this);
        page->setContentsMargins(6, 8, 6, 6);

        auto* shape = new QHBoxLayout;
        shape->addWidget(label(tr("形状")));
        shape->addWidget(list(FieldId::EmitterType,
                              {tr("円（垂直）"), tr("円（水平）"), tr("球"), tr("半球"), tr("円柱"), tr("直方体")},
                              tr("発生する範囲の形状。")),
                         1);
        page->addLayout(shape);

        QGridLayout* grid = nullptr;
        QGroupBox* place = group(QString(), grid);
        grid->addWidget(label(tr("位置")), 0, 0);
        grid->addWidget(number(FieldId::EmitterPosX, tr("発生する範囲の中心位置（左右）。")), 0, 1);
        grid->addWidget(number(FieldId::EmitterPosY, tr("発生する範囲の中心位置（上下）。")), 0, 2);
        grid->addWidget(number(FieldId::EmitterPosZ, tr("発生する範囲の中心位置（前後）。")), 0, 3);
        grid->addWidget(label(tr("サイズ")), 1, 0);
        grid->addWidget(number(FieldId::EmitterSizeX, tr("発生する範囲の幅。")), 1, 1);
        grid->addWidget(number(FieldId::EmitterSizeY, tr("発生する範囲の高さ。")), 1, 2);
        grid->addWidget(number(FieldId::EmitterSizeZ, tr("発生する範囲の奥行き。")), 1, 3);
        page->addWidget(place);

        QGroupBox* scope = group(tr("範囲"), grid);
        const std::vector<QRadioButton*> scopes =
            radios(FieldId::EmitterScope, {tr("内部"), tr("表面"), tr("任意")},
                   {tr("指定した範囲の内部のどこからでも発生する。"), tr("指定した範囲の外側から発生する。"),
                    tr("指定した範囲内の外側から指定した範囲内で発生するか。")});
        grid->addWidget(scopes[0], 0, 0, 1, 3);
        grid->addWidget(scopes[1], 1, 0, 1, 3);
        grid->addWidget(scopes[2], 2, 0);
        m_err = number(FieldId::EmitterErr,
                       tr("外側から何％の範囲で発生させるか。100％だと「内部」を選んだときと同じ。"));
        grid->addWidget(m_err, 2, 1);
        grid->addWidget(label(tr("％")), 2, 2);
        grid->setColumnStretch(3, 1);
        page->addWidget(scope);

        page->addWidget(check(FieldId::EmitterFix, tr("向き固定"),
                              tr("親パーティクルが回転しても、発生する範囲は影響受けなくなる。")));
        page->addWidget(check(FieldId::EmitterScaleFix, tr("サイズ固定"),
                              tr("親パーティクルのサイズが変わっても、発生する範囲は影響受けなくなる。")));
        m_even = check(FieldId::EmitterIsEvenInterval, tr("等間隔"),
                       tr("パーティクルを等間隔で発生させる。形状が「円（垂直）」「円（水平）」のときのみ選択可。"));
        page->addWidget(m_even);
        page->addStretch(1);
    }

protected:
    void refresh(const Node& node) override {
        m_err->setEnabled(node.m_emitter.scope == kScopeCustom);
        // Only circles space their particles evenly; the stored choice stays.
        m_even->setEnabled(node.m_emitter.type == kEmitterCircleVertical ||
                           node.m_emitter.type == kEmitterCircleHorizontal);
    }

private:
    QSpinBox* m_err = nullptr;
    QCheckBox* m_even = nullptr;
};

}  // namespace

ParameterPage* makeEmitterPage(Editor& editor, CurveOpener openCurve, QWidget* parent) {
    return new EmitterPage(editor, std::move(openCurve), parent);
}

}  // namespace fg
