#include "UiTestSupport.h"

#include <QFileInfo>
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
    const QString wanted = QFileInfo(path).absoluteFilePath();
    int held = 0;
    for (int tries = 0; tries < 200 && held < 3; ++tries) {
        dialog->selectFile(path);
        QTest::qWait(25);
        const QStringList chosen = dialog->selectedFiles();
        held = (!chosen.isEmpty() && QFileInfo(chosen.front()).absoluteFilePath() == wanted) ? held + 1 : 0;
    }
    static_cast<QDialog*>(dialog)->accept();  // as the dialog's own button does
}

void cancelModalAnswers() {
    for (QTimer* poll : qApp->findChildren<QTimer*>(QStringLiteral("fgModalPoll"), Qt::FindDirectChildrenOnly)) {
        poll->stop();
        delete poll;
    }
}

}  // namespace fg::test
