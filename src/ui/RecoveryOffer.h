#pragma once
// At start-up: the unsaved work that killed editors left behind, offered
// one copy at a time, newest first. "復元" (the default, Enter) opens the
// copy in this editor as the project it belongs to, with its changes
// unsaved; "後で" keeps it for the next start; "破棄" deletes it. Once one
// copy is restored the others wait for the next start.

#include <QString>
#include <functional>
#include <vector>

#include "persistence/RecoveryStore.h"

class QWidget;

namespace fg {

class Editor;

enum class RecoveryAnswer { Restore, Later, Discard };

// The question for one copy; Escape and closing the box mean "later".
RecoveryAnswer askAboutRecovery(QWidget* parent, const RecoveryContent& copy);

enum class RecoveryOutcome {
    None,      // nothing restored; the editor is as it was
    Restored,  // one copy is the editor's project now
    Failed,    // a copy could not be opened (the user was told why): the
               // effect is empty, and the copy stays for the next start
};
// Offers `copies` in order and lets go of every one of them. `keep` runs
// after a copy is restored: the editor writes its own copy of the restored
// work there, and only when that worked (true) is the old one deleted, so a
// crash in between loses nothing.
RecoveryOutcome offerRecoveries(QWidget* parent, Editor& editor, std::vector<ClaimedCopy>& copies,
                                const std::function<bool()>& keep = {});

}  // namespace fg
