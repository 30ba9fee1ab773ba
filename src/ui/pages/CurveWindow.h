#pragma once
// The curve window: one curve of the selected node, drawn large, edited
// with the mouse. A press picks the point under it or adds one, a drag
// moves it (Shift moves every point up and down with it), a right click
// deletes a middle point or opens the copy and paste menu. The point picked
// or added by the last press stays the current point, whose position and
// value the strip under the canvas shows and takes typed. Each press, each
// typed number and each right-click deletion is one curve edit of the
// Editor.

#include <QWidget>

#include "model/Graph.h"

class QMenu;

namespace fg {

class CurveNumbers;
class Editor;

// What the curve window shows besides the curve; kept by the window only.
struct CurveWindowOptions {
    bool grid = true;         // the value grid and its axis labels
    bool otherCurves = true;  // a colour curve's three siblings, faintly
};

class CurveWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kCanvasOffset = 15;
    static constexpr int kMinimumSide = 50;
    static constexpr int kMaximumSide = 999;
    // The strip with the numbers takes this much of the window's bottom
    // instead of the margin, while the window is at least
    // kNumbersMinimumHeight high.
    static constexpr int kNumbersHeight = 34;
    static constexpr int kNumbersMinimumHeight = 140;

    CurveWindow(Editor& editor, int graphNumber, QWidget* parent);

    int graphNumber() const { return m_graph; }
    // The drawing area inside the window's margin.
    QRect canvasRect() const;
    // The index of the point being dragged, or -1.
    int selectedPoint() const { return m_selected; }
    // The point the numbers show, or -1.
    int currentPoint() const { return m_current; }
    CurveNumbers* numbers() const { return m_numbers; }
    CurveWindowOptions options() const { return m_options; }
    void setOptions(const CurveWindowOptions& options);

public slots:
    // The selected node or its curves changed from outside: shows them.
    void reload();

signals:
    // The curve's points changed (the pages redraw their thumbnails).
    void pointsChanged();
    // The user turned the grid or the other curves on or off.
    void optionsChanged(const CurveWindowOptions& options);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    const Graph* curve() const;
    // A window position in curve units.
    QPoint curvePosition(const QPoint& windowPos) const;
    void leftPress(const QPoint& windowPos);
    void rightPress(const QPoint& windowPos, const QPoint& globalPos);
    void store(const GraphPoints& points);
    void makeCurrent(int index, std::size_t pointCount);
    // The fields show the current point (or none).
    void showNumbers();
    // A number typed for the current point: moved as a drag there would.
    void typed(int position, int value);
    bool numbersShown() const;

    Editor& m_editor;
    int m_graph;
    int m_selected = -1;
    GraphPoints m_dragBase;  // the points as the press left them
    std::int32_t m_dragNode = -1;
    int m_current = -1;
    std::int32_t m_currentNode = -1;   // whose curve the current point is on
    std::size_t m_currentCount = 0;    // how many points it had then
    CurveWindowOptions m_options;
    CurveNumbers* m_numbers;
};

}  // namespace fg
