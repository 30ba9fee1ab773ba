#include "UiTestSupport.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>

#include <cstdlib>

namespace fg::test {
namespace {

// One QApplication for the whole test program, on the offscreen platform
// unless the caller chose another.
class QtApplication : public ::testing::Environment {
public:
    void SetUp() override {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        m_app = std::make_unique<QApplication>(m_argc, m_argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[9] = "ui_tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_app;
};

[[maybe_unused]] ::testing::Environment* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplication);

}  // namespace

// The dialog answered last: it may still be the active modal widget for a
// moment after its answer, and a nested answer must wait for the next one.
QPointer<QWidget>& lastAnswered() {
    static QPointer<QWidget> widget;
    return widget;
}

void answerNextModal(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer(qApp);
    poll->setObjectName(QStringLiteral("fgModalPoll"));
    poll->setInterval(10);
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, tries, answer = std::move(answer)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal == lastAnswered().data()) modal = nullptr;
        if (modal == nullptr && ++*tries < 500) return;
        poll->stop();
        poll->deleteLater();
        if (modal == nullptr) return;
        lastAnswered() = modal;
        answer(modal);
    });
    poll->start();
}

}  // namespace fg::test

namespace fg::test {

void chooseFile(QFileDialog* dialog, const QString& path) {
    // As a user does it: go to the folder, type the name, press OK. The
    // dialog is closed at once rather than through accept(), which checks
    // the name against a folder model that loads in the background and, on a
    // busy machine, is not ready yet.
    const QFileInfo file(path);
    dialog->setDirectory(file.absolutePath());
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(file.fileName());
    static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
}

void cancelModalAnswers() {
    for (QTimer* poll : qApp->findChildren<QTimer*>(QStringLiteral("fgModalPoll"), Qt::FindDirectChildrenOnly)) {
        poll->stop();
        delete poll;
    }
}

}  // namespace fg::test
