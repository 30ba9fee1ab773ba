#include "render/camera/CameraControl.h"

#include <algorithm>
#include <cmath>

namespace fg {

namespace {

constexpr float kMoveRate = 0.01f;
constexpr float kTurnRate = 1.0f / 100.0f;  // radians per pixel
constexpr float kZoomRate = 1.0f / 30.0f;
constexpr float kClosestZoom = 0.3f;

bool overIcons(int viewWidth, int x, int y) {
    return viewWidth - 128 < x && x < viewWidth && 0 < y && y < 32;
}

Vec3f across(Vec3f d) { return Vec3f{-d.z, 0.0f, d.x}; }

// The viewing direction turned a quarter about the horizontal `axis` across it.
Vec3f upright(Vec3f d, Vec3f axis) {
    constexpr float kQuarterTurn = 3.14159265358979f / 2.0f;
    return normalize(transformNormal(d, rotationAxis(axis, kQuarterTurn)));
}

}  // namespace

int hoveredTool(int viewWidth, int x, int y) {
    if (!overIcons(viewWidth, x, y)) return kToolNone;
    if (x < viewWidth - 96) return kToolNone;
    if (x < viewWidth - 64) return kToolMove;
    if (x <= viewWidth - 32) return kToolRotate;
    return kToolZoom;
}

void moveCamera(Camera& camera, int dx, int dy) {
    const Vec3f d = camera.eye - camera.target;
    const Vec3f r = normalize(across(d));
    const Vec3f sideways = r * (-kMoveRate * static_cast<float>(dx));
    camera.eye = camera.eye + sideways;
    camera.target = camera.target + sideways;
    const Vec3f u = normalize(cross(camera.eye - camera.target, r));
    const Vec3f upwards = u * (-kMoveRate * static_cast<float>(dy));
    camera.eye = camera.eye + upwards;
    camera.target = camera.target + upwards;
}

void rotateCamera(Camera& camera, int dx, int dy) {
    const Vec3f d = camera.eye - camera.target;
    Vec3f r = across(d);
    if (length(r) == 0.0f) r = cross(normalize(camera.up), d);
    Vec3f h = normalize(Vec3f{d.x, 0.0f, d.z});
    if (length(h) == 0.0f) h = normalize(camera.up) * (camera.eye.y - camera.target.y < 0.0f ? -1.0f : 1.0f);

    const float yaw = static_cast<float>(dx) * kTurnRate;
    const float pitch = static_cast<float>(dy) * kTurnRate;
    const Mat4 turn = rotationY(yaw) * rotationAxis(r, pitch);
    camera.eye = camera.target + transformNormal(d, turn);

    const Vec3f n = normalize(camera.eye - camera.target);
    if (dot(n, h) > 0.0f) {
        camera.up = Vec3f{0.0f, 1.0f, 0.0f};
        return;
    }
    // The turn carried the view over the vertical: stop at the pole instead.
    const Vec3f turnedH = normalize(transformNormal(h, rotationY(yaw)));
    const float distance = length(d);
    if (d.y <= 0.0f) {
        camera.eye = camera.target + Vec3f{0.0f, -distance, 0.0f};
        camera.up = turnedH;
    } else {
        camera.eye = camera.target + Vec3f{0.0f, distance, 0.0f};
        camera.up = turnedH * -1.0f;
    }
}

void zoomCamera(Camera& camera, int dx, int dy) {
    const Vec3f d = camera.eye - camera.target;
    const float wanted = length(d) - (static_cast<float>(dx) * kZoomRate + static_cast<float>(dy) * kZoomRate);
    camera.eye = camera.target + normalize(d) * std::max(wanted, kClosestZoom);
}

void straightenUp(Camera& camera) {
    if (normalize(camera.up).y == 0.0f) return;
    const Vec3f d = camera.eye - camera.target;
    const Vec3f axis = across(d);
    if (length(axis) == 0.0f) {
        camera.up = Vec3f{0.0f, 0.0f, 1.0f};
        return;
    }
    camera.up = upright(d, axis);
}

void placeCamera(Camera& camera, Vec3f eye, Vec3f target) {
    camera.eye = eye;
    camera.target = target;
    const Vec3f d = eye - target;
    const Vec3f axis = across(d);
    if (length(axis) == 0.0f) return;
    camera.up = upright(d, axis);
}

Camera placedCamera(const CameraPlacement& placement) {
    Camera camera;
    camera.eye = placement.eye;
    camera.target = placement.target;
    straightenUp(camera);
    return camera;
}

bool cameraStep(Camera& camera, ToolState& tools, const MouseSample& mouse, int viewWidth, int viewHeight) {
    if (!mouse.leftDown) tools.active = kToolNone;
    tools.hovered = hoveredTool(viewWidth, mouse.x, mouse.y);
    if (mouse.leftDown && !mouse.leftWasDown && overIcons(viewWidth, mouse.x, mouse.y)) tools.active = tools.hovered;

    bool moved = true;
    switch (tools.active) {
    case kToolMove: moveCamera(camera, mouse.dx, mouse.dy); break;
    case kToolRotate: rotateCamera(camera, mouse.dx, mouse.dy); break;
    case kToolZoom: zoomCamera(camera, mouse.dx, mouse.dy); break;
    default: moved = false; break;
    }
    straightenUp(camera);
    camera.updateMatrices(viewWidth, viewHeight);
    return moved;
}

}  // namespace fg
