#pragma once
// The row of eight small picture buttons under a panel's title (26 × 20
// each), with our own drawn pictures: a normal face and a pressed one.

#include <QAbstractButton>
#include <QKeySequence>
#include <QPixmap>

namespace fg {

enum class ButtonPicture {
    AddBelow,
    AddChild,
    Duplicate,
    Delete,
    MoveDown,
    MoveUp,
    MakeChild,
    MakeParent,
    Plus,
    Cross,
    Disk,
    Mirror,
    Empty,
};

class PanelButton : public QAbstractButton {
    Q_OBJECT

public:
    static constexpr int kWidth = 26;
    static constexpr int kHeight = 20;
    static constexpr int kTop = 18;

    // The button at `position` (0 … 7) of the row; `help` is its status-line
    // text and its tool tip.
    PanelButton(ButtonPicture picture, int position, const QString& help, QWidget* parent);
    ButtonPicture picture() const { return m_picture; }
    // The panel's key that does what the button does, named in the tool tip.
    void setKey(const QKeySequence& key);
    QSize sizeHint() const override { return {kWidth, kHeight}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ButtonPicture m_picture;
    QString m_help;
    QPixmap m_normal;
    QPixmap m_pressed;
};

// One face of a button, 26 × 20.
QPixmap panelButtonFace(ButtonPicture picture, bool pressed);

}  // namespace fg
