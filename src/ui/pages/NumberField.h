#pragma once
// A page's numeric field: an integer with up-down arrows bound to the
// field's range. It shows a stored value as it is, even outside the range
// (a file may hold one); what the user types is taken whole, stored within
// the range at once and shown within it when the field is left or Enter is
// pressed. The arrows step into the range and stop at its ends.

#include <QSpinBox>

namespace fg {

class NumberField : public QSpinBox {
    Q_OBJECT

public:
    NumberField(int lowest, int highest, QWidget* parent);

    int lowest() const { return m_lowest; }
    int highest() const { return m_highest; }

    // Shows `value` unchanged, without an edit and without typed text.
    void showValue(int value);

    // Whether the field keeps the text-editing keys (undo, redo, copy,
    // paste) for its own text: only while it holds typed text not yet
    // committed, or a selection the user made.
    bool keepsEditingKeys() const;

signals:
    // A value the user typed or stepped to, already within the range.
    void edited(int value);

public:
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    int bounded(long long value) const;
    void commit();
    // A selection the field made itself (after a step, Enter or Tab).
    void selectedByField();

    int m_lowest;
    int m_highest;
    bool m_showing = false;
    int m_last = 0;  // the value last shown or edited
    bool m_typed = false;
    bool m_ownSelection = false;
};

}  // namespace fg
