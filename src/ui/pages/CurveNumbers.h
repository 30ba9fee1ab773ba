#pragma once
// The strip under the curve window's canvas: the current point's position
// and value as fields that can be typed into, and a read-out of the curve
// position under the mouse.

#include <QWidget>

class QLabel;
class QSpinBox;

namespace fg {

class CurveNumbers : public QWidget {
    Q_OBJECT

public:
    // `speed`: values run -100..+100 (in steps of 2, as the grid allows)
    // instead of 0..100.
    CurveNumbers(bool speed, QWidget* parent);

    QSpinBox* positionField() const { return m_position; }
    QSpinBox* valueField() const { return m_value; }

    // Shows a point (the position field only for a middle point), or none:
    // both fields disabled.
    void showPoint(int position, int value, bool positionEditable);
    void showNoPoint();
    // The read-out under the mouse, or nothing.
    void showReadout(int position, int value);
    void hideReadout();

signals:
    // A field's number was committed (Enter, leaving the field, the arrows).
    void typed(int position, int value);

protected:
    void enterEvent(QEnterEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The read-out's text in the room it has: with its words, without
    // them, or not at all.
    void fitReadout();

    QSpinBox* m_position;
    QSpinBox* m_value;
    QLabel* m_readout;
    bool m_readoutShown = false;
    int m_readoutPosition = 0;
    int m_readoutValue = 0;
};

}  // namespace fg
