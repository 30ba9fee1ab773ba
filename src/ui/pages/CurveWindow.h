#pragma once
// The curve window: one curve of the selected node, drawn large, edited
// with the mouse. A press picks the point under it or adds one, a drag
// moves it (Shift moves every point up and down with it), a right click
// deletes a middle point or opens the copy and paste menu. Each press and
// each right-click deletion is one curve edit of the Editor.

#include <QWidget>

#include "model/Graph.h"

class QMenu;

namespace fg {

class Editor;

class CurveWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kCanvasOffset = 15;
    static constexpr int kMinimumSide = 50;
    static constexpr int kMaximumSide = 999;

    CurveWindow(Editor& editor, int graphNumber, QWidget* parent);

    int graphNumber() const { return m_graph; }
    // The drawing area inside the window's margin.
    QRect canvasRect() const;
    // The index of the point being dragged, or -1.
    int selectedPoint() const { return m_selected; }

public slots:
    // The selected node or its curves changed from outside: shows them.
    void reload();

signals:
    // The curve's points changed (the pages redraw their thumbnails).
    void pointsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const Graph* curve() const;
    // A window position in curve units.
    QPoint curvePosition(const QPoint& windowPos) const;
    void leftPress(const QPoint& windowPos);
    void rightPress(const QPoint& windowPos, const QPoint& globalPos);
    void store(const GraphPoints& points);

    Editor& m_editor;
    int m_graph;
    int m_selected = -1;
    GraphPoints m_dragBase;  // the points as the press left them
    std::int32_t m_dragNode = -1;
};

}  // namespace fg
