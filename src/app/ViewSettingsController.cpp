#include "app/ViewSettingsController.h"

#include "app/Editor.h"
#include "render/camera/CameraFit.h"
#include "simulation/EffectBounds.h"

namespace fg {
namespace {

bool sameWrite(const WriteSettings& a, const WriteSettings& b) {
    return a.start == b.start && a.end == b.end && a.step == b.step && a.width == b.width && a.height == b.height &&
           a.type == b.type && a.isAlpha == b.isAlpha && a.smooth == b.smooth;
}

bool sameProject(const ProjectSettings& a, const ProjectSettings& b) {
    return a.frame == b.frame && a.fps == b.fps && a.width == b.width && a.height == b.height &&
           a.backColor == b.backColor && a.randomSeed == b.randomSeed && a.reverse == b.reverse && a.sort == b.sort;
}

}  // namespace

void ViewSettingsController::setProjectSettings(const ProjectSettingsChoice& choice) {
    const Editor::ChangeBatch batch(m_editor);
    EditorState& g = m_editor.m_g;
    const ProjectSettings project = g.project;
    const WriteSettings write = g.write;
    m_editor.changeDocument([&] { applyProjectSettings(g, choice); });
    if (!sameProject(project, g.project) || !sameWrite(write, g.write)) {
        m_editor.notify(DocumentPart::Settings);
        m_editor.markModified();
    }
}

void ViewSettingsController::setBackgroundColor(Vec3f color) {
    const Editor::ChangeBatch batch(m_editor);
    EditorState& g = m_editor.m_g;
    if (color == g.project.backColor) return;
    m_editor.changeDocument([&] { g.project.backColor = color; });
    m_editor.notify(DocumentPart::Settings);
    m_editor.markModified();
}

void ViewSettingsController::setExportSettings(const WriteSettings& write, std::int32_t frameWidth,
                                               std::int32_t frameHeight) {
    const Editor::ChangeBatch batch(m_editor);
    EditorState& g = m_editor.m_g;
    if (sameWrite(write, g.write) && frameWidth == g.project.width && frameHeight == g.project.height) return;
    // The frame size only matters to an export, which reads the document as
    // it starts: the preview goes on undisturbed.
    g.write = write;
    g.project.width = frameWidth;
    g.project.height = frameHeight;
    m_editor.notify(DocumentPart::Settings);
    m_editor.markModified();
}

void ViewSettingsController::setExportLayout(std::int32_t columns, std::int32_t rows) {
    const Editor::ChangeBatch batch(m_editor);
    WriteSettings& write = m_editor.m_g.write;
    if (write.width == columns && write.height == rows) return;
    write.width = columns;
    write.height = rows;
    m_editor.notify(DocumentPart::Settings);
    m_editor.markModified();
}

void ViewSettingsController::setCamera(Vec3f eye, Vec3f target) {
    const Editor::ChangeBatch batch(m_editor);
    CameraPlacement& camera = m_editor.m_g.camera;
    camera.eye = eye;
    camera.target = target;
    m_editor.markModified();
}

void ViewSettingsController::setCameraPlacement(Vec3f eye, Vec3f target) {
    const Editor::ChangeBatch batch(m_editor);
    setCamera(eye, target);
    // Unlike a move in the view, the view has still to follow.
    m_editor.notify(DocumentPart::Camera);
}

void ViewSettingsController::frameEffect(double aspect) {
    const Editor::ChangeBatch batch(m_editor);
    const EditorState& g = m_editor.state();
    // The pass the preview plays, with the preview's particle limit: what
    // the artist sees is what is framed. One pass, run here and now.
    EffectPass pass;
    pass.loop = m_editor.playback().loopPreview();
    pass.particleLimit = m_editor.simulation().particleLimit();
    const std::optional<Bounds3> bounds = effectBounds(g, pass);
    if (!bounds) return;
    const CameraPlacement fitted = fitCameraToSphere(g.camera, bounds->centre(), bounds->radius(), aspect);
    setCameraPlacement(fitted.eye, fitted.target);
}

void ViewSettingsController::resetCamera() {
    const Editor::ChangeBatch batch(m_editor);
    const CameraPlacement& placed = m_editor.document().placedCamera();
    const CameraPlacement& now = m_editor.state().camera;
    // Already there: nothing moves, so nothing is modified.
    if (now.eye == placed.eye && now.target == placed.target) return;
    setCameraPlacement(placed.eye, placed.target);
}

void ViewSettingsController::addView() {
    const Editor::ChangeBatch batch(m_editor);
    EditorState& g = m_editor.m_g;
    std::vector<ViewEntry>& views = g.viewList;
    // The add row is always last; a list read without one gets it back.
    if (!views.empty() && views.back().title == kViewListPlaceholder) views.pop_back();
    views.push_back(ViewEntry{g.camera.eye, g.camera.target, 60.0f, viewLabel(g.camera.eye, g.camera.target)});
    views.push_back(viewListPlaceholder());
    m_editor.notify(DocumentPart::Views);
    m_editor.markModified();
}

void ViewSettingsController::removeView(int index) {
    const Editor::ChangeBatch batch(m_editor);
    std::vector<ViewEntry>& views = m_editor.m_g.viewList;
    if (index < 0 || static_cast<std::size_t>(index) + 1 >= views.size()) return;
    views.erase(views.begin() + index);
    m_editor.notify(DocumentPart::Views);
    m_editor.markModified();
}

void ViewSettingsController::applyView(int index) {
    const Editor::ChangeBatch batch(m_editor);
    const std::vector<ViewEntry>& views = m_editor.state().viewList;
    if (index < 0 || static_cast<std::size_t>(index) + 1 >= views.size()) return;
    const ViewEntry& view = views[static_cast<std::size_t>(index)];
    setCameraPlacement(view.pos, view.target);
}

void ViewSettingsController::setDisplayFlags(const DisplayFlags& flags) {
    const Editor::ChangeBatch batch(m_editor);
    changeDisplay(flags);
}

void ViewSettingsController::toggleFrameDisplay() { toggleDisplay(&DisplayFlags::frame); }

void ViewSettingsController::toggleParticleDisplay() { toggleDisplay(&DisplayFlags::particles); }

void ViewSettingsController::toggleFpsDisplay() { toggleDisplay(&DisplayFlags::fps); }

void ViewSettingsController::toggleTimeline() { toggleDisplay(&DisplayFlags::timeline); }

void ViewSettingsController::toggleGrid() { toggleDisplay(&DisplayFlags::grid); }

void ViewSettingsController::toggleAxis() { toggleDisplay(&DisplayFlags::axis); }

void ViewSettingsController::toggleDisplay(bool DisplayFlags::*flag) {
    const Editor::ChangeBatch batch(m_editor);
    DisplayFlags flags = m_display;
    flags.*flag = !(flags.*flag);
    changeDisplay(flags);
}

void ViewSettingsController::changeDisplay(const DisplayFlags& flags) {
    m_display = flags;
    m_editor.notify(DocumentPart::Display);
}

}  // namespace fg
