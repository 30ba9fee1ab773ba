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

ViewPanel::ViewPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("viewPanel"));
    setAcceptDrops(true);
    // Black until the view draws, as an empty 3D view is.
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void ViewPanel::setView(QWidget* view) {
    if (m_view != nullptr) {
        layout()->removeWidget(m_view);
        m_view->deleteLater();
    }
    m_view = view;
    if (m_view != nullptr) layout()->addWidget(m_view);
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
