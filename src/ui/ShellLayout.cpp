#include "ui/ShellLayout.h"

#include "ui/Commands.h"
#include "ui/Panel.h"
#include "ui/StatusPanel.h"
#include "ui/TabPanel.h"
#include "ui/ViewPanel.h"

namespace fg {

ShellLayout::ShellLayout(QWidget* toolbar, QWidget* parent)
    : QWidget(parent), m_toolbar(toolbar), m_material(new Panel(QStringLiteral("materialPanel"), this)),
      m_node(new Panel(QStringLiteral("nodePanel"), this)), m_tab(new TabPanel(this)), m_status(new StatusPanel(this)),
      m_view(new ViewPanel(this)) {
    m_toolbar->setParent(this);
    setAutoFillBackground(true);
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    place();
}

void ShellLayout::setMaterialPanel(QWidget* panel) { m_material = replace(m_material, panel); }

void ShellLayout::setNodePanel(QWidget* panel) { m_node = replace(m_node, panel); }

QWidget* ShellLayout::replace(QWidget* old, QWidget* panel) {
    panel->setParent(this);
    panel->setGeometry(old->geometry());
    panel->show();
    old->hide();
    old->deleteLater();
    return panel;
}

void ShellLayout::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place();
}

void ShellLayout::place() {
    const int w = width();
    const int h = height();
    const int top = kToolbarHeight;
    m_toolbar->setGeometry(0, 0, w, top);
    m_material->setGeometry(0, top, kLeftWidth, h / 2 - top);
    m_node->setGeometry(0, h / 2, kLeftWidth, h / 2 - 34);
    m_status->setGeometry(0, h - 35, w, 35);
    const int tabHeight = h - 70;
    const int tabWidth = TabPanel::widthFor(tabHeight);
    m_tab->setGeometry(w - tabWidth, top, tabWidth, tabHeight);
    // The view ends where the tab panel's client area would begin.
    const int tabClientWidth = tabWidth - 2 * Panel::kBorder;
    m_view->setGeometry(kLeftWidth, top, w - tabClientWidth - 214, h - 72);
}

}  // namespace fg
