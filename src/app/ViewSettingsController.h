#pragma once
// The settings dialogs, the camera, the view list and the display flags. A
// part of the Editor, announcing through its documentChanged signal.
//
// None of these settings is an edit-history entry: the history records only
// effect edits. Each change marks the project modified instead, so that
// closing asks before it is lost (the display flags are the user's, not the
// project's, and mark nothing).

#include <cstdint>

#include "app/DisplayFlags.h"
#include "app/ProjectSettingsRules.h"
#include "model/ProjectSettings.h"

namespace fg {

class Editor;

class ViewSettingsController {
public:
    explicit ViewSettingsController(Editor& editor) : m_editor(editor) {}
    ViewSettingsController(const ViewSettingsController&) = delete;
    ViewSettingsController& operator=(const ViewSettingsController&) = delete;

    // "プロジェクトの設定" accepted: the numbers clamped to their ranges, the
    // export range reset to the whole effect with ⌊√frames⌋ frames per row.
    // Restarts the preview.
    void setProjectSettings(const ProjectSettingsChoice& choice);
    // "背景色の設定": red, green and blue, 0..255. Restarts the preview,
    // which takes the project's settings at a restart.
    void setBackgroundColor(Vec3f color);
    // The export dialog's values as they are typed (Cancel keeps them).
    void setExportSettings(const WriteSettings& write, std::int32_t frameWidth, std::int32_t frameHeight);
    // The export layout as an export accepted it (frames per row and rows).
    void setExportLayout(std::int32_t columns, std::int32_t rows);

    // The view's camera moved: kept in the project (saved with it), which
    // is now modified. The view already shows it: nothing is announced but
    // the title.
    void setCamera(Vec3f eye, Vec3f target);
    // "カメラの設定" and the view list: the view's camera goes to eye and
    // target at once (the Camera part).
    void setCameraPlacement(Vec3f eye, Vec3f target);
    // "＜追加＞": the current camera as a new view before the add row.
    void addView();
    // "×" of view `index`; the add row cannot be removed.
    void removeView(int index);
    // A click on view `index`: the camera goes to its position and target.
    void applyView(int index);

    const DisplayFlags& displayFlags() const { return m_display; }
    void setDisplayFlags(const DisplayFlags& flags);
    void toggleFrameDisplay();
    void toggleParticleDisplay();
    void toggleFpsDisplay();
    void toggleTimeline();
    void toggleGrid();
    void toggleAxis();

    // "エフェクト全体を表示": the camera keeps its direction and moves so
    // that every particle the effect shows over its whole pass is inside
    // the view of `aspect` (width / height). A camera move like any other.
    void frameEffect(double aspect);
    // The camera back where the project placed it when it was opened or
    // last saved (a new project: the default placement).
    void resetCamera();

private:
    void toggleDisplay(bool DisplayFlags::*flag);
    void changeDisplay(const DisplayFlags& flags);

    Editor& m_editor;
    DisplayFlags m_display;
};

}  // namespace fg
