#pragma once
// The editor's questions as message boxes and file dialogs over the main
// window, one at a time: while one is open (its own event loop runs, and a
// window manager, a second window or a timer may still start a command), a
// second question is not asked but answered as cancelled, so the command
// that wanted it stops.

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>

#include "app/EditorPrompts.h"

class QFileDialog;
class QWidget;

namespace fg {

class DialogPrompts : public EditorPrompts {
    Q_DECLARE_TR_FUNCTIONS(fg::DialogPrompts)

public:
    // `saveFolder` gives the folder the save dialog starts in.
    DialogPrompts(QWidget* parent, std::function<QString()> saveFolder);

    SaveAnswer askSaveChanges() override;
    std::optional<std::string> askSavePath() override;
    std::optional<std::string> askOpenPath() override;
    bool askRemoveMissingRecent(const std::string& path) override;
    bool askRevertToSaved(const std::string& path) override;
    void showError(const Message& message, const Message& caption) override;
    bool askDeleteUsedMaterial(const std::string& name, int users) override;
    bool askReloadMaterial(const std::string& name) override;

    // Whether a question or file dialog is open now.
    bool isAsking() const { return m_asking; }

    // The dialogs as they are shown, for a look at their settings.
    std::unique_ptr<QFileDialog> makeSaveDialog() const;
    std::unique_ptr<QFileDialog> makeOpenDialog() const;

private:
    class Asking;

    QWidget* m_parent;
    std::function<QString()> m_saveFolder;
    bool m_asking = false;
};

}  // namespace fg
