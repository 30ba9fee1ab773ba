#include "ui/pages/NumberField.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <limits>

namespace fg {

NumberField::NumberField(int lowest, int highest, QWidget* parent)
    : QSpinBox(parent), m_lowest(lowest), m_highest(highest) {
    // The spin box itself takes any whole number (and a sign), so that a
    // stored value shows as it is and no keystroke is refused for the
    // range's sake; the range is kept here.
    setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    // The spin box also reports an unchanged value (on Enter); that is no
    // edit, and must not bring a shown value into the range.
    connect(this, &QSpinBox::valueChanged, this, [this](int value) {
        if (m_showing || value == m_last) return;
        m_last = value;
        emit edited(bounded(value));
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        m_typed = true;
        m_ownSelection = false;
    });
    // Any change of the selection is the user's, unless the field marks
    // it as its own right after making it.
    connect(lineEdit(), &QLineEdit::selectionChanged, this, [this] { m_ownSelection = false; });
    connect(this, &QAbstractSpinBox::editingFinished, this, &NumberField::commit);
}

int NumberField::bounded(long long value) const {
    return static_cast<int>(std::clamp<long long>(value, m_lowest, m_highest));
}

void NumberField::showValue(int value) {
    m_showing = true;
    setValue(value);
    m_showing = false;
    m_last = value;
    m_typed = false;
}

bool NumberField::keepsEditingKeys() const {
    return m_typed || (lineEdit()->hasSelectedText() && !m_ownSelection);
}

void NumberField::commit() {
    // Only typed text is brought into the range: a stored value outside it
    // stays as it is when the field is merely entered and left.
    if (!m_typed) return;
    m_typed = false;
    const int within = bounded(value());
    if (within != value()) setValue(within);
}

void NumberField::stepBy(int steps) {
    m_typed = false;
    const int from = value();
    // No step away from the range (stepUp() and stepDown() do not ask
    // whether the arrow is enabled).
    if ((steps > 0 && from >= m_highest) || (steps < 0 && from <= m_lowest)) return;
    long long to = static_cast<long long>(from) + static_cast<long long>(steps) * singleStep();
    // From outside the range a step toward it lands on its nearer end.
    to = std::clamp<long long>(to, m_lowest, m_highest);
    setValue(static_cast<int>(to));
    // As the spin box does after a step: the value selected, ready to be
    // typed over; a selection of the field's own, not the user's.
    lineEdit()->selectAll();
    selectedByField();
}

QAbstractSpinBox::StepEnabled NumberField::stepEnabled() const {
    if (isReadOnly()) return StepNone;
    StepEnabled enabled = StepNone;
    if (value() < m_highest) enabled |= StepUpEnabled;
    if (value() > m_lowest) enabled |= StepDownEnabled;
    return enabled;
}

void NumberField::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QSpinBox::keyPressEvent(event);
    if (enter) selectedByField();
}

void NumberField::focusInEvent(QFocusEvent* event) {
    QSpinBox::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) selectedByField();
}

void NumberField::selectedByField() { m_ownSelection = lineEdit()->hasSelectedText(); }

}  // namespace fg
