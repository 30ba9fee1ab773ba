#pragma once
// The panel that holds the 3D view. It accepts files dropped on it and
// passes their paths on; the view itself is placed into it with setView.

#include <QStringList>
#include <QWidget>

namespace fg {

class ViewPanel : public QWidget {
    Q_OBJECT

public:
    explicit ViewPanel(QWidget* parent = nullptr);
    // Fills the panel with `view` (reparented to the panel).
    void setView(QWidget* view);
    QWidget* view() const { return m_view; }

signals:
    void filesDropped(const QStringList& paths);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QWidget* m_view = nullptr;
};

}  // namespace fg
