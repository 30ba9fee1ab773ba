#pragma once
// "履歴リスト": the edit history as a list of labels, one 25-pixel row per
// entry. Entries up to the current one are white, the redoable ones grey,
// and the current row is highlighted. A click on a row undoes or redoes up
// to it. The window follows every new entry.

#include <QWidget>

#include "ui/WheelSteps.h"

class QScrollBar;

namespace fg {

class Editor;

class HistoryWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRowHeight = 25;
    static constexpr int kScrollbarWidth = 14;

    explicit HistoryWindow(Editor& editor, QWidget* parent = nullptr);

    QScrollBar* scrollBar() const { return m_scrollBar; }
    int scrollOffset() const;
    // The entry under window point y (may be past the list).
    int rowAt(int y) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void follow();
    void updateRange();

    Editor& m_editor;
    QScrollBar* m_scrollBar;
    WheelSteps m_wheel;
};

}  // namespace fg
