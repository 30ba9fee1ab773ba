#include "ui/ViewPanel.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPalette>
#include <QUrl>
#include <QVBoxLayout>

namespace fg {
namespace {

QStringList localFiles(const QMimeData* mime) {
    QStringList paths;
    if (mime == nullptr || !mime->hasUrls()) return paths;
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile()) paths.append(url.toLocalFile());
    }
    return paths;
}

}  // namespace

ViewPanel::ViewPanel(QWidget* parent) : QWidget(parent), m_layout(new QVBoxLayout(this)) {
    setObjectName(QStringLiteral("viewPanel"));
    setAcceptDrops(true);
    // Black until the view draws, as an empty 3D view is.
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
}

void ViewPanel::setView(QWidget* view) {
    if (m_view != nullptr) {
        m_layout->removeWidget(m_view);
        m_view->deleteLater();
    }
    m_view = view;
    // Always above the timeline, whichever came first.
    if (m_view != nullptr) m_layout->insertWidget(0, m_view, 1);
}

void ViewPanel::setTimeline(QWidget* timeline) {
    if (m_timeline != nullptr) {
        m_layout->removeWidget(m_timeline);
        m_timeline->deleteLater();
    }
    m_timeline = timeline;
    // At the foot of the panel even where there is no view above it.
    if (m_timeline != nullptr) m_layout->addWidget(m_timeline, 0, Qt::AlignBottom);
}

void ViewPanel::dragEnterEvent(QDragEnterEvent* event) {
    if (!localFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void ViewPanel::dropEvent(QDropEvent* event) {
    const QStringList paths = localFiles(event->mimeData());
    if (paths.isEmpty()) return;
    event->acceptProposedAction();
    emit filesDropped(paths);
}

}  // namespace fg
