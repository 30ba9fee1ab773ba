#include "ui/dialogs/DialogParts.h"

#include <QCoreApplication>
#include <QDialog>
#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace fg {

QSpinBox* numberBox(const char* objectName, SpinRange range, int value) {
    auto* box = new QSpinBox;
    box->setObjectName(QString::fromLatin1(objectName));
    box->setRange(range.min, range.max < range.min ? range.min : range.max);
    box->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    // Room for four digits and a sign whatever the range, so that the boxes
    // of a dialog line up and none cuts its number.
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("-99999")) + 32);
    box->setValue(value);
    return box;
}

QDialogButtonBox* dialogButtons(QDialog* dialog, bool withCancel) {
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QCoreApplication::translate("fg::DialogParts", "OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    if (withCancel) {
        buttons->addButton(QCoreApplication::translate("fg::DialogParts", "キャンセル"), QDialogButtonBox::RejectRole)
            ->setObjectName(QStringLiteral("cancel"));
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

namespace {

// The window icon and the minimise, maximise and close buttons with their
// gaps, as wide as the common window managers draw them.
constexpr int kTitleBarAllowance = 140;

}  // namespace

int titleBarWidth(const QString& title, const QFont& font) {
    QFont bold = font;
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(title) + kTitleBarAllowance;
}

void fitTitle(QWidget* window) {
    const int needed = titleBarWidth(window->windowTitle(), window->font());
    if (auto* box = qobject_cast<QBoxLayout*>(window->layout());
        box != nullptr && (box->direction() == QBoxLayout::TopToBottom || box->direction() == QBoxLayout::BottomToTop)) {
        // A strut widens the layout's own size hint, which a fixed-size
        // layout would otherwise force on the window.
        const QMargins margins = box->contentsMargins();
        box->addStrut(needed - margins.left() - margins.right());
        return;
    }
    window->setMinimumWidth(std::max(window->minimumWidth(), needed));
}

void chainTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous != nullptr) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

}  // namespace fg
