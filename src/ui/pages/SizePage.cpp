// "サイズ": the particle's size and its curves (m_scale, curves 0 to 2 and
// 10), or for the trail shape its thickness and length.

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <array>

#include "model/Node.h"
#include "ui/HoverHelp.h"
#include "ui/pages/CurveThumbnail.h"
#include "ui/pages/GradientStrip.h"
#include "ui/pages/Pages.h"
#include "ui/pages/ParameterPage.h"

namespace fg {
namespace {

// What both size pages show first: the size and its variation, in rows 0
// and 1 of a grid, under the page's own caption.
class SizeRowsPage : public ParameterPage {
    Q_DECLARE_TR_FUNCTIONS(fg::SizePage)

protected:
    using ParameterPage::ParameterPage;

    void addSizeRows(QGridLayout& grid, const QString& caption) {
        grid.addWidget(label(caption), 0, 0);
        grid.addWidget(number(FieldId::ScaleMax, tr("パーティクルのサイズ。")), 0, 1);
        grid.addWidget(label(tr("(誤差")), 1, 0);
        grid.addWidget(number(FieldId::ScaleMaxErr, tr("パーティクルのサイズのばらつき。")), 1, 1);
        grid.addWidget(label(tr("％)")), 1, 2);
    }

    // The overall size over the particle's life, drawn as the colour page
    // draws its gradient.
    void addSizeStrip(QVBoxLayout& page) {
        page.addWidget(label(tr(" 全体の変化")));
        page.addWidget(new GradientStrip(editor(), GradientStrip::Mode::Size, this));
    }
};

class SizePage : public SizeRowsPage {
    Q_DECLARE_TR_FUNCTIONS(fg::SizePage)

public:
    SizePage(Editor& editor, CurveOpener openCurve, QWidget* parent)
        : SizeRowsPage(editor, std::move(openCurve), parent) {
        setObjectName(QStringLiteral("sizePage"));
        auto* page = new QVBoxLayout(this);
        page->setContentsMargins(6, 8, 6, 6);

        QGridLayout* grid = nullptr;
        QGroupBox* size = group(QString(), grid);
        addSizeRows(*grid, tr("最大値"));
        grid->setColumnStretch(3, 1);
        page->addWidget(size);

        auto* curves = new QGridLayout;
        curves->addWidget(curve(kCurveSize, tr(" 全体"), tr("パーティクルのサイズの変化。")), 0, 0);
        for (int axis = 0; axis < 3; ++axis) {
            CurveThumbnail* thumbnail = curve(kCurveWidth + axis, QString(), QString());
            m_axes[static_cast<std::size_t>(axis)] = thumbnail;
            curves->addWidget(thumbnail, (axis + 1) / 2, (axis + 1) % 2);
        }
        page->addLayout(curves);
        addSizeStrip(*page);
        page->addStretch(1);
    }

protected:
    void refresh(const Node& node) override {
        // A cylinder's three sizes are its two radii and its length.
        const bool cylinder = node.m_shape.type == kShapeCylinder;
        const std::array<QString, 3> plain{tr(" 幅"), tr(" 高さ"), tr(" 奥行き")};
        const std::array<QString, 3> cylinderTexts{tr("底半径"), tr("先半径"), tr("長さ")};
        const std::array<QString, 3> cylinderHelp{tr("円柱の底の半径の変化。"), tr("円柱の上面の半径の変化。"),
                                                  tr("円柱の長さの変化。")};
        for (std::size_t i = 0; i < m_axes.size(); ++i) {
            m_axes[i]->setCaption(cylinder ? cylinderTexts[i] : plain[i]);
            HoverHelp::setHelpText(m_axes[i], cylinder ? cylinderHelp[i] : QString());
        }
    }

private:
    std::array<CurveThumbnail*, 3> m_axes{};
};

class TrailSizePage : public SizeRowsPage {
    Q_DECLARE_TR_FUNCTIONS(fg::TrailSizePage)

public:
    TrailSizePage(Editor& editor, CurveOpener openCurve, QWidget* parent)
        : SizeRowsPage(editor, std::move(openCurve), parent) {
        setObjectName(QStringLiteral("trailSizePage"));
        auto* page = new QVBoxLayout(this);
        page->setContentsMargins(6, 8, 6, 6);

        QGridLayout* grid = nullptr;
        QGroupBox* thickness = group(QString(), grid);
        addSizeRows(*grid, tr("太さ"));
        grid->addWidget(curve(kCurveSize, QString(), tr("パーティクルのサイズの変化。")), 2, 0, 1, 4);
        grid->setColumnStretch(3, 1);
        page->addWidget(thickness);

        QGroupBox* kind = group(tr("太さタイプ"), grid);
        const std::vector<QRadioButton*> kinds =
            radios(FieldId::ScaleTrailThickChange, {tr("固定"), tr("変化")},
                   {tr("先頭から末尾までの太さを同じにする。"), tr("先頭の太さのみグラフで変化させる。")});
        grid->addWidget(kinds[0], 0, 0);
        grid->addWidget(kinds[1], 0, 1);
        page->addWidget(kind);

        QGroupBox* length = group(tr("軌跡の長さ"), grid);
        grid->addWidget(number(FieldId::ScaleTrailLength, tr("軌跡の長さ。")), 0, 0);
        grid->addWidget(label(tr("フレーム")), 0, 1);
        grid->setColumnStretch(2, 1);
        page->addWidget(length);
        addSizeStrip(*page);
        page->addStretch(1);
    }
};

}  // namespace

ParameterPage* makeSizePage(Editor& editor, CurveOpener openCurve, QWidget* parent) {
    return new SizePage(editor, std::move(openCurve), parent);
}

ParameterPage* makeTrailSizePage(Editor& editor, CurveOpener openCurve, QWidget* parent) {
    return new TrailSizePage(editor, std::move(openCurve), parent);
}

}  // namespace fg
