#include "ui/HoverHelp.h"

#include <QCoreApplication>
#include <QEvent>
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

void HoverHelp::setHelpText(QWidget* control, const QString& text) { control->setProperty(kHelpProperty, text); }

QString HoverHelp::helpText(const QWidget* control) { return control->property(kHelpProperty).toString(); }

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
