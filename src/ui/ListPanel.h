#pragma once
// The common frame of the node and material panels: a title strip, a row of
// eight picture buttons and below them a list of fixed-height rows with a
// vertical scrollbar at the right, shown only while the rows do not fit.
// Subclasses paint the rows.

#include <QWidget>
#include <vector>

#include "ui/PanelButtons.h"
#include "ui/WheelSteps.h"

class QScrollBar;

namespace fg {

class ListPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTitleHeight = 18;
    static constexpr int kListTop = 38;
    static constexpr int kScrollbarX = 196;
    static constexpr int kScrollbarWidth = 14;

    ListPanel(const QString& name, const QString& title, int rowHeight, QWidget* parent);

    QScrollBar* scrollBar() const { return m_scrollBar; }
    int scrollOffset() const;
    PanelButton* button(int position) const { return m_buttons.at(static_cast<std::size_t>(position)); }
    int rowHeight() const { return m_rowHeight; }
    // The row under panel point y (may be past the list), or -1 above it.
    int rowAt(int y) const;

protected:
    PanelButton* addButton(ButtonPicture picture, const QString& help);
    // The list holds `rows` rows: the scroll range follows.
    void setRowCount(int rows);
    // Scrolls so that `row` is fully shown.
    void scrollToRow(int row);
    // Paints the rows; the painter's origin is the top of row 0 and the
    // visible part is `visible` (in those coordinates).
    virtual void paintRows(QPainter& painter, const QRect& visible) = 0;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void updateRange();

    QString m_title;
    int m_rowHeight;
    int m_rows = 0;
    QScrollBar* m_scrollBar;
    std::vector<PanelButton*> m_buttons;
    WheelSteps m_wheel;
};

}  // namespace fg
