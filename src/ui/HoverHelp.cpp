#include "ui/HoverHelp.h"

#include <QCoreApplication>
#include <QEvent>
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

bool HoverHelp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Enter || !watched->isWidgetType()) return false;
    auto* control = static_cast<QWidget*>(watched);
    if (m_window == nullptr || control->window() != m_window) return false;
    if (m_quiet != nullptr && (control == m_quiet || m_quiet->isAncestorOf(control))) return false;
    // Entering a window passes through its ancestors first; the control
    // entered last is the one under the mouse.
    emit helpChanged(helpText(control));
    return false;
}

}  // namespace fg
