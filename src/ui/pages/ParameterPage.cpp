#include "ui/pages/ParameterPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>
#include <cmath>

#include "app/Editor.h"
#include "model/Node.h"
#include "model/NodeFields.h"
#include "ui/HoverHelp.h"
#include "ui/PanelFont.h"
#include "ui/pages/CurveThumbnail.h"
#include "ui/pages/NumberField.h"

namespace fg {
namespace {

constexpr int kFontPoints = 9;
const QColor kDisabledText(100, 100, 100);

int wholeOf(float value) {
    if (!std::isfinite(value)) return 0;
    return static_cast<int>(std::trunc(std::clamp(value, -1.0e6f, 1.0e6f)));
}

QStringList itemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items.append(box->itemText(i));
    return items;
}

}  // namespace

QPalette paletteForWindow(const QWidget* from) {
    const QPalette source = from->palette();
    QPalette copy;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            if (r == QPalette::NoRole) continue;
            copy.setColor(g, r, source.color(g, r));
        }
    }
    return copy;
}

ParameterPage::ParameterPage(Editor& editor, std::function<void(int)> openCurve, QWidget* parent)
    : QWidget(parent), m_editor(editor), m_openCurve(std::move(openCurve)) {
    setFont(panelFont(kFontPoints));
    QPalette colours = palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        colours.setColor(QPalette::Disabled, role, kDisabledText);
    }
    setPalette(colours);
    setAutoFillBackground(true);
    // A click on the page's empty space takes the focus from a field, which
    // commits it and gives the window's shortcuts back.
    setFocusPolicy(Qt::ClickFocus);
    resize(kWidth, kHeight);
}

int ParameterPage::tenthsOf(float value) { return wholeOf(value * 10.0f); }

float ParameterPage::fromTenths(int tenths) { return static_cast<float>(tenths) / 10.0f; }

Node* ParameterPage::node() const { return m_editor.state().tree.selected(); }

void ParameterPage::fill() {
    Node* selected = node();
    setEnabled(selected != nullptr);
    if (selected == nullptr) return;
    m_filling = true;
    for (const auto& load : m_loaders) load(*selected);
    refresh(*selected);
    m_filling = false;
}

void ParameterPage::refresh(const Node&) {}

void ParameterPage::changed() {
    if (Node* selected = node()) refresh(*selected);
}

NumberField* ParameterPage::number(FieldId id, const QString& help) {
    const NodeField& row = nodeField(id);
    Q_ASSERT(row.type != FieldType::Text && row.unit != FieldUnit::Flag && row.unit != FieldUnit::Choice);
    const int minimum = row.minimum;
    const int maximum = row.maximum;
    auto* field = new NumberField(minimum, maximum, this);
    field->setObjectName(QString::fromUtf8(row.key));
    field->setAlignment(Qt::AlignRight);
    field->setAccelerated(true);
    // Room for the longest value the field takes, and the arrows.
    const int digits = static_cast<int>(
        std::max(QString::number(minimum).size(), QString::number(maximum).size()));
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('0'))) + 30);
    // The help belongs to the field and to the text part inside it, which
    // is what the mouse enters last.
    HoverHelp::setHelpText(field, help);
    if (auto* text = field->findChild<QLineEdit*>()) HoverHelp::setHelpText(text, help);

    const bool isFloat = row.type == FieldType::Float;
    const bool tenths = row.unit == FieldUnit::Tenths;
    m_loaders.push_back([field, &row, isFloat, tenths](Node& n) {
        if (!isFloat) {
            field->showValue(intField(n, row));
        } else {
            const float value = floatField(n, row);
            field->showValue(tenths ? tenthsOf(value) : wholeOf(value));
        }
    });
    // Every whole value typed or stepped to is applied at once, within the
    // range; text that is not a number never gets here (the field puts its
    // value back when it loses focus or Enter is pressed).
    connect(field, &NumberField::edited, this, [this, &row, isFloat, tenths](int value) {
        if (m_filling) return;
        if (isFloat) {
            m_editor.editFloat(row, tenths ? fromTenths(value) : static_cast<float>(value));
        } else {
            m_editor.editInt(row, value);
        }
        changed();
    });
    return field;
}

