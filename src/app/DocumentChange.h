#pragma once
// What a command of the editor changed, in one notification: each panel
// reacts to the parts that concern it.

#include <QFlags>

namespace fg {

enum class DocumentPart : unsigned {
    Tree = 1U << 0,        // nodes added, deleted, moved, renamed, shown or hidden
    Selection = 1U << 1,   // the selected node
    Page = 1U << 2,        // the values the shown page displays
    Materials = 1U << 3,   // the material list
    History = 1U << 4,     // the edit history's entries or current row
    Title = 1U << 5,       // the file name or the modified mark
    Recent = 1U << 6,      // the recent-files list
    Display = 1U << 7,     // the view's display flags
    Camera = 1U << 8,      // the camera was placed by a dialog or the view list
    Views = 1U << 9,       // the saved view list
    Preview = 1U << 10,    // the preview restarted from the changed document
    Settings = 1U << 11,   // project, background or export settings
};
Q_DECLARE_FLAGS(DocumentChanges, DocumentPart)
Q_DECLARE_OPERATORS_FOR_FLAGS(DocumentChanges)

}  // namespace fg
