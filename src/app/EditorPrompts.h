#pragma once
// The questions and dialogs an editor command needs from the person at the
// window. The window implements them with message boxes and file dialogs;
// tests answer them directly. The texts are chosen by the implementation.

#include <optional>
#include <string>

#include "model/Message.h"

namespace fg {

enum class SaveAnswer { Yes, No, Cancel };

class EditorPrompts {
public:
    virtual ~EditorPrompts() = default;
    // "The data has changed. Save it?" with Yes / No / Cancel.
    virtual SaveAnswer askSaveChanges() = 0;
    // The save dialog; nothing when it was cancelled.
    virtual std::optional<std::string> askSavePath() = 0;
    // The open dialog; nothing when it was cancelled.
    virtual std::optional<std::string> askOpenPath() = 0;
    // A recent entry's file is gone: remove it from the list? Yes / No.
    virtual bool askRemoveMissingRecent(const std::string& path) = 0;
    // "元に戻す（保存時の状態）": throw the unsaved changes away and open
    // `path` again? Yes / No.
    virtual bool askRevertToSaved(const std::string& path) = 0;
    // A failed command, with its message and caption, put into words by the
    // implementation.
    virtual void showError(const Message& message, const Message& caption) = 0;
    // Material `name`, which `users` nodes use, is about to be deleted: go on? Yes / No.
    virtual bool askDeleteUsedMaterial(const std::string& name, int users) = 0;
    // The file material `name` was read from has changed: read it again? Yes / No.
    virtual bool askReloadMaterial(const std::string& name) = 0;
};

}  // namespace fg