QCheckBox* ParameterPage::check(FieldId id, const QString& text, const QString& help) {
    const NodeField& row = nodeField(id);
    Q_ASSERT(row.unit == FieldUnit::Flag);
    auto* box = new QCheckBox(text, this);
    box->setObjectName(QString::fromUtf8(row.key));
    HoverHelp::setHelpText(box, help);
    m_loaders.push_back([box, &row](Node& n) { box->setChecked(intField(n, row) != 0); });
    connect(box, &QAbstractButton::clicked, this, [this, &row](bool checked) {
        if (m_filling) return;
        m_editor.editInt(row, checked ? 1 : 0);
        changed();
    });
    return box;
}

QComboBox* ParameterPage::list(FieldId id, std::function<QStringList()> entries, const QString& help) {
    const NodeField& row = nodeField(id);
    Q_ASSERT(row.unit == FieldUnit::Choice);
    const int firstValue = row.minimum;
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromUtf8(row.key));
    HoverHelp::setHelpText(box, help);
    m_loaders.push_back([box, &row, entries = std::move(entries), firstValue](Node& n) {
        // The entries may have changed with the materials.
        const QStringList items = entries();
        if (itemsOf(box) != items) {
            box->clear();
            box->addItems(items);
        }
        const int index = intField(n, row) - firstValue;
        box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
    });
    connect(box, &QComboBox::activated, this, [this, &row, firstValue](int index) {
        if (m_filling || index < 0) return;
        m_editor.editInt(row, firstValue + index);
        changed();
    });
    return box;
}

QComboBox* ParameterPage::list(FieldId id, const QStringList& entries, const QString& help) {
    return list(id, [entries] { return entries; }, help);
}

std::vector<QRadioButton*> ParameterPage::radios(FieldId id, const QStringList& labels, const QStringList& helps) {
    const NodeField& row = nodeField(id);
    Q_ASSERT(row.unit == FieldUnit::Choice && row.minimum == 0);
    auto* buttons = new QButtonGroup(this);
    std::vector<QRadioButton*> made;
    for (int i = 0; i < labels.size(); ++i) {
        auto* button = new QRadioButton(labels[i], this);
        button->setObjectName(QStringLiteral("%1:%2").arg(QString::fromUtf8(row.key)).arg(i));
        if (i < helps.size()) HoverHelp::setHelpText(button, helps[i]);
        buttons->addButton(button, i);
        made.push_back(button);
    }
    m_loaders.push_back([buttons, &row](Node& n) {
        QAbstractButton* chosen = buttons->button(intField(n, row));
        if (chosen != nullptr) {
            chosen->setChecked(true);
        } else if (QAbstractButton* shown = buttons->checkedButton()) {
            // A value no radio stands for: none is checked.
            buttons->setExclusive(false);
            shown->setChecked(false);
            buttons->setExclusive(true);
        }
    });
    connect(buttons, &QButtonGroup::idClicked, this, [this, &row](int value) {
        if (m_filling) return;
        m_editor.editInt(row, value);
        changed();
    });
    return made;
}

CurveThumbnail* ParameterPage::curve(int index, const QString& caption, const QString& help) {
    auto* thumbnail = new CurveThumbnail(m_editor, index, caption, this);
    HoverHelp::setHelpText(thumbnail, help);
    m_loaders.push_back([thumbnail](Node&) { thumbnail->update(); });
    connect(thumbnail, &QAbstractButton::clicked, this, [this, index] {
        if (m_openCurve) m_openCurve(index);
    });
    return thumbnail;
}

QLabel* ParameterPage::label(const QString& text) { return new QLabel(text, this); }

QGroupBox* ParameterPage::group(const QString& title, QGridLayout*& grid) {
    auto* box = new QGroupBox(title, this);
    grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);
    return box;
}

}  // namespace fg
