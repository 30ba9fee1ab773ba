#pragma once
// The 3D view's viewpoint: eye, target and up, with the left-handed view and
// projection matrices every draw uses (60° vertical field of view, near 0.1,
// far 500, Direct3D depth 0..1).

#include "model/ProjectSettings.h"
#include "model/Vec3.h"
#include "simulation/Math.h"

namespace fg {

struct Camera {
    static constexpr float kFieldOfView = 3.14159265358979f / 3.0f;
    static constexpr float kNear = 0.1f;
    static constexpr float kFar = 500.0f;

    Vec3f eye{0.0f, 5.0f, -10.0f};
    Vec3f target{0.0f, 0.0f, 0.0f};
    Vec3f up{0.0f, 1.0f, 1.0f};  // normalised before every use
    Mat4 view = Mat4::identity();
    Mat4 projection = Mat4::identity();

    // Matrices for a view of this client size (aspect width / height).
    void updateMatrices(int clientWidth, int clientHeight);
    // Matrices for the exported frame size of the project.
    void updateMatricesForExport(const ProjectSettings& project);
    // The camera's rotation: turns quads and markers to face the camera.
    Mat4 billboard() const;

private:
    void updateMatricesForAspect(float aspect);
};

}  // namespace fg
