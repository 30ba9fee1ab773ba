#include "ui/DialogPrompts.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "model/EditorState.h"
#include "persistence/Messages.h"
#include "text/Format.h"
#include "text/Untitled.h"

namespace fg {
namespace {

QString programName() { return QString::fromUtf8(persistence_text::kProgramName); }

std::optional<std::string> chosenPath(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

}  // namespace

// Marks the prompts busy for the life of one question.
class DialogPrompts::Asking {
public:
    explicit Asking(DialogPrompts& prompts) : m_prompts(prompts), m_first(!prompts.m_asking) {
        m_prompts.m_asking = true;
    }
    ~Asking() {
        if (m_first) m_prompts.m_asking = false;
    }
    Asking(const Asking&) = delete;
    Asking& operator=(const Asking&) = delete;
    // False when another question was open already.
    bool first() const { return m_first; }

private:
    DialogPrompts& m_prompts;
    bool m_first;
};

DialogPrompts::DialogPrompts(QWidget* parent, std::function<QString()> saveFolder)
    : m_parent(parent), m_saveFolder(std::move(saveFolder)) {}

SaveAnswer DialogPrompts::askSaveChanges() {
    const Asking asking(*this);
    if (!asking.first()) return SaveAnswer::Cancel;
    const auto answer = QMessageBox::question(m_parent, programName(), tr("データが変更されています。\n保存しますか？"),
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                              QMessageBox::Yes);
    if (answer == QMessageBox::Yes) return SaveAnswer::Yes;
    if (answer == QMessageBox::No) return SaveAnswer::No;
    return SaveAnswer::Cancel;
}

std::unique_ptr<QFileDialog> DialogPrompts::makeSaveDialog() const {
    auto dialog = std::make_unique<QFileDialog>(m_parent);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(tr("Fulgrane3Dデータ(*.nbx)"));
    dialog->setDefaultSuffix(QStringLiteral("nbx"));
    dialog->setDirectory(m_saveFolder ? m_saveFolder() : QDir::homePath());
    dialog->selectFile(text::untitledFileName());
    return dialog;
}

std::unique_ptr<QFileDialog> DialogPrompts::makeOpenDialog() const {
    auto dialog = std::make_unique<QFileDialog>(m_parent);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilter(tr("Fulgrane3Dデータ(*.nbx)"));
    return dialog;
}

std::optional<std::string> DialogPrompts::askSavePath() {
    const Asking asking(*this);
    if (!asking.first()) return std::nullopt;
    return chosenPath(*makeSaveDialog());
}

std::optional<std::string> DialogPrompts::askOpenPath() {
    const Asking asking(*this);
    if (!asking.first()) return std::nullopt;
    return chosenPath(*makeOpenDialog());
}

bool DialogPrompts::askRemoveMissingRecent(const std::string&) {
    const Asking asking(*this);
    if (!asking.first()) return false;
    const QString question = text::format(persistence_text::message(persistence_text::kRecentNotFound));
    return QMessageBox::question(m_parent, programName(), question,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool DialogPrompts::askRevertToSaved(const std::string& path) {
    const Asking asking(*this);
    if (!asking.first()) return false;
    const QString question = tr("保存されていない変更を捨てて、最後に保存した状態に戻しますか？\n%1")
                                 .arg(QString::fromStdString(path));
    // Throwing work away is never the default.
    return QMessageBox::question(m_parent, programName(), question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void DialogPrompts::showError(const Message& message, const Message& caption) {
    // A failure is told even over another question: it asks nothing.
    const Asking asking(*this);
    QMessageBox::warning(m_parent, text::format(caption), text::format(message));
}

bool DialogPrompts::askDeleteUsedMaterial(const std::string& name, int users) {
    const Asking asking(*this);
    if (!asking.first()) return false;
    const QString material = QString::fromStdString(name);
    const QString question = users == 1
                                 ? tr("「%1」は1個のノードで使われています。\n削除しますか？").arg(material)
                                 : tr("「%1」は%2個のノードで使われています。\n削除しますか？").arg(material).arg(users);
    QMessageBox box(QMessageBox::Question, tr("確認"), question, QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setObjectName(QStringLiteral("materialDeleteQuestion"));
    // Nodes lose the material: a stray Enter keeps it.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool DialogPrompts::askReloadMaterial(const std::string& name) {
    const Asking asking(*this);
    if (!asking.first()) return false;
    const QString question =
        tr("「%1」の元のファイルが変更されています。\n読み込み直しますか？").arg(QString::fromStdString(name));
    QMessageBox box(QMessageBox::Question, programName(), question, QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setObjectName(QStringLiteral("materialReloadQuestion"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace fg
