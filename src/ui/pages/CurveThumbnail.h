#pragma once
// A curve button on a parameter page: the small picture of one curve of the
// selected node with its caption. A click opens the curve window on it; a
// right click opens the curve's copy and paste menu.

#include <QAbstractButton>

namespace fg {

class Editor;

class CurveThumbnail : public QAbstractButton {
    Q_OBJECT

public:
    static constexpr int kWidth = 100;
    static constexpr int kCurveHeight = 44;
    static constexpr int kCaptionHeight = 16;  // the caption's strip above the curve

    CurveThumbnail(Editor& editor, int curveIndex, const QString& caption, QWidget* parent);
    int curveIndex() const { return m_index; }
    // The caption (" 赤", "底半径"; may be empty) stands above the curve.
    void setCaption(const QString& caption);

signals:
    // The curve was replaced by a paste on this button.
    void pasted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    Editor& m_editor;
    int m_index;
};

}  // namespace fg
