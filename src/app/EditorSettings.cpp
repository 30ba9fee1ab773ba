// The settings dialogs' commands and the view list.

#include "app/Editor.h"

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

void Editor::setProjectSettings(const ProjectSettingsChoice& choice) {
    const ProjectSettings project = m_g.project;
    const WriteSettings write = m_g.write;
    changeDocument([&] { applyProjectSettings(m_g, choice); });
    if (!sameProject(project, m_g.project) || !sameWrite(write, m_g.write)) setModified(true);
}

void Editor::setBackgroundColor(Vec3f color) {
    if (color == m_g.project.backColor) return;
    changeDocument([&] { m_g.project.backColor = color; });
    setModified(true);
}

void Editor::setExportSettings(const WriteSettings& write, std::int32_t frameWidth, std::int32_t frameHeight) {
    if (sameWrite(write, m_g.write) && frameWidth == m_g.project.width && frameHeight == m_g.project.height) return;
    // The frame size only matters to an export, which reads the document as
    // it starts: the preview goes on undisturbed.
    m_g.write = write;
    m_g.project.width = frameWidth;
    m_g.project.height = frameHeight;
    setModified(true);
}

void Editor::setCameraPlacement(Vec3f eye, Vec3f target) {
    m_g.camera.eye = eye;
    m_g.camera.target = target;
    emit cameraPlaced();
    markModified();
}

void Editor::addView() {
    std::vector<ViewEntry>& views = m_g.viewList;
    // The add row is always last; a list read without one gets it back.
    if (!views.empty() && views.back().title == kViewListPlaceholder) views.pop_back();
    views.push_back(ViewEntry{m_g.camera.eye, m_g.camera.target, 60.0f, viewLabel(m_g.camera.eye, m_g.camera.target)});
    views.push_back(viewListPlaceholder());
    emit viewListChanged();
    markModified();
}

void Editor::removeView(int index) {
    std::vector<ViewEntry>& views = m_g.viewList;
    if (index < 0 || static_cast<std::size_t>(index) + 1 >= views.size()) return;
    views.erase(views.begin() + index);
    emit viewListChanged();
    markModified();
}

void Editor::applyView(int index) {
    const std::vector<ViewEntry>& views = m_g.viewList;
    if (index < 0 || static_cast<std::size_t>(index) + 1 >= views.size()) return;
    const ViewEntry& view = views[static_cast<std::size_t>(index)];
    setCameraPlacement(view.pos, view.target);
}

}  // namespace fg
