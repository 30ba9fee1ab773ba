#include "ui/PanelColours.h"

#include <QPalette>
#include <QWidget>

namespace fg {

void applyPanelColours(QWidget* widget, const PanelColours& colours) {
    QPalette palette = widget->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, colours.window);
        palette.setColor(group, QPalette::Button, colours.window);
        palette.setColor(group, QPalette::Base, colours.client);
        palette.setColor(group, QPalette::AlternateBase, colours.client);
        palette.setColor(group, QPalette::Highlight, colours.cursor);
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
        const QColor text = group == QPalette::Disabled ? QColor(140, 140, 140) : QColor(Qt::white);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::ButtonText, text);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace fg
