#pragma once
// The main window's client area: the toolbar strip on top, the material and
// node panels down the left, the tab panel on the right, the status panel at
// the bottom and the view in the middle, placed by fixed rules whenever the
// window changes size.

#include <QWidget>

namespace fg {

class StatusPanel;
class TabPanel;
class ViewPanel;

class ShellLayout : public QWidget {
    Q_OBJECT

public:
    static constexpr int kLeftWidth = 210;
    // The smallest client area: the whole toolbar, a view beside (not
    // under) the tab panel, and a few rows in each of the node and material
    // lists. The tab panel scrolls below its full height.
    static constexpr int kMinimumWidth = 780;
    static constexpr int kMinimumHeight = 400;

    ShellLayout(QWidget* toolbar, QWidget* parent = nullptr);

    QWidget* toolbar() const { return m_toolbar; }
    QWidget* materialPanel() const { return m_material; }
    QWidget* nodePanel() const { return m_node; }
    TabPanel* tabPanel() const { return m_tab; }
    StatusPanel* statusPanel() const { return m_status; }
    ViewPanel* viewPanel() const { return m_view; }

    // Puts the panel that fills the material or node place (the old one is
    // deleted).
    void setMaterialPanel(QWidget* panel);
    void setNodePanel(QWidget* panel);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();
    QWidget* replace(QWidget* old, QWidget* panel);

    QWidget* m_toolbar;
    QWidget* m_material;
    QWidget* m_node;
    TabPanel* m_tab;
    StatusPanel* m_status;
    ViewPanel* m_view;
};

}  // namespace fg
