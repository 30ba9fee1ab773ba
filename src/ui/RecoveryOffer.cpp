#include "ui/RecoveryOffer.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "app/Editor.h"
#include "persistence/Messages.h"

namespace fg {
namespace {

QString tr(const char* text) { return QCoreApplication::translate("fg::RecoveryOffer", text); }

}  // namespace

RecoveryAnswer askAboutRecovery(QWidget* parent, const RecoveryContent& copy) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(persistence_text::kProgramName),
                    tr("前回、保存されていない変更があります。復元しますか？"), QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("recoveryOffer"));
    const QString where = copy.origin.empty() ? QString::fromStdString(copy.fileName)
                                              : QString::fromStdString(copy.origin);
    box.setInformativeText(tr("プロジェクト: %1").arg(where));
    QPushButton* restore = box.addButton(tr("復元"), QMessageBox::AcceptRole);
    QPushButton* later = box.addButton(tr("後で"), QMessageBox::RejectRole);
    QPushButton* discard = box.addButton(tr("破棄"), QMessageBox::DestructiveRole);
    restore->setObjectName(QStringLiteral("restore"));
    later->setObjectName(QStringLiteral("later"));
    discard->setObjectName(QStringLiteral("discard"));
    box.setDefaultButton(restore);
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == restore) return RecoveryAnswer::Restore;
    if (box.clickedButton() == discard) return RecoveryAnswer::Discard;
    return RecoveryAnswer::Later;
}

RecoveryOutcome offerRecoveries(QWidget* parent, Editor& editor, std::vector<ClaimedCopy>& copies,
                                const std::function<bool()>& keep) {
    RecoveryOutcome outcome = RecoveryOutcome::None;
    for (ClaimedCopy& copy : copies) {
        if (outcome != RecoveryOutcome::None) {
            copy.release();
            continue;
        }
        switch (askAboutRecovery(parent, copy.content())) {
        case RecoveryAnswer::Restore:
            if (editor.document().restoreRecovered(copy.content())) {
                if (!keep || keep()) {
                    copy.remove();
                } else {
                    copy.release();
                }
                outcome = RecoveryOutcome::Restored;
            } else {
                // It stays: the next start asks again, and "破棄" lets it go.
                copy.release();
                outcome = RecoveryOutcome::Failed;
            }
            break;
        case RecoveryAnswer::Later: copy.release(); break;
        case RecoveryAnswer::Discard: copy.remove(); break;
        }
    }
    copies.clear();
    return outcome;
}

}  // namespace fg
