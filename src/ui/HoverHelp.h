#pragma once
// The help line: whenever the mouse enters a control of one window, the
// control's help text (empty for a control without one) is announced for
// the status panel. Controls inside `quiet` (the status panel itself) leave
// the last text in place. A button shows its help as its tool tip too.

#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace fg {

class HoverHelp : public QObject {
    Q_OBJECT

public:
    // Watches the controls of `window` through an application-wide filter.
    HoverHelp(QWidget* window, QWidget* quiet, QObject* parent = nullptr);
    ~HoverHelp() override;

    // A button's tool tip becomes the same text (its accessible name when
    // the text is empty), with `key` when it has one: the tip is there where
    // the status line is out of sight.
    static void setHelpText(QWidget* control, const QString& text, const QKeySequence& key = {});
    static QString helpText(const QWidget* control);
    // "上書き保存(&S)" and Ctrl+S give "上書き保存 (Ctrl+S)": the text without
    // its mnemonic, then the key as this platform writes it.
    static QString toolTipText(QString text, const QKeySequence& key = {});

signals:
    void helpChanged(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool watches(const QWidget* control) const;
    void announce(const QWidget* control);

    QPointer<QWidget> m_window;
    QPointer<QWidget> m_quiet;
    // The mouse left this control's child and entered nothing new: it is
    // back over this control (or outside the window, when it is null).
    QPointer<QWidget> m_returnedTo;
};

}  // namespace fg
