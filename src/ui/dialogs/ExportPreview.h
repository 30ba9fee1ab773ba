#pragma once
// The export dialog's picture of the layout: one cell per exported image,
// the sheet fitted into the area with its own aspect, or a single cell for
// separate files.

#include <QWidget>

namespace fg {

class ExportPreview : public QWidget {
    Q_OBJECT
public:
    static constexpr int kInset = 8;
    static constexpr int kSingleCell = 160;

    explicit ExportPreview(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {256, 176}; }

    // A sheet of `images` cells, `columns` across and `rows` down, each
    // frameWidth × frameHeight; or, with `separate`, one cell.
    void showLayout(int images, int columns, int rows, int frameWidth, int frameHeight, bool separate);
    // Where the sheet (or the single cell) is drawn.
    QRectF sheetRect() const;
    int cellsDrawn() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_images = 0;
    int m_columns = 1;
    int m_rows = 0;
    int m_frameWidth = 1;
    int m_frameHeight = 1;
    bool m_separate = false;
};

}  // namespace fg
