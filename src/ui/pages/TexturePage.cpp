// "画像": the particle's texture, blending and cell animation (m_texture).

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
#include "ui/pages/PageMaterials.h"
#include "ui/pages/Pages.h"
#include "ui/pages/ParameterPage.h"

namespace fg {
namespace {

class TexturePage : public ParameterPage {
    Q_DECLARE_TR_FUNCTIONS(fg::TexturePage)

public:
    TexturePage(Editor& editor, CurveOpener openCurve, QWidget* parent)
        : ParameterPage(editor, std::move(openCurve), parent) {
        setObjectName(QStringLiteral("texturePage"));
        auto* page = new QVBoxLayout(this);
        page->setContentsMargins(6, 8, 6, 6);

        QGridLayout* grid = nullptr;
        QGroupBox* texture = group(tr("テクスチャ"), grid);
        // "なし" stores -1, image k of the materials stores k.
        grid->addWidget(list(FieldId::TextureId,
                            [this] { return QStringList{tr("なし")} + pageMaterials(this->editor()).images; },
                            tr("パーティクルに貼り付ける画像を選択。")),
                        0, 0);
        page->addWidget(texture);

        QGroupBox* blend = group(tr("ブレンド"), grid);
        const std::vector<QRadioButton*> modes =
            radios(FieldId::TextureIsAdd, {tr("通常合成"), tr("輝き合成")},
                   {tr("通常の半透明描画。"), tr("パーティクルの重なったところが光って見えるようになる。")});
        grid->addWidget(modes[0], 0, 0);
        grid->addWidget(modes[1], 0, 1);
        page->addWidget(blend);

        QGroupBox* animation = group(QString(), grid);
        grid->addWidget(check(FieldId::TextureIsAnim, tr("ｱﾆﾒｰｼｮﾝさせる"),
                              tr("テクスチャをアニメーションさせる場合はチェック。")),
                        0, 0, 1, 4);
        grid->addWidget(label(tr("コマの並び")), 1, 0, 1, 4);
        m_w = number(FieldId::TextureW, tr("テクスチャに横に何コマ画像がならんでいるか。"));
        m_h = number(FieldId::TextureH, tr("テクスチャに縦に何コマ画像がならんでいるか。"));
        m_speed = number(FieldId::TextureSpeed, tr("テクスチャアニメーションの速度。"));
        grid->addWidget(label(tr("横")), 2, 0, Qt::AlignRight);
        grid->addWidget(m_w, 2, 1);
        grid->addWidget(label(tr("コマ")), 2, 2);
        grid->addWidget(label(tr("縦")), 3, 0, Qt::AlignRight);
        grid->addWidget(m_h, 3, 1);
        grid->addWidget(label(tr("コマ")), 3, 2);
        grid->addWidget(label(tr("速度")), 4, 0, Qt::AlignRight);
        grid->addWidget(m_speed, 4, 1);
        m_loop = check(FieldId::TextureIsLoop, tr("繰り返し"), tr("アニメーションを繰り返すかどうか。"));
        grid->addWidget(m_loop, 5, 0, 1, 4);
        grid->setColumnStretch(3, 1);
        page->addWidget(animation);
        page->addStretch(1);
    }

protected:
    void refresh(const Node& node) override {
        const bool animated = node.m_texture.isAnim != 0;
        for (QWidget* control : std::initializer_list<QWidget*>{m_w, m_h, m_speed, m_loop}) {
            control->setEnabled(animated);
        }
    }

private:
    QSpinBox* m_w = nullptr;
    QSpinBox* m_h = nullptr;
    QSpinBox* m_speed = nullptr;
    QCheckBox* m_loop = nullptr;
};

}  // namespace

ParameterPage* makeTexturePage(Editor& editor, CurveOpener openCurve, QWidget* parent) {
    return new TexturePage(editor, std::move(openCurve), parent);
}

}  // namespace fg
