#pragma once
// The mouse rules of the 3D view: hovering and pressing the three tool icons
// in the top-right corner (move, rotate, zoom) and turning mouse movement
// into camera changes while a tool is dragged. The editor feeds it from its
// mouse events; it pins the cursor and marks the project modified when a
// step reports a change.

#include "render/camera/Camera.h"

namespace fg {

enum ViewTool : int { kToolNone = 0, kToolMove = 1, kToolRotate = 2, kToolZoom = 3 };

// The icon under (x, y) in a view `viewWidth` pixels wide, or kToolNone.
int hoveredTool(int viewWidth, int x, int y);

struct MouseSample {
    int x = 0;                 // cursor in view client coordinates
    int y = 0;
    int dx = 0;                // relative movement since the previous sample
    int dy = 0;
    bool leftDown = false;     // left button now
    bool leftWasDown = false;  // left button at the previous sample
};

struct ToolState {
    int active = kToolNone;
    int hovered = kToolNone;
};

// Camera changes for one drag step of a tool.
void moveCamera(Camera& camera, int dx, int dy);
void rotateCamera(Camera& camera, int dx, int dy);
void zoomCamera(Camera& camera, int dx, int dy);
// Keeps up perpendicular to the viewing direction in its vertical plane
// (left alone while the view is stopped at a pole).
void straightenUp(Camera& camera);

// The camera put at `eye` and `target` by the camera settings or a saved
// view: up becomes the viewing direction turned upright as above; looking
// straight up or down there is no such direction, and up stays as it was.
void placeCamera(Camera& camera, Vec3f eye, Vec3f target);

// The camera at a stored placement (the project's eye and target) as every
// preview frame draws it: the default up straightened by the rule above, so
// the world's y axis stays upright on screen whatever the viewing direction.
// The editor's view and the command-line tool both start their camera here;
// the caller computes the matrices for its picture's aspect.
Camera placedCamera(const CameraPlacement& placement);

// One camera step of the preview frame: hover, drag start and release, the
// active tool's change, the up rule and fresh matrices for the view size.
// Returns true when the camera moved (the caller pins the cursor back to
// where the drag began and marks the project modified).
bool cameraStep(Camera& camera, ToolState& tools, const MouseSample& mouse, int viewWidth, int viewHeight);

}  // namespace fg
