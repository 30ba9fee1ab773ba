#pragma once
// The panel that holds the 3D view. It accepts files dropped on it and
// passes their paths on; the view itself is placed into it with setView,
// the timeline under it with setTimeline. The view takes the height the
// timeline leaves, and all of the panel while the timeline is hidden.

#include <QStringList>
#include <QWidget>

class QVBoxLayout;

namespace fg {

class ViewPanel : public QWidget {
    Q_OBJECT

public:
    explicit ViewPanel(QWidget* parent = nullptr);
    // Fills the panel with `view` (reparented to the panel).
    void setView(QWidget* view);
    QWidget* view() const { return m_view; }
    // Puts `timeline` under the view (reparented to the panel).
    void setTimeline(QWidget* timeline);
    QWidget* timeline() const { return m_timeline; }

signals:
    void filesDropped(const QStringList& paths);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QVBoxLayout* m_layout;
    QWidget* m_view = nullptr;
    QWidget* m_timeline = nullptr;
};

}  // namespace fg
