#include "render/camera/Camera.h"

#include <algorithm>

namespace fg {

namespace {

// A zero height would divide by zero; such a view shows nothing anyway.
float aspectOf(int width, int height) {
    return static_cast<float>(std::max(width, 1)) / static_cast<float>(std::max(height, 1));
}

}  // namespace

void Camera::updateMatrices(int clientWidth, int clientHeight) {
    updateMatricesForAspect(aspectOf(clientWidth, clientHeight));
}

void Camera::updateMatricesForExport(const ProjectSettings& project) {
    updateMatricesForAspect(aspectOf(project.width, project.height));
}

void Camera::updateMatricesForAspect(float aspect) {
    up = normalize(up);
    view = lookAtLH(eye, target, up);
    projection = perspectiveFovLH(kFieldOfView, aspect, kNear, kFar);
}

Mat4 Camera::billboard() const {
    return inverse(lookAtLH(Vec3f{}, target - eye, normalize(up)));
}

}  // namespace fg
