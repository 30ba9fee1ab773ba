// "色": the colour curves, seen together as a gradient strip and one by one,
// and the random spread of brightness and transparency (m_color, curves 5
// to 8).

#include <QCoreApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/Node.h"
#include "ui/HoverHelp.h"
#include "ui/pages/CurveThumbnail.h"
#include "ui/pages/GradientStrip.h"
#include "ui/pages/Pages.h"
#include "ui/pages/ParameterPage.h"

namespace fg {
namespace {

class ColorPage : public ParameterPage {
    Q_DECLARE_TR_FUNCTIONS(fg::ColorPage)

public:
    ColorPage(Editor& editor, CurveOpener openCurve, QWidget* parent)
        : ParameterPage(editor, std::move(openCurve), parent) {
        setObjectName(QStringLiteral("colorPage"));
        auto* page = new QVBoxLayout(this);
        page->setContentsMargins(6, 8, 6, 6);

        // The four curves at once, over the particle's life.
        auto* heading = new QHBoxLayout;
        heading->addWidget(label(tr(" グラデーション")));
        heading->addStretch(1);
        auto* colour = new QPushButton(tr("色..."), this);
        colour->setObjectName(QStringLiteral("gradientColourButton"));
        HoverHelp::setHelpText(colour, tr("選んだカラーストップの色と不透明度を設定。"));
        colour->setEnabled(false);
        heading->addWidget(colour);
        page->addLayout(heading);
        auto* strip = new GradientStrip(editor, GradientStrip::Mode::Colour, this);
        page->addWidget(strip);
        connect(strip, &GradientStrip::selectionChanged, colour, [colour](int stop) { colour->setEnabled(stop >= 0); });
        connect(colour, &QPushButton::clicked, strip, [strip] { strip->chooseColour(strip->selectedStop()); });

        auto* curves = new QGridLayout;
        curves->addWidget(curve(kCurveRed, tr(" 赤"), tr("画像内の赤をどれくらい反映させるか。")), 0, 0);
        curves->addWidget(curve(kCurveGreen, tr(" 緑"), tr("画像内の緑をどれくらい反映させるか。")), 0, 1);
        curves->addWidget(curve(kCurveBlue, tr(" 青"), tr("画像内の青をどれくらい反映させるか。")), 1, 0);
        curves->addWidget(curve(kCurveOpacity, tr(" 不透明度"), tr("パーティクルの透明具合を設定。")), 1, 1);
        page->addLayout(curves);

        page->addWidget(check(FieldId::ColorIsAlphaParent, tr("親の影響を受ける"),
                              tr("親パーティクルが透明になると自分も透明になる。")));

        QGridLayout* grid = nullptr;
        QGroupBox* spread = group(tr(" 誤差"), grid);
        grid->addWidget(label(tr("明るさ")), 0, 0);
        grid->addWidget(number(FieldId::ColorBrigRnd,
                               tr("値を大きくすると、色相は変わらずに明るさがばらつくようになります。")),
                        0, 1);
        grid->addWidget(label(tr("％")), 0, 2);
        grid->addWidget(label(tr("透明度")), 1, 0);
        grid->addWidget(number(FieldId::ColorAlphaRnd, tr("値を大きくすると、透明度がばらつくようになります。")), 1,
                        1);
        grid->addWidget(label(tr("％")), 1, 2);
        grid->setColumnStretch(3, 1);
        page->addWidget(spread);
        page->addStretch(1);
    }
};

}  // namespace

ParameterPage* makeColorPage(Editor& editor, CurveOpener openCurve, QWidget* parent) {
    return new ColorPage(editor, std::move(openCurve), parent);
}

}  // namespace fg
