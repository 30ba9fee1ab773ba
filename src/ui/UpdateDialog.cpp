#include "ui/UpdateDialog.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ProgramSettings.h"

namespace fg {

UpdateDialog::UpdateDialog(const QString& versionLine, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("updateDialog"));
    setWindowTitle(app::updateTexts::dialogTitle());
    auto* layout = new QVBoxLayout(this);
    auto* question = new QLabel(app::updateTexts::question());
    question->setObjectName(QStringLiteral("question"));
    auto* versions = new QLabel(versionLine);
    versions->setObjectName(QStringLiteral("versionLine"));
    m_doNotTell = new QCheckBox(app::updateTexts::doNotTellAgain());
    m_doNotTell->setObjectName(QStringLiteral("doNotTellAgain"));
    auto* buttons = new QDialogButtonBox;
    QPushButton* accept = buttons->addButton(app::updateTexts::accept(), QDialogButtonBox::AcceptRole);
    accept->setObjectName(QStringLiteral("accept"));
    accept->setDefault(true);
    QPushButton* decline = buttons->addButton(app::updateTexts::decline(), QDialogButtonBox::RejectRole);
    decline->setObjectName(QStringLiteral("decline"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(question);
    layout->addWidget(versions);
    layout->addWidget(m_doNotTell);
    layout->addWidget(buttons);
}

bool UpdateDialog::doNotTellAgain() const { return m_doNotTell->isChecked(); }

UpdateFlow::UpdateFlow(QWidget* window, UpdateSettings settings, std::chrono::milliseconds timeout)
    : QObject(window), m_window(window), m_settings(std::move(settings)),
      m_check(m_settings.versionFile, m_settings.currentVersion, timeout) {
    connect(&m_check, &app::UpdateCheck::decided, this, &UpdateFlow::present);
}

void UpdateFlow::checkAtStartUp() { m_check.start(app::UpdateCheck::Occasion::StartUp, m_settings.ignoredVersion); }

void UpdateFlow::checkFromMenu() { m_check.start(app::UpdateCheck::Occasion::Menu); }

void UpdateFlow::present(const app::UpdateDecision& decision) {
    switch (decision.kind) {
    case app::UpdateDecision::Kind::Nothing: break;
    case app::UpdateDecision::Kind::Tell:
        QMessageBox::information(m_window, app::updateTexts::caption(), decision.message);
        break;
    case app::UpdateDecision::Kind::Ask: {
        UpdateDialog dialog(decision.versionLine, m_window);
        if (dialog.exec() == QDialog::Accepted) {
            QDesktopServices::openUrl(m_settings.downloadPage);
        } else if (dialog.doNotTellAgain()) {
            // Unwritten, the choice holds for this session and the next start asks again.
            (void)app::saveIgnoredVersion(m_settings.dataPrm, decision.newVersion);
            m_settings.ignoredVersion = decision.newVersion;
        }
        break;
    }
    }
    emit presented(decision);
}

}  // namespace fg
