#pragma once
// A parameter page: the controls of one parameter group of the selected
// node, each bound to its row of the node-field table. Filling shows the
// node's values and never edits; every change a user makes goes to the
// Editor's edit commands, after which the page applies its enabling rules.

#include <QPalette>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <string_view>
#include <vector>

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

// The row of the node-field table with this key (a key every page uses;
// a missing one is a programming error and stops the program).
const NodeField& fieldRow(std::string_view key);

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

    // A numeric field with up-down arrows over `minimum` … `maximum`; a
    // float field shows and takes tenths when `tenths` is set, whole units
    // otherwise.
    NumberField* number(std::string_view key, int minimum, int maximum, const QString& help, bool tenths = false);
    QCheckBox* check(std::string_view key, const QString& label, const QString& help);
    // Entry i stores firstValue + i; `entries` is asked again at every fill.
    QComboBox* list(std::string_view key, std::function<QStringList()> entries, const QString& help,
                    int firstValue = 0);
    QComboBox* list(std::string_view key, const QStringList& entries, const QString& help);
    // Radio i stores i.
    std::vector<QRadioButton*> radios(std::string_view key, const QStringList& labels, const QStringList& helps);
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
