#include "ui/HoverHelp.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QRegularExpression>
#include <QTimer>
#include <QVariant>
#include <QWidget>

namespace fg {
namespace {

constexpr const char* kHelpProperty = "fgHelpText";

}  // namespace

HoverHelp::HoverHelp(QWidget* window, QWidget* quiet, QObject* parent)
    : QObject(parent), m_window(window), m_quiet(quiet) {
    QCoreApplication::instance()->installEventFilter(this);
}

HoverHelp::~HoverHelp() {
    if (QCoreApplication::instance() != nullptr) QCoreApplication::instance()->removeEventFilter(this);
}

void HoverHelp::setHelpText(QWidget* control, const QString& text, const QKeySequence& key) {
    control->setProperty(kHelpProperty, text);
    // A button without help of its own is named by its accessible name.
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setToolTip(toolTipText(text.isEmpty() ? button->accessibleName() : text, key));
    }
}

QString HoverHelp::helpText(const QWidget* control) { return control->property(kHelpProperty).toString(); }

QString HoverHelp::toolTipText(QString text, const QKeySequence& key) {
    // A Japanese label names its mnemonic in brackets, "保存(&S)": they go.
    static const QRegularExpression bracketed(QStringLiteral("\\(&[^&]\\)"));
    text.remove(bracketed);
    // An English one marks a letter, "&Save"; "&&" is a real "&".
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        shown += text[i];
    }
    if (shown.isEmpty() || key.isEmpty()) return shown;
    return QStringLiteral("%1 (%2)").arg(shown, key.toString(QKeySequence::NativeText));
}

bool HoverHelp::watches(const QWidget* control) const {
    return m_window != nullptr && control->window() == m_window;
}

void HoverHelp::announce(const QWidget* control) {
    if (m_quiet != nullptr && (control == m_quiet || m_quiet->isAncestorOf(control))) return;
    emit helpChanged(helpText(control));
}

bool HoverHelp::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) return false;
    auto* control = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::Enter) {
        m_returnedTo = nullptr;
        // Entering a window passes through its ancestors first; the control
        // entered last is the one under the mouse.
        if (watches(control)) announce(control);
    } else if (event->type() == QEvent::Leave && watches(control)) {
        // Moving from a control back onto its parent sends the parent no
        // Enter: the Leave says so, unless an Enter follows at once. Leaving
        // the window leaves the text as it is.
        m_returnedTo = control->isWindow() ? nullptr : control->parentWidget();
        QTimer::singleShot(0, this, [this] {
            if (m_returnedTo != nullptr) announce(m_returnedTo);
            m_returnedTo = nullptr;
        });
    }
    return false;
}

}  // namespace fg
