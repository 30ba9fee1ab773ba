#pragma once
// Shows the parameter page the page selector chose in the tab panel's page
// area, keeps it showing the selected node (after a selection change, a
// material change, undo and redo) and owns the one curve window.

#include <QObject>
#include <QPointer>

#include "ui/PageSelector.h"
#include "ui/pages/CurveWindow.h"

namespace fg {

class Editor;
class ParameterPage;
class TabPanel;

class PageHost : public QObject {
    Q_OBJECT

public:
    PageHost(Editor& editor, TabPanel& panel, QObject* parent = nullptr);

    ParameterPage* currentPage() const;
    CurveWindow* curveWindow() const;

    // Opens the curve window on curve `index` of the selected node; one
    // already open closes first.
    void openCurve(int index);

public slots:
    // Shows `page`, made anew unless it is the page shown (and, for the
    // size page, of the same kind), which is filled again.
    void showPage(Page page);
    // The shown page from the selected node again.
    void reload();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placePage();
    void curveChanged();

    Editor& m_editor;
    TabPanel& m_panel;
    QPointer<ParameterPage> m_page;
    Page m_shown = Page::Spawn;
    bool m_trailShown = false;
    QPointer<CurveWindow> m_curve;
    CurveWindowOptions m_curveOptions;  // carried from one curve window to the next
};

}  // namespace fg
