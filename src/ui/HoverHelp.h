#pragma once
// The help line: whenever the mouse enters a control of one window, the
// control's help text (empty for a control without one) is announced for
// the status panel. Controls inside `quiet` (the status panel itself) leave
// the last text in place.

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

    static void setHelpText(QWidget* control, const QString& text);
    static QString helpText(const QWidget* control);

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
