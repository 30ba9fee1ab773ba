#pragma once
// "履歴リスト": the edit history as a list of labels, one 25-pixel row per
// entry. Entries up to the current one are white, the redoable ones grey,
// and the current row is highlighted. A click on a row undoes or redoes up
// to it; Up and Down step one entry back or forward, Enter jumps to the
// row the keyboard cursor is on (Home, End, Page Up and Page Down move it).
// The window follows every change of the history, keeping the current row
// in view.

#include <QListView>
#include <QWidget>

#include "ui/WheelSteps.h"

class QScrollBar;

namespace fg {

class Editor;
class HistoryListModel;

// The list inside the window. Rows start 5 pixels above the window's top,
// as the highlight reaches above its label, and the list scrolls on until
// the last row stands 30 pixels above the bottom.
class HistoryListView : public QListView {
    Q_OBJECT

public:
    explicit HistoryListView(QWidget* parent = nullptr);

signals:
    // A click or Enter chose `row`.
    void rowChosen(int row);
    // Up (-1) or Down (+1).
    void stepChosen(int step);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void updateGeometries() override;
};

class HistoryWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRowHeight = 25;
    static constexpr int kScrollbarWidth = 14;

    explicit HistoryWindow(Editor& editor, QWidget* parent = nullptr);

    HistoryListView* listView() const { return m_view; }
    QScrollBar* scrollBar() const;
    int scrollOffset() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void follow();

    Editor& m_editor;
    HistoryListModel* m_model;
    HistoryListView* m_view;
    WheelSteps m_wheel;
};

}  // namespace fg
