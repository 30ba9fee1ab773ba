#include "ui/PanelColours.h"

#include <QApplication>
#include <QStyleFactory>
#include <QWidget>

namespace fg {

QPalette panelPalette(const PanelColours& colours, QPalette base) {
    const QColor button = colours.window.lighter(140);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        base.setColor(group, QPalette::Window, colours.window);
        base.setColor(group, QPalette::Button, colours.window);
        base.setColor(group, QPalette::Base, colours.client);
        base.setColor(group, QPalette::AlternateBase, colours.client);
        base.setColor(group, QPalette::Highlight, colours.cursor);
        base.setColor(group, QPalette::HighlightedText, Qt::white);
        const QColor text = group == QPalette::Disabled ? QColor(140, 140, 140) : QColor(Qt::white);
        base.setColor(group, QPalette::WindowText, text);
        base.setColor(group, QPalette::Text, text);
        base.setColor(group, QPalette::ButtonText, text);
        base.setColor(group, QPalette::PlaceholderText, QColor(140, 140, 140));
        base.setColor(group, QPalette::ToolTipBase, colours.client);
        base.setColor(group, QPalette::ToolTipText, Qt::white);
        // Bevels and frames derived from the background, so edges stay
        // visible on a dark scheme.
        base.setColor(group, QPalette::Light, button.lighter(130));
        base.setColor(group, QPalette::Midlight, button);
        base.setColor(group, QPalette::Mid, colours.window.darker(130));
        base.setColor(group, QPalette::Dark, colours.window.darker(160));
        base.setColor(group, QPalette::Shadow, Qt::black);
        base.setColor(group, QPalette::Link, QColor(120, 170, 255));
        base.setColor(group, QPalette::LinkVisited, QColor(170, 140, 255));
        base.setColor(group, QPalette::BrightText, Qt::white);
    }
    return base;
}

void applyPanelColours(QWidget* widget, const PanelColours& colours) {
    widget->setPalette(panelPalette(colours, widget->palette()));
    widget->setAutoFillBackground(true);
}

void applyApplicationColours(const PanelColours& colours) {
    // Fusion draws with the palette alone; a desktop's native style may
    // keep its own light colours in the dialogs.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(style);
    QApplication::setPalette(panelPalette(colours, QApplication::palette()));
}

}  // namespace fg
