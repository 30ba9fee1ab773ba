#include "ui/PanelFont.h"

#include <QStringList>

namespace fg {

QFont panelFont(int pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Meiryo UI"), QStringLiteral("Meiryo"), QStringLiteral("メイリオ"),
                      QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAexGothic"), QStringLiteral("IPAGothic")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize > 0 ? pointSize : 1);
    return font;
}

}  // namespace fg
