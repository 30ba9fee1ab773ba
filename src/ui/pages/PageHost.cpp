#include "ui/pages/PageHost.h"

#include <QEvent>
#include <algorithm>

#include "app/Editor.h"
#include "model/Node.h"
#include "ui/TabPanel.h"
#include "ui/pages/CurveThumbnail.h"
#include "ui/pages/CurveWindow.h"
#include "ui/pages/GradientStrip.h"
#include "ui/pages/Pages.h"
#include "ui/pages/ParameterPage.h"

namespace fg {
namespace {

bool trailShape(const Editor& editor) {
    const Node* node = editor.state().tree.selected();
    return node != nullptr && node->m_shape.type == kShapeTrail;
}

}  // namespace

PageHost::PageHost(Editor& editor, TabPanel& panel, QObject* parent)
    : QObject(parent), m_editor(editor), m_panel(panel) {
    panel.pageArea()->installEventFilter(this);
    connect(panel.selector(), &PageSelector::pageChosen, this, &PageHost::showPage);
    connect(&editor, &Editor::documentChanged, this, [this](DocumentChanges what) {
        if (what & (DocumentPart::Selection | DocumentPart::Materials)) reload();
        // Undo and redo reach the page through the selector; the curve
        // window follows them here.
        if ((what & DocumentPart::Page) && m_curve != nullptr) m_curve->reload();
    });
}

ParameterPage* PageHost::currentPage() const { return m_page; }

CurveWindow* PageHost::curveWindow() const { return m_curve; }

void PageHost::showPage(Page page) {
    const bool trail = trailShape(m_editor);
    const bool same = m_page != nullptr && m_shown == page && (page != Page::Size || trail == m_trailShown);
    if (!same) {
        if (m_page != nullptr) {
            m_page->hide();
            m_page->deleteLater();
        }
        m_page = makeParameterPage(page, trail, m_editor, [this](int index) { openCurve(index); },
                                   m_panel.pageArea());
        m_shown = page;
        m_trailShown = trail;
        for (CurveThumbnail* thumbnail : m_page->findChildren<CurveThumbnail*>()) {
            connect(thumbnail, &CurveThumbnail::pasted, this, [this] {
                if (m_curve != nullptr) m_curve->reload();
            });
        }
        for (GradientStrip* strip : m_page->findChildren<GradientStrip*>()) {
            connect(strip, &GradientStrip::pointsChanged, this, [this] {
                curveChanged();
                if (m_curve != nullptr) m_curve->reload();
            });
        }
        placePage();
        m_page->show();
    }
    m_page->fill();
    if (m_curve != nullptr) m_curve->reload();
}

void PageHost::reload() { showPage(m_panel.selector()->currentPage()); }

void PageHost::openCurve(int index) {
    if (m_curve != nullptr) {
        m_curve->close();
        m_curve = nullptr;
    }
    QWidget* window = m_panel.window();
    m_curve = new CurveWindow(m_editor, index, window);
    m_curve->setPalette(paletteForWindow(&m_panel));
    m_curve->setOptions(m_curveOptions);
    connect(m_curve, &CurveWindow::pointsChanged, this, &PageHost::curveChanged);
    connect(m_curve, &CurveWindow::optionsChanged, this,
            [this](const CurveWindowOptions& options) { m_curveOptions = options; });
    const QPoint corner = m_panel.mapToGlobal(QPoint(0, 0));
    m_curve->move(corner.x() - m_curve->width() - 20, corner.y() + 40);
    m_curve->show();
    m_curve->raise();
}

void PageHost::curveChanged() {
    if (m_page == nullptr) return;
    for (CurveThumbnail* thumbnail : m_page->findChildren<CurveThumbnail*>()) thumbnail->update();
    for (GradientStrip* strip : m_page->findChildren<GradientStrip*>()) strip->update();
}

void PageHost::placePage() {
    if (m_page == nullptr) return;
    const QWidget* area = m_panel.pageArea();
    m_page->setGeometry(0, 0, ParameterPage::kWidth, std::max(ParameterPage::kHeight, area->height()));
}

bool PageHost::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_panel.pageArea() && event->type() == QEvent::Resize) placePage();
    return QObject::eventFilter(watched, event);
}

}  // namespace fg
