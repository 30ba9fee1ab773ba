#include "ui/pages/CurveNumbers.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace fg {
namespace {

QSpinBox* numberField(const QString& name, int minimum, int step, QWidget* parent) {
    auto* field = new QSpinBox(parent);
    field->setObjectName(name);
    field->setRange(minimum, 100);
    field->setSingleStep(step);
    field->setSuffix(CurveNumbers::tr("％"));
    // A number moves the point when it is committed, not at every key.
    field->setKeyboardTracking(false);
    field->setEnabled(false);
    return field;
}

}  // namespace

CurveNumbers::CurveNumbers(bool speed, QWidget* parent)
    : QWidget(parent),
      m_position(numberField(QStringLiteral("curvePosition"), 0, 1, this)),
      m_value(numberField(QStringLiteral("curveValue"), speed ? -100 : 0, speed ? 2 : 1, this)),
      m_readout(new QLabel(this)) {
    setObjectName(QStringLiteral("curveNumbers"));
    m_readout->setObjectName(QStringLiteral("curveReadout"));
    // A narrow window cuts the read-out rather than the fields.
    m_readout->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(new QLabel(tr("位置"), this));
    layout->addWidget(m_position);
    layout->addSpacing(6);
    layout->addWidget(new QLabel(tr("値"), this));
    layout->addWidget(m_value);
    layout->addWidget(m_readout, 1);
    const auto commit = [this] { emit typed(m_position->value(), m_value->value()); };
    connect(m_position, &QSpinBox::valueChanged, this, commit);
    connect(m_value, &QSpinBox::valueChanged, this, commit);
}

void CurveNumbers::showPoint(int position, int value, bool positionEditable) {
    const QSignalBlocker quietPosition(m_position);
    const QSignalBlocker quietValue(m_value);
    m_position->setValue(position);
    m_value->setValue(value);
    m_position->setEnabled(positionEditable);
    m_value->setEnabled(true);
}

void CurveNumbers::showNoPoint() {
    m_position->setEnabled(false);
    m_value->setEnabled(false);
}

void CurveNumbers::showReadout(int position, int value) {
    m_readoutShown = true;
    m_readoutPosition = position;
    m_readoutValue = value;
    fitReadout();
}

void CurveNumbers::hideReadout() {
    m_readoutShown = false;
    m_readout->clear();
}

void CurveNumbers::fitReadout() {
    if (!m_readoutShown) return;
    const QString full = tr("位置 %1％  値 %2％").arg(m_readoutPosition).arg(m_readoutValue);
    const QString bare = tr("%1％, %2％").arg(m_readoutPosition).arg(m_readoutValue);
    const int room = m_readout->contentsRect().width();
    const QFontMetrics metrics = m_readout->fontMetrics();
    if (metrics.horizontalAdvance(full) <= room) {
        m_readout->setText(full);
    } else {
        m_readout->setText(metrics.horizontalAdvance(bare) <= room ? bare : QString());
    }
}

void CurveNumbers::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitReadout();
}

void CurveNumbers::enterEvent(QEnterEvent* event) {
    // The mouse has left the canvas for the fields.
    hideReadout();
    QWidget::enterEvent(event);
}

}  // namespace fg
