// "形状": the particle's mesh and orientation (m_shape).

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/pages/PageMaterials.h"
#include "ui/pages/Pages.h"
#include "ui/pages/ParameterPage.h"

namespace fg {
namespace {

class ShapePage : public ParameterPage {
    Q_DECLARE_TR_FUNCTIONS(fg::ShapePage)

public:
    ShapePage(Editor& editor, CurveOpener openCurve, QWidget* parent)
        : ParameterPage(editor, std::move(openCurve), parent) {
        setObjectName(QStringLiteral("shapePage"));
        auto* page = new QVBoxLayout(this);
        page->setContentsMargins(6, 8, 6, 6);

        QGridLayout* grid = nullptr;
        QGroupBox* kind = group(QString(), grid);
        grid->addWidget(label(tr("タイプ")), 0, 0);
        // The built-in meshes, then one entry per model material.
        grid->addWidget(list(FieldId::ShapeType,
                            [this] {
                                QStringList entries{tr("２Ｄ"), tr("平面"), tr("半球"), tr("円柱"), tr("軌跡")};
                                return entries + pageMaterials(this->editor()).models;
                            },
                            tr("パーティクルの形を選択。")),
                        0, 1);
        grid->addWidget(label(tr("向き")), 1, 0);
        grid->addWidget(list(FieldId::ShapeDir,
                             {tr("前"), tr("後"), tr("右"), tr("左"), tr("上"), tr("下"), tr("ランダム")},
                             tr("パーティクルの向きを選択。")),
                        1, 1);
        grid->addWidget(check(FieldId::ShapeIsDir, tr("進行方向を向く"),
                              tr("チェックを入れるとパーティクルが常に進行方向を向く。")),
                        2, 0, 1, 2);
        grid->setColumnStretch(1, 1);
        page->addWidget(kind);

        QGroupBox* options = group(tr("オプション"), grid);
        grid->addWidget(check(FieldId::ShapeIsUnderCut, tr("地下非表示"), tr("地面の下（Y < 0)は表示されなくなる。")), 0, 0);
        page->addWidget(options);
        page->addStretch(1);
    }
};

}  // namespace

ParameterPage* makeShapePage(Editor& editor, CurveOpener openCurve, QWidget* parent) {
    return new ShapePage(editor, std::move(openCurve), parent);
}

}  // namespace fg
