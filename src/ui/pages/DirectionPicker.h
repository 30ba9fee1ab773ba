#pragma once
// The direction picker "移動方向": two square views of the selected node's
// movement direction, seen from above (m_move.dirY) and from the side
// (m_move.dirX). Pressing and dragging in a view points its arrow at the
// cursor; Shift snaps the angle to multiples of 45 degrees. Also the small
// direction box of the move page that opens it.

#include <QDialog>
#include <QWidget>

class QLabel;

namespace fg {

class Editor;

// Draws an arrow from the centre of `box` rotated `angle` degrees
// clockwise from straight up.
void drawDirectionArrow(QPainter& painter, const QRectF& box, float angle, const QColor& colour);

class DirectionView : public QWidget {
    Q_OBJECT

public:
    // The dial's diameter; around it, room for the edge labels.
    static constexpr int kDial = 114;
    static constexpr int kMinimumMargin = 18;

    // `side`: the view from the side ("上" / "下"), else from above.
    DirectionView(bool side, QWidget* parent);
    bool isSide() const { return m_side; }
    void setAngle(float angle);
    float angle() const { return m_angle; }
    QSize sizeHint() const override { return size(); }

    // The dial, and where each edge label is drawn (Qt::AlignTop, Bottom,
    // Left or Right; an empty rectangle for a label the view does not have).
    QRectF dialRect() const;
    QRect labelRect(Qt::Alignment edge) const;
    QString labelText(Qt::Alignment edge) const;

signals:
    // The cursor points at `angle` (atan2 + 90, not yet normalised).
    void pointed(float angle, bool snap);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void point(QMouseEvent* event);

    bool m_side;
    float m_angle = 0.0f;
    QMargins m_margins;
};

class DirectionPicker : public QDialog {
    Q_OBJECT

public:
    DirectionPicker(Editor& editor, QWidget* parent);
    DirectionView* topView() const { return m_top; }
    DirectionView* sideView() const { return m_side; }

public slots:
    // Shows the selected node's direction.
    void fill();

signals:
    void directionChanged();

private:
    void apply(bool side, float angle, bool snap);

    Editor& m_editor;
    DirectionView* m_top;
    DirectionView* m_side;
    QLabel* m_topAngle;
    QLabel* m_sideAngle;
};

// The move page's direction box: both angles as small arrows; a click asks
// for the picker.
class DirectionBox : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 100;
    static constexpr int kHeight = 48;

    DirectionBox(Editor& editor, QWidget* parent);
    QSize sizeHint() const override { return {kWidth, kHeight}; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Editor& m_editor;
};

}  // namespace fg
