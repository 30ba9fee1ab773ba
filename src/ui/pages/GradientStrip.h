#pragma once
// A strip showing one of the selected node's values over a particle's life,
// birth at the left, death at the right, one pixel column per step.
//
// Colour: the node's colour and opacity (its red, green, blue and opacity
// curves read as a ColourGradient) over a checkerboard, with a marker per
// stop under it. A click where no stop is adds one there (the same press
// may drag it), a press on a marker drags that stop, the arrow keys move
// the selected stop, a double-click opens the colour chooser, Delete
// removes the selected middle stop; the context
// menu chooses a colour, removes a stop and copies or pastes the whole
// gradient. Every gesture is one gradient edit of the Editor.
//
// Size: the overall size curve as a band whose height follows it; shown
// only.

#include <QWidget>
#include <cstdint>
#include <optional>

#include "model/ColourGradient.h"

namespace fg {

class Editor;

class GradientStrip : public QWidget {
    Q_OBJECT

public:
    enum class Mode { Colour, Size };

    // 201 columns: column k shows the value at 0.5 k of the curves' 100
    // units, so a stop on the grid falls on a column of its own.
    static constexpr int kColumns = 201;
    static constexpr int kLeft = 4;         // the first column; room for the end markers
    static constexpr int kTop = 1;          // under the frame
    static constexpr int kStripHeight = 28;
    static constexpr int kMarkerHeight = 10;
    static constexpr int kMarkerHalfWidth = 4;

    GradientStrip(Editor& editor, Mode mode, QWidget* parent);

    Mode mode() const { return m_mode; }
    // The strip's pixel columns and, under them, the markers' row.
    QRect stripRect() const;
    QRect markerRect() const;
    // A curve position (0..100) as the x of its column, and back.
    static int xOf(float position);
    static float positionAt(int x);

    // The stop whose marker is at `pos` (or, on the strip, whose column is
    // next to it); -1 for none.
    int stopAt(const QPoint& pos) const;
    // The stop picked by the last click (-1: none).
    int selectedStop() const { return m_selected; }

    // Asks for a new colour of stop `stop` and writes it (one gradient edit);
    // a cancelled chooser writes nothing.
    void chooseColour(int stop);
    // Removes stop `stop` (one gradient edit); false for an end stop or no
    // such stop.
    bool removeStop(int stop);

signals:
    // This strip changed the node's curves (the pages and the curve window
    // redraw them).
    void pointsChanged();
    // Another stop was picked, or none.
    void selectionChanged(int stop);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Drag {
        std::int32_t node = -1;
        int stop = -1;
        GradientPoints base;  // the points as the press left them
    };

    // The selected node's gradient, if a node is selected.
    std::optional<ColourGradient> gradient() const;
    void paintColour(QPainter& painter, const ColourGradient& gradient) const;
    void paintSize(QPainter& painter) const;
    void select(int stop);
    // A new gesture: its changes become one gradient edit.
    void beginGesture();
    // The stop `units` along (the arrow keys).
    void nudge(int stop, int units);
    // Writes `points` as the running gesture's change.
    void store(const GradientPoints& points);
    // The document changed: a drag or a selection ends when the curves
    // changed by something else than this strip (undo, another node).
    void follow();
    void popUpMenu(int stop, const QPoint& globalPos);

    Editor& m_editor;
    Mode m_mode;
    int m_selected = -1;
    std::int32_t m_selectedNode = -1;
    std::optional<Drag> m_drag;
    bool m_nudging = false;  // the arrow keys' gesture is under way
    // The points as this strip last saw or wrote them: a drag and a
    // selection belong to them and end when the curves change otherwise.
    GradientPoints m_known;
};

}  // namespace fg
