#pragma once
// A parameter page: the controls of one parameter group of the selected
// node, each bound to its row of the node-field table, which gives the
// control its range and unit and names it by its key. Filling shows the
// node's values and never edits; every change a user makes goes to the
// Editor's edit commands, after which the page applies its enabling rules.

#include <QPalette>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

#include "model/FieldId.h"
#include "ui/pages/NumberField.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace fg {

class CurveThumbnail;
class Editor;
struct Node;
struct NodeField;

// The colours of `from` set explicitly on a palette, so that a separate
// window (the curve window, the direction picker) takes all of them.
QPalette paletteForWindow(const QWidget* from);

class ParameterPage : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 222;
    static constexpr int kHeight = 630;

    // `openCurve` opens the curve window on a curve of the selected node.
    ParameterPage(Editor& editor, std::function<void(int)> openCurve, QWidget* parent);

    // Shows the selected node's values (no node: the page is disabled).
    void fill();
    bool isFilling() const { return m_filling; }

    // The value a float field shows in a field counting tenths, and back.
    static int tenthsOf(float value);
    static float fromTenths(int tenths);

protected:
    Editor& editor() const { return m_editor; }
    // The selected node, or null.
    Node* node() const;

    // A numeric field with up-down arrows over the row's range; a float
    // row in tenths shows and takes tenths, any other float whole units.
    NumberField* number(FieldId id, const QString& help);
    QCheckBox* check(FieldId id, const QString& label, const QString& help);
    // Entry i stores the row's minimum + i; `entries` is asked again at
    // every fill.
    QComboBox* list(FieldId id, std::function<QStringList()> entries, const QString& help);
    QComboBox* list(FieldId id, const QStringList& entries, const QString& help);
    // Radio i stores i.
    std::vector<QRadioButton*> radios(FieldId id, const QStringList& labels, const QStringList& helps);
    CurveThumbnail* curve(int index, const QString& caption, const QString& help);

    QLabel* label(const QString& text);
    QGroupBox* group(const QString& title, QGridLayout*& grid);

    // The enabling rules and texts that follow the node's values; after
    // every fill and every change.
    virtual void refresh(const Node& node);
    // Called after a change made on this page.
    void changed();

private:
    Editor& m_editor;
    std::function<void(int)> m_openCurve;
    std::vector<std::function<void(Node&)>> m_loaders;
    bool m_filling = false;
};

}  // namespace fg
