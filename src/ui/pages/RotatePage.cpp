// "回転": self-rotation and revolution (m_rotate, curves 3 and 4).

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/Node.h"
#include "ui/pages/CurveThumbnail.h"
#include "ui/pages/Pages.h"
#include "ui/pages/ParameterPage.h"

namespace fg {
namespace {

class RotatePage : public ParameterPage {
    Q_DECLARE_TR_FUNCTIONS(fg::RotatePage)

public:
    RotatePage(Editor& editor, CurveOpener openCurve, QWidget* parent)
        : ParameterPage(editor, std::move(openCurve), parent) {
        setObjectName(QStringLiteral("rotatePage"));
        auto* page = new QVBoxLayout(this);
        page->setContentsMargins(6, 8, 6, 6);
        const QStringList directions{tr("通常"), tr("逆回転"), tr("ランダム")};

        QGridLayout* grid = nullptr;
        QGroupBox* self = group(tr("自転"), grid);
        grid->addWidget(label(tr("軸")), 0, 0);
        grid->addWidget(list(FieldId::RotateAxis,
                             {tr("Ｘ軸（横軸）"), tr("Ｙ軸（縦軸）"), tr("Ｚ軸（前後軸）"), tr("進行方向Ｘ軸"),
                              tr("進行方向Ｙ軸"), tr("進行方向Ｚ軸"), tr("親の向き"), tr("親の進行方向")},
                             tr("自転の回転軸。")),
                        0, 1, 1, 3);
        addAngleRows(grid, 1, FieldId::RotateAngle, FieldId::RotateAngleErr, tr("自転の回転角度。"),
                     tr("自転の回転角度のばらつき。"));
        grid->addWidget(curve(kCurveSelfAngle, QString(), tr("自転の回転角度の変化。")), 3, 0, 1, 4);
        grid->addWidget(label(tr("回転方向")), 4, 0, 1, 2);
        grid->addWidget(list(FieldId::RotateDir, directions, tr("自転の回転方向。")), 4, 2, 1, 2);
        grid->addWidget(check(FieldId::RotateIsSameParent, tr("親に合わせる"), tr("親と同じ回転をさせます。")), 5, 0, 1, 4);
        grid->setColumnStretch(3, 1);
        page->addWidget(self);

        QGroupBox* revolution = group(tr("公転"), grid);
        grid->addWidget(label(tr("軸")), 0, 0);
        grid->addWidget(list(FieldId::RotateRevAxis,
                             {tr("Ｘ軸（横軸）"), tr("Ｙ軸（縦軸）"), tr("Ｚ軸（前後軸）"), tr("親の向き"),
                              tr("親の進行方向")},
                             tr("公転の回転軸。")),
                        0, 1, 1, 3);
        addAngleRows(grid, 1, FieldId::RotateRevAngle, FieldId::RotateRevAngleErr, tr("公転の回転角度。"),
                     tr("公転の回転角度のばらつき。"));
        grid->addWidget(curve(kCurveRevolutionAngle, QString(), tr("公転の回転角度の変化。")), 3, 0, 1, 4);
        grid->addWidget(label(tr("向き")), 4, 0, 1, 2);
        grid->addWidget(list(FieldId::RotateRevDir, directions, tr("公転の回転方向。")), 4, 2, 1, 2);
        grid->setColumnStretch(3, 1);
        page->addWidget(revolution);
        page->addStretch(1);
    }

private:
    // "角度" field "度" and "(誤差" field "％)" on rows `row` and `row` + 1.
    void addAngleRows(QGridLayout* grid, int row, FieldId angleField, FieldId errField, const QString& angleHelp,
                      const QString& errHelp) {
        grid->addWidget(label(tr("角度")), row, 0);
        grid->addWidget(number(angleField, angleHelp), row, 1);
        grid->addWidget(label(tr("度")), row, 2);
        grid->addWidget(label(tr("(誤差")), row + 1, 0);
        grid->addWidget(number(errField, errHelp), row + 1, 1);
        grid->addWidget(label(tr("％)")), row + 1, 2);
    }
};

}  // namespace

ParameterPage* makeRotatePage(Editor& editor, CurveOpener openCurve, QWidget* parent) {
    return new RotatePage(editor, std::move(openCurve), parent);
}

}  // namespace fg
