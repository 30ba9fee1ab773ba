#pragma once
// "視点リスト": the project's saved viewpoints, one row each, and the
// "＜追加＞" row that stores the current camera. A click on a row moves the
// camera there, a click on its "×" removes it. Modeless and resizable; the
// main window keeps at most one.

#include <QDialog>
#include <QWidget>

#include "ui/PanelColours.h"

class QScrollBar;

namespace fg {

class Editor;

// The painted rows.
class ViewListRows : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowPitch = 25;
    static constexpr int kRowHeight = 20;
    static constexpr int kDeleteWidth = 20;

    ViewListRows(Editor& editor, const PanelColours& colours, QScrollBar* scrollBar, QWidget* parent = nullptr);

    // The entry under y (widget coordinates), or -1 between and below rows.
    int rowAt(int y) const;
    // The rectangle of row `index` and of its "×" as they are drawn now.
    QRect rowRect(int index) const;
    QRect deleteRect(int index) const;
    void updateScrollRange();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int offset() const;

    Editor& m_editor;
    PanelColours m_colours;
    QScrollBar* m_scrollBar;
};

class ViewListWindow : public QDialog {
    Q_OBJECT
public:
    ViewListWindow(Editor& editor, const PanelColours& colours, QWidget* parent = nullptr);

    ViewListRows* rows() const { return m_rows; }

private:
    ViewListRows* m_rows = nullptr;
};

}  // namespace fg
